// The unpacked form of a NUMBER and the two operations that every Num*
// function is built on: unpacking a record into sign, exponent and base-100
// digits, and packing such a triple back with rounding.
#pragma once

#include <cstdint>

#include "orvexrt/number.h"

// Largest digit count of any work area: a full product of two 23-digit values.
constexpr int kNumWorkDigits = 48;
// Digits a record holds: 23 for a positive value, 22 for a negative one.
constexpr int kNumMaxPositiveDigits = 23;
constexpr int kNumMaxNegativeDigits = 22;
// The biased exponent X = 64 + E of a value; E lies in -60..60.
constexpr int kNumExponentBias = 64;
constexpr int kNumMinBiased = 4;
constexpr int kNumMaxBiased = 124;
// The biased exponent that unpacking reports for zero, null and invalid
// records: outside the normal range.
constexpr int kNumZeroBiased = 0xC0;
// A negative value's digit bytes are 100 - d, followed by this terminator.
constexpr uint8_t kNumTerminator = 0x65;

struct NumUnpacked {
    bool negative = false;
    int biased = kNumZeroBiased; // X = 64 + E
    int count = 0;               // digits in use, no trailing zeros
    uint8_t digits[kNumWorkDigits] = {};

    bool IsZero() const { return count == 0; }
    int Exponent() const { return biased - kNumExponentBias; }
};

// How many bytes follow the length byte.  The text, rounding, truncation and
// machine-type conversions read the low six bits; the arithmetic and the
// comparisons read only the low four when the top bit is set.
inline int NumLengthOf(const NUMBER *n) { return n->bLength & 0x3F; }
inline int NumArithLengthOf(const NUMBER *n) { return (n->bLength & 0x80) ? (n->bLength & 0x0F) : (n->bLength & 0x3F); }
// A length the library can read: 1 (zero) to 24.
inline bool NumIsValidLength(int length) { return length < 25; }

// What a record's length and exponent bytes say to the arithmetic's fast
// paths.  Lengths out of range read as zero.
struct NumHeader {
    bool negative;
    int count; // digit bytes, the terminator aside
    int biased;
};

inline NumHeader NumReadHeader(const NUMBER *n) {
    const int length = NumArithLengthOf(n);
    const uint8_t exponent = n->bExponent;
    const bool valid = length >= 2 && length <= 24;
    const bool negative = valid && exponent < 0x80;
    return {negative, valid ? length - 1 - (negative ? 1 : 0) : 0, (negative ? ~exponent : exponent) & 0x7F};
}

// Unpacks the bytes after the length byte.  Returns the sign flag (1 for a
// negative value).  A length below 2 or above 24 gives zero.  Digit bytes out
// of range are read modulo 100 and leading zero digits are dropped, so that
// callers always see digits 0..99 with a non-zero first one (or zero).
int NumUnpack(const uint8_t *exponentByte, int length, uint8_t *digits, int *count, int *biased);
NumUnpacked NumUnpackRecord(const NUMBER *n, int length);

// Packs digits (any count up to kNumWorkDigits, leading zeros allowed) with
// rounding half away from zero on the first dropped digit, the exponent
// clamped to -60..60.  With pad, zero digits are appended until the bytes
// written are a multiple of 4.  Returns the bytes written (the length byte).
int NumPack(uint8_t *exponentByte, const uint8_t *digits, int count, int negative, int biased, bool pad);
// Packs into a record and stores its length byte; returns that length.
int NumPackRecord(NUMBER *out, const uint8_t *digits, int count, bool negative, int biased, bool pad = false);
int NumPackRecord(NUMBER *out, const NumUnpacked &value, bool pad = false);

// Multiplies a non-negative record in place by a factor below 100; a record
// of 23 digits first loses its last digit, rounded half up.  Trailing zero
// digits may remain.
void NumMulSmall(NUMBER *n, int factor);

// Reads a plain decimal number at text (digits with an optional point, then
// an optional exponent; no white space, sign or "0x") and packs it with the
// given sign: the characters read, 0 when there is no digit, -1 / -2 on
// overflow / underflow (out untouched then).  NumAsciiToNumber reads its
// decimal texts with it, and readers that checked a text already call it
// straight.
int NumReadDecimal(NUMBER *out, const char *text, bool negative);

// The sign rules of a sum.  The magnitudes are subtracted when the signs
// differ for an addition or agree for a subtraction; the result takes the
// sign of the larger magnitude, with b's sign turned for a subtraction
// (swapped: b's magnitude is the larger).
inline bool NumSumSubtracts(bool aNegative, bool bNegative, bool subtract) { return aNegative ^ bNegative ^ subtract; }
inline bool NumSumNegative(bool aNegative, bool bNegative, bool subtract, bool swapped) {
    return swapped ? bNegative != subtract : aNegative;
}

// a x b on 16-byte vectors, where the processor has byte shuffles.  False
// when it has not, or when a record needs the careful reader.
bool NumMultiplyOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b);

// The null value (length 0) and zero (01 C0).
inline void NumSetNull(NUMBER *n) { n->bLength = 0; }
inline void NumSetZero(NUMBER *n) {
    n->bLength = 1;
    n->bExponent = 0xC0;
}
