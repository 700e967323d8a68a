// Reading typed numbers back, inside the library: the steps behind
// FMTValidateNumber and FMTUnformatNumberStr.
#pragma once

#include <cstdint>
#include <string_view>

#include "numfmt/picture_settings.h"
#include "numfmt/picture_syntax.h"
#include "orvexrt/number.h"

// What a typed number is read against.
struct FMTNumberReading {
    FMTSeparators separators;
    std::string_view symbol; // the currency symbol
    int32_t position;        // the currency position, the meaning of iCurrency
    char symbolBuffer[8];    // holds a profile's symbol
};

// The reading of a block: the profile's with bUseIntl, else the block's
// cThousand, cDecimal, lpszCurrency and nCurrPos.
void FMTGetNumberReading(const FMTCNTLBLOCK &block, FMTNumberReading &reading);

// Reads a number (or, with `currency`, an amount) in the settings' form from
// text, which the reading rewrites; true with *value set when it is valid.
// White space alone reads as zero.
bool FMTValidateNumberText(char *text, bool currency, const FMTNumberReading &reading, NUMBER *value);

// What reading a common number text found: a valid or an invalid number,
// or another kind of text, which the general steps read.
enum class FMTQuickReading { kValid, kInvalid, kOther };

// Reads a number text without blanks at its ends, as FMTValidateNumberText
// does but without rewriting it, when it is a common one: an optional sign
// at either end, digits, thousands separators and at most one decimal
// separator (other than the thousands one) after them.  *value is set when
// kValid.
FMTQuickReading FMTReadCommonNumberText(std::string_view text, FMTSeparators separators, NUMBER *value);

// Takes the currency decorations off an amount in place: a single "-" or a
// pair of parentheses mark it negative and go, the symbol goes from its
// side (and from the end of a negative amount), and a negative amount gets
// "-" in front.
void FMTStripCurrency(char *text, std::string_view symbol, bool after);

// Takes the literal texts of a picture section, whose layout is given, off
// text in place: the text before its digit field from the front (after a
// "-" with allowLeadingMinus), the text after it from the end.  *percent
// tells whether the section shows a percentage that the text carries.
// False for a section without a digit field.
bool FMTStripPictureText(char *text, std::string_view section, const FMTSectionLayout &layout, bool *percent,
                         bool allowLeadingMinus);

// Reads text in the scientific form "mantissa E exponent"; true with *value
// set when it is valid.
bool FMTUnformatSciNumber(const char *input, const FMTNumberReading &reading, NUMBER *value);
