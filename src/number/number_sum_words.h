// Sums and differences of NUMBERs on digit words: both records read into
// three words (two when both operands, aligned, fit 16 digits), the smaller
// operand shifted under the larger, and the digits added as one 192-bit (or
// 128-bit) binary number.  With every byte of one addend offset
// by 156, a byte overflows exactly when its digit sum reaches 100, so the
// processor's own carries are the decimal ones; a difference adds the
// complement.  Everything stays in the integer registers, and the rare cases
// take predicted branches instead of lying on every sum's path.
#pragma once

#include <algorithm>
#include <cstdlib>

#include "number/number_words.h"

namespace numwords {

// x's digits below y's, for values of equal exponents: digit words compare
// as their digit sequences do.
template <int W> inline bool DigitsBelow(const uint64_t *x, const uint64_t *y) {
    for (int j = 0; j < W - 1; ++j)
        if (x[j] != y[j]) return x[j] < y[j];
    return x[W - 1] < y[W - 1];
}

// The word lo, its digits moved `bits` (0 to 56) towards the end, with the
// last digits of hi, the word before it, moving in.
inline uint64_t ShiftInFrom(uint64_t hi, uint64_t lo, int bits) { return (lo >> bits) | ((hi << 1) << (63 - bits)); }

// Word i of a run of words moved `words` whole words (0 or more) towards the
// end.
inline uint64_t WordMovedBy(const uint64_t *w, int i, int words) {
    uint64_t moved = 0;
#pragma GCC unroll 3
    for (int k = 0; k <= i; ++k) moved = words == k ? w[i - k] : moved;
    return moved;
}

// W digit words moved s places (0 to 8W) towards the end.
template <int W> inline void ShiftWordsRight(uint64_t *w, int s) {
    const int words = s >> 3, bits = (s & 7) * 8;
    uint64_t a[W];
#pragma GCC unroll 3
    for (int i = 0; i < W; ++i) a[i] = WordMovedBy(w, i, words);
    w[0] = a[0] >> bits;
#pragma GCC unroll 3
    for (int i = 1; i < W; ++i) w[i] = ShiftInFrom(a[i - 1], a[i], bits);
}

// W digit words moved z places (1 to 8W - 1) towards the front.
template <int W> inline void ShiftWordsLeft(uint64_t *w, int z) {
    const int words = z >> 3, bits = (z & 7) * 8;
    uint64_t a[W + 1] = {};
    for (int i = 0; i + words < W; ++i) a[i] = w[i + words];
    for (int i = 0; i < W; ++i) w[i] = (a[i] << bits) | ((a[i + 1] >> 1) >> (63 - bits));
}

// Leading zero digits of W words, 8W when all are zero.
template <int W> inline int LeadingZeroDigits(const uint64_t *w) {
    for (int j = 0; j < W; ++j)
        if (w[j]) return 8 * j + (std::countl_zero(w[j]) >> 3);
    return 8 * W;
}

// The sum or difference of two records on W words, once their headers have
// shown that W words hold both operands aligned.  False when a record needs
// the careful reader.
template <int W>
[[gnu::always_inline]] inline bool AddOrSubtractOn(NUMBER *result, const NUMBER *a, const NUMBER *b,
                                                   const NumHeader &ha, const NumHeader &hb, bool subtract) {
    uint64_t x[W], y[W];
    if (!ReadDigitWords<W>(a, ha, x) || !ReadDigitWords<W>(b, hb, y)) return false;
    // Magnitude order: the exponent first (zero below all), then the digits.
    // The digits matter only between equal exponents, and only to a
    // difference, as a sum's magnitude does not depend on the order.
    const int ex = ha.count != 0 ? ha.biased : -1, ey = hb.count != 0 ? hb.biased : -1;
    const bool difference = NumSumSubtracts(ha.negative, hb.negative, subtract);
    bool swapped = ex < ey;
    if (__builtin_expect(ex == ey && difference, 0)) swapped = DigitsBelow<W>(x, y);
    const bool negative = NumSumNegative(ha.negative, hb.negative, subtract, swapped);
    uint64_t larger[W], smaller[W];
#pragma GCC unroll 3
    for (int j = 0; j < W; ++j) {
        larger[j] = swapped ? y[j] : x[j];
        smaller[j] = swapped ? x[j] : y[j];
    }
    const int biased = swapped ? hb.biased : ha.biased;
    // The smaller operand under the larger: its digits beyond the area are
    // dropped unrounded.  A zero operand has no digits to shift.
    int shift = std::abs(ex - ey);
    if (__builtin_expect(shift > 8 * W, 0)) shift = 8 * W;
    ShiftWordsRight<W>(smaller, shift);
    // A difference adds the complement, 99 - d in every place, plus one, and
    // drops the carry out of the first digit.
    if (difference) {
#pragma GCC unroll 3
        for (int j = 0; j < W; ++j) smaller[j] = EveryByte(99) - smaller[j];
    }
    unsigned carry = difference;
    uint64_t sum[3] = {};
#pragma GCC unroll 3
    for (int j = W - 1; j >= 0; --j) sum[j] = AddDigits(larger[j], smaller[j], carry);
    if (!difference && carry) {
        // A carry out of the first digit: the sum has a digit more, and its
        // last one goes, which never decides the rounding.
        PackDigits(result, (uint64_t{1} << 56) | (sum[0] >> 8), (sum[0] << 56) | (sum[1] >> 8),
                   (sum[1] << 56) | (sum[2] >> 8), negative, biased + 1);
        return true;
    }
    int zeros = 0;
    if (__builtin_expect((sum[0] >> 56) == 0, 0)) {
        // A difference that cancelled its first digits.
        zeros = LeadingZeroDigits<W>(sum);
        if (zeros == 8 * W) {
            NumSetZero(result);
            return true;
        }
        ShiftWordsLeft<W>(sum, zeros);
    }
    PackDigits(result, sum[0], sum[1], sum[2], negative, biased - zeros);
    return true;
}

// a + b, or a - b when subtract holds, into result.  False when a record
// needs the careful reader.  Inlined into both exports, so that the words
// stay in registers from the records to the result.
[[gnu::always_inline]] inline bool AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    if (!enabled) return false;
    const NumHeader ha = NumReadHeader(a), hb = NumReadHeader(b);
    // Most values in use have at most 16 digits, and most sums of them need
    // no more once aligned: those take two words instead of three.
    // Zero operands take three words: their exponent does not align them.
    const int gap = ha.biased - hb.biased;
    const int larger = gap >= 0 ? ha.count : hb.count, smaller = gap >= 0 ? hb.count : ha.count;
    if (std::max(larger, std::abs(gap) + smaller) <= 16 && smaller != 0)
        return AddOrSubtractOn<2>(result, a, b, ha, hb, subtract);
    return AddOrSubtractOn<3>(result, a, b, ha, hb, subtract);
}

} // namespace numwords
