// The four currency texts that stand around a number: before and after a
// positive amount, before and after a negative one.  They follow from a
// currency symbol, its position (the settings' iCurrency) and the negative
// currency format (iNegCurr).
#pragma once

#include <cstdint>

// Bytes of each text, terminator included.
constexpr int kFMTAffixSize = 10;
// The longest symbol whose texts fit: the negative formats add two
// characters to it.
constexpr int kFMTMaxAffixSymbol = kFMTAffixSize - 3;

struct CURRAFFIX {
    char szPosPrefix[kFMTAffixSize];
    char szPosSuffix[kFMTAffixSize];
    char szNegPrefix[kFMTAffixSize];
    char szNegSuffix[kFMTAffixSize];
    uint32_t bBuilt; // 1 once the texts were built
};

// Builds the four texts from a symbol, a position 0..3 and a negative format
// 0..10.  Texts for another position or format are empty.  Returns false,
// with all four texts empty, when the symbol is longer than
// kFMTMaxAffixSymbol bytes.
bool FMTBuildCurrAffixes(int32_t position, int32_t negFormat, char *posPrefix, char *posSuffix, char *negPrefix,
                         char *negSuffix, const char *symbol);
bool FMTBuildCurrAffixes(int32_t position, int32_t negFormat, const char *symbol, CURRAFFIX *affixes);

// The calling thread's texts for the active profile's settings: built at the
// thread's first use and kept, unchanged by later changes of the settings,
// until the thread's items are released.  Null when the record cannot be
// made.
CURRAFFIX *FMTGetThreadCurrAffixes();

// Builds the texts of the active profile's settings.
void FMTBuildProfileCurrAffixes(CURRAFFIX *affixes);
