// Sums and differences of NUMBERs on digit words: both records read into
// three words, the smaller operand shifted under the larger, and the digits
// added as one 192-bit binary number.  With every byte of one addend offset
// by 156, a byte overflows exactly when its digit sum reaches 100, so the
// processor's own carries are the decimal ones; a difference adds the
// complement.  Everything stays in the integer registers, and the rare cases
// take predicted branches instead of lying on every sum's path.
#pragma once

#include <cstdlib>

#include "number/number_words.h"

namespace numwords {

// x's digits below y's, for values of equal exponents: digit words compare
// as their digit sequences do.
inline bool DigitsBelow(const NumWords &x, const NumWords &y) {
    if (x.w[0] != y.w[0]) return x.w[0] < y.w[0];
    if (x.w[1] != y.w[1]) return x.w[1] < y.w[1];
    return x.w[2] < y.w[2];
}

// The word lo, its digits moved `bits` (0 to 56) towards the end, with the
// last digits of hi, the word before it, moving in.
inline uint64_t ShiftInFrom(uint64_t hi, uint64_t lo, int bits) { return (lo >> bits) | ((hi << 1) << (63 - bits)); }

// Three digit words moved s places (0 to 24) towards the end.
inline void ShiftWordsRight(uint64_t w[3], int s) {
    const int words = s >> 3, bits = (s & 7) * 8;
    const uint64_t a0 = words == 0 ? w[0] : 0;
    const uint64_t a1 = words == 0 ? w[1] : (words == 1 ? w[0] : 0);
    const uint64_t a2 = words == 0 ? w[2] : (words == 1 ? w[1] : (words == 2 ? w[0] : 0));
    w[0] = a0 >> bits;
    w[1] = ShiftInFrom(a0, a1, bits);
    w[2] = ShiftInFrom(a1, a2, bits);
}

// Three digit words moved z places (1 to 23) towards the front.
inline void ShiftWordsLeft(uint64_t w[3], int z) {
    const int words = z >> 3, bits = (z & 7) * 8;
    const uint64_t a0 = words == 0 ? w[0] : (words == 1 ? w[1] : w[2]);
    const uint64_t a1 = words == 0 ? w[1] : (words == 1 ? w[2] : 0);
    const uint64_t a2 = words == 0 ? w[2] : 0;
    auto in = [bits](uint64_t hi, uint64_t lo) { return (hi << bits) | ((lo >> 1) >> (63 - bits)); };
    w[0] = in(a0, a1);
    w[1] = in(a1, a2);
    w[2] = a2 << bits;
}

// Leading zero digits of three words, 24 when all are zero.
inline int LeadingZeroDigits(const uint64_t w[3]) {
    if (w[0]) return std::countl_zero(w[0]) >> 3;
    if (w[1]) return 8 + (std::countl_zero(w[1]) >> 3);
    return 16 + (std::countl_zero(w[2]) >> 3);
}

// a + b, or a - b when subtract holds, into result.  False when a record
// needs the careful reader.  Inlined into both exports, so that the words
// stay in registers from the records to the result.
[[gnu::always_inline]] inline bool AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    NumWords x, y;
    if (!enabled || !ReadWords(a, NumArithLengthOf(a), x) || !ReadWords(b, NumArithLengthOf(b), y)) return false;
    // Magnitude order: the exponent first (zero below all), then the digits.
    // The digits matter only between equal exponents, and only to a
    // difference, as a sum's magnitude does not depend on the order.
    const int ex = (x.w[0] >> 56) ? x.biased : -1, ey = (y.w[0] >> 56) ? y.biased : -1;
    const bool difference = NumSumSubtracts(x.negative, y.negative, subtract);
    bool swapped = ex < ey;
    if (__builtin_expect(ex == ey && difference, 0)) swapped = DigitsBelow(x, y);
    const bool negative = NumSumNegative(x.negative, y.negative, subtract, swapped);
    uint64_t larger[3], smaller[3];
#pragma GCC unroll 3
    for (int j = 0; j < 3; ++j) {
        larger[j] = swapped ? y.w[j] : x.w[j];
        smaller[j] = swapped ? x.w[j] : y.w[j];
    }
    const int biased = swapped ? y.biased : x.biased;
    // The smaller operand under the larger: its digits beyond the 24th are
    // dropped unrounded.  A zero operand has no digits to shift.
    int shift = std::abs(ex - ey);
    if (__builtin_expect(shift > 24, 0)) shift = 24;
    ShiftWordsRight(smaller, shift);
    // A difference adds the complement, 99 - d in every place, plus one, and
    // drops the carry out of the first digit.
    if (difference) {
#pragma GCC unroll 3
        for (int j = 0; j < 3; ++j) smaller[j] = EveryByte(99) - smaller[j];
    }
    unsigned carry = difference;
    uint64_t sum[3];
#pragma GCC unroll 3
    for (int j = 2; j >= 0; --j) sum[j] = AddDigits(larger[j], smaller[j], carry);
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
        zeros = LeadingZeroDigits(sum);
        if (zeros == 24) {
            NumSetZero(result);
            return true;
        }
        ShiftWordsLeft(sum, zeros);
    }
    PackDigits(result, sum[0], sum[1], sum[2], negative, biased - zeros);
    return true;
}

} // namespace numwords
