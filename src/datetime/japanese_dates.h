// The two Japanese date forms, written and read.
#pragma once

#include <cstdint>

#include "orvexrt/datetime.h"

// «2026年12月04日»: the Gregorian date with the year, month and day characters.
int32_t FMTFormatGeeDate(FMTCNTLBLOCK *block);
// «平成01年01月08日»: the era name and the era year; 0 for a date before the
// first era (the output is then untouched).
int32_t FMTFormatEmperorDate(FMTCNTLBLOCK *block);
// Reads a Japanese date from lpszInput into dtValue: an era name and year,
// or (unless an era is required) a Gregorian year, then the month and the
// day, each with its character.  Returns the bytes read, or -1.
int32_t FMTParseJapaneseDate(FMTCNTLBLOCK *block, int32_t eraRequired);
