// The rounded text of a value, and exact scaling by powers of ten, shared by
// formatting and unformatting.
#pragma once

#include <cstdint>
#include <string_view>

#include "orvexrt/number.h"

// The longest rounded text, and the buffer that holds it.
constexpr int kFMTRoundedTextMax = 325;
constexpr int kFMTRoundedTextBuffer = 328;

struct FMTRoundedText {
    char text[kFMTRoundedTextBuffer];
    int length;
    int point; // where its "." stands; -1 without one
    std::string_view View() const { return {text, static_cast<size_t>(length)}; }
};

// The value rounded half away from zero to `places` decimal places, as plain
// text with "-" and "." (no "0" before the point of a value between -1 and
// 1); with places > 0 padded with "0"s to exactly that many places, the
// whole cut at kFMTRoundedTextMax characters.  A null value gives "".
// False when the rounded value has no plain text of at most 108 characters
// (magnitudes of 10^108 and more), which every caller refuses.
bool FMTRoundToText(const NUMBER &value, int32_t places, FMTRoundedText &out);

// NumToAscii(value, out, 108), reading the plain text straight from the
// record where it has one.  `out` holds 109 bytes.
int32_t FMTValueText(const NUMBER &value, char *out);

// FMTValueText for a value whose decimal exponent (FMTDecimalExponent) lies
// from lowest to highest, to one less than highest for a negative value;
// false, with nothing written, for any other.
bool FMTValueTextWithin(const NUMBER &value, int lowest, int highest, char *out);

// Whether a rounded text shows zero: only "." and "0" characters.
bool FMTIsZeroText(std::string_view text);

// out = value * 10^power, exactly.  False (out untouched) when the result
// lies outside the NUMBER range, where the arithmetic would clamp it.
bool FMTScaleByPowerOf10(NUMBER *out, const NUMBER &value, int32_t power);

// P such that the non-zero value's magnitude is 0.d1d2... * 10^P: the number
// of integer digits of a value of 1 or more, minus the zeros after the
// point of a smaller one.  0 for zero and null.
int FMTDecimalExponent(const NUMBER &value);

// Zero as a record.
NUMBER FMTZeroNumber();
// -1, 0 or 1 as the value, read as its text is (the low six bits of the
// length byte), is below, at or above zero; 0 for null.
int FMTSignOf(const NUMBER &value);
// Whether the value is below zero.
inline bool FMTIsNegative(const NUMBER &value) { return FMTSignOf(value) < 0; }
