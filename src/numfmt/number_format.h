// Number formatting inside the library: the picture engine and the
// currency forms behind FMTFormatNumber.
#pragma once

#include <cstdint>
#include <string_view>

#include "numfmt/numfmt_text.h"
#include "numfmt/picture_settings.h"
#include "orvexrt/number.h"

// Appends `value` formatted by a plain picture.  True when done (also with
// nothing written: a null value, an empty section); false when refused: an
// empty picture, a value whose rounded text has no plain form, a text that
// does not fit `out`.
bool FMTFormatNumberPic(FMTTextSink &out, const char *picture, FMTSeparators separators, const NUMBER &value);

// The scientific steps: appends the magnitude `a` (with "-" first when
// negative) as mantissa and exponent by a scientific picture.
bool FMTFormatSciNumber(FMTTextSink &out, const char *picture, FMTSeparators separators, const NUMBER &a,
                        bool negative);

// Combines a number text with a currency symbol: a text that begins with "-"
// by the negative format (0..10; any other gives an empty text), any other
// text as symbol, optional space and text, or with `after` as text, space
// and symbol.
void FMTApplyCurrency(std::string_view text, std::string_view symbol, FMTTextSink &out, bool after, bool space,
                      int32_t negFormat);

// The longest text one section (NUL-terminated) gives for values of at most
// maxIntDigits integer digits, with the active profile.
int64_t FMTGetSectionMaxLen(const char *section, int32_t maxIntDigits);
