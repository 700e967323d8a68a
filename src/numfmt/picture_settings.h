// The settings a number request is read against: separators and currency
// texts, from the active profile or from the request's own fields.
#pragma once

#include <cstdint>

#include "numfmt/currency_affixes.h"
#include "orvexrt/datetime.h"

struct FMTSeparators {
    char thousand; // 0: no thousands separator
    char decimal;  // never 0
};

// The profile's separators with useIntl, else the two given ones.
FMTSeparators FMTGetSeparators(bool useIntl, char thousand, char decimal);

struct FMTPictureSettings {
    FMTSeparators separators;
    int32_t negFormat; // the negative currency format, 0..10 known
    CURRAFFIX affixes;
};

// The settings of a picture request.  With bUseIntl: the profile's
// separators and negative format and the calling thread's currency texts;
// else cThousand, cDecimal, nNegCurr and texts built from lpszCurrency,
// nCurrPos and nNegCurr.  False when the block's symbol is too long for the
// texts.
bool FMTGetPictureSettings(const FMTCNTLBLOCK &block, FMTPictureSettings &settings);
