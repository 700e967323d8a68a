// Matching the tokens of a typed value against the tokens of a picture.
#pragma once

#include <cstdint>

#include "datetime/date_tokens.h"
#include "orvexrt/datetime.h"

// Reads the value into the block's dtValue and the read marks into its
// flags; 1 on a match, 0 otherwise (the block is then untouched).
int32_t FMTMatchDateTokens(const DateTokens &value, const DateTokens &picture, FMTCNTLBLOCK *block);
