// Division: the 24 quotient digits of 0.a / 0.b (the first one the integer
// part, 0 to 99), each the true base-100 digit of the truncated quotient,
// packed once.  Both ways below are exact integer divisions; they differ
// only in speed.
#include <algorithm>
#include <bit>
#include <cstring>

#include "number/number_core.h"
#include "number/number_words.h"

namespace {

using numwords::NumWords;

// 10^8: a limb of four base-100 digits.
constexpr uint64_t kLimb = 100000000ULL;

// A record in the word form; records with out-of-range bytes or a zero
// first digit go through the careful reader first.
NumWords ReadOperand(const NUMBER *n) {
    NumWords v;
    const int length = NumArithLengthOf(n);
    if (numwords::ReadWords(n, length, v)) return v;
    const NumUnpacked u = NumUnpackRecord(n, length);
    uint8_t bytes[24] = {};
    std::memcpy(bytes, u.digits, static_cast<size_t>(std::min(u.count, 23)));
    v.negative = u.negative;
    v.biased = u.biased;
    for (int j = 0; j < 3; ++j) v.w[j] = numwords::LoadWord(bytes + 8 * j);
    return v;
}

#if defined(__SIZEOF_INT128__)
// A divisor of at most nine digits: the quotient's 24 digits are the integer
// quotient of a's digits followed by (b's digit count - 1) zeros, by b's
// digits, developed 16 decimal places per 128-bit division.  False when the
// divisor is longer.
bool DivideShort(const NumWords &x, const NumWords &y, uint64_t *quotient) {
    int digits;
    uint64_t divisor;
    if ((y.w[1] | y.w[2]) == 0) {
        digits = 8 - std::countr_zero(y.w[0]) / 8;
        divisor = numwords::WordValue(y.w[0] >> (8 * (8 - digits)));
    } else if (y.w[2] == 0 && (y.w[1] << 8) == 0) {
        digits = 9;
        divisor = numwords::WordValue(y.w[0]) * 100 + (y.w[1] >> 56);
    } else {
        return false;
    }
    // The dividend placed so that the quotient's 24 digits are the last
    // three limbs; the first limb is then below the divisor.
    uint64_t dividend[4] = {x.w[0], x.w[1], x.w[2], 0};
    numwords::ShiftDigitsRight<4>(dividend, 9 - digits);
    uint64_t remainder = numwords::WordValue(dividend[0]);
    for (int j = 0; j < 3; ++j) {
        const numwords::u128 part =
            static_cast<numwords::u128>(remainder) * numwords::kTen16 + numwords::WordValue(dividend[j + 1]);
        quotient[j] = numwords::ValueWord(numwords::DivideWide(part, divisor, remainder));
    }
    return true;
}
#endif

// Any divisor: schoolbook long division on 10^8 limbs.  The dividend's six
// limbs followed by the divisor's limb count of zero limbs, divided by the
// divisor's limbs, give seven quotient limbs: the 24 quotient digits and one
// more, which is dropped.  Each quotient limb is estimated in double from the
// leading limbs, at most one too large, and corrected by adding the divisor
// back.  Writes four words: 0.(digits) with the quotient's first digit at
// place 7.
void DivideLong(const NumWords &x, const NumWords &y, uint64_t *out) {
    // A leading zero limb, the dividend, then zero limbs (one window past
    // the last step stays inside).
    uint64_t u[16] = {};
    uint64_t v[6];
    for (int j = 0; j < 3; ++j) {
        const uint64_t a = numwords::WordValue(x.w[j]), d = numwords::WordValue(y.w[j]);
        u[1 + 2 * j] = a / kLimb;
        u[2 + 2 * j] = a % kLimb;
        v[2 * j] = d / kLimb;
        v[2 * j + 1] = d % kLimb;
    }
    int m = 6;
    while (v[m - 1] == 0) --m; // the first limb is at least 10^6
    const double reciprocal = 1.0 / (static_cast<double>(v[0]) + (m > 1 ? static_cast<double>(v[1]) / 1e8 : 0.0) +
                                     (m > 2 ? static_cast<double>(v[2]) / 1e16 : 0.0));
    uint64_t q[8] = {};
    for (int j = 0; j < 7; ++j) {
        uint64_t *r = u + j; // the remainder window r[0..m], below 10^8 x divisor
        auto limb = [&](int i) { return i <= m ? static_cast<double>(r[i]) : 0.0; };
        const double top = static_cast<double>(r[0]) * 1e8 + limb(1) + limb(2) / 1e8 + limb(3) / 1e16;
        // The estimate is within 10^-6 of the true ratio: never below the
        // quotient limb, at most one above it.
        uint64_t estimate = static_cast<uint64_t>(top * reciprocal + 1e-6);
        // r -= estimate x divisor; each place biased by 10^16 so as to stay
        // non-negative, the borrow taken from the place before.
        uint64_t borrow = 0;
        for (int i = m; i >= 1; --i) {
            const uint64_t place = r[i] + kLimb * kLimb - estimate * v[i - 1] - borrow;
            const uint64_t high = place / kLimb;
            r[i] = place - high * kLimb;
            borrow = kLimb - high;
        }
        int64_t first = static_cast<int64_t>(r[0]) - static_cast<int64_t>(borrow);
        while (first < 0) {
            uint64_t carry = 0;
            for (int i = m; i >= 1; --i) {
                const uint64_t sum = r[i] + v[i - 1] + carry;
                carry = sum >= kLimb ? 1 : 0;
                r[i] = sum - carry * kLimb;
            }
            first += static_cast<int64_t>(carry);
            --estimate;
        }
        r[0] = static_cast<uint64_t>(first);
        q[1 + j] = estimate;
    }
    for (int k = 0; k < 4; ++k) out[k] = numwords::ValueWord(q[2 * k] * kLimb + q[2 * k + 1]);
    out[3] &= ~uint64_t{0xFF}; // the extra digit
}

} // namespace

extern "C" int32_t ORVEXAPI NumDivide(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    const NumWords x = ReadOperand(a), y = ReadOperand(b);
    const bool negative = x.negative != y.negative;
    if (x.IsZero()) {
        NumSetZero(result);
        return result->bLength;
    }
    if (y.IsZero()) {
        // No error code: the largest magnitude a run of 99s packs to, 10^118.
        const uint8_t one = 1;
        return NumPackRecord(result, &one, 1, negative, kNumMaxBiased);
    }
    const int biased = x.biased - y.biased + kNumExponentBias + 1;
#if defined(__SIZEOF_INT128__)
    uint64_t quotient[3];
    if (DivideShort(x, y, quotient)) return numwords::PackWords<3>(result, quotient, negative, biased);
#endif
    uint64_t words[4];
    DivideLong(x, y, words);
    return numwords::PackWords<4>(result, words, negative, biased + 7);
}
