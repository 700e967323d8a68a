// Addition, subtraction, multiplication, division and negation.
#include <algorithm>
#include <cstring>

#include "number/number_core.h"

namespace {

// The aligned sum's work area: 24 digits under the larger operand's first
// digit; the smaller operand's digits beyond it are dropped unrounded.
constexpr int kSumArea = 24;
// Quotient digits developed by division, the first of which may be 0.
constexpr int kQuotientDigits = 24;

// Magnitude order of two unpacked values: exponent first, then the digits,
// missing digits counting as zero.  A value without digits is below all others.
int CompareMagnitudes(const NumUnpacked &a, const NumUnpacked &b) {
    if (a.IsZero() || b.IsZero()) return a.IsZero() == b.IsZero() ? 0 : (a.IsZero() ? -1 : 1);
    if (a.biased != b.biased) return a.biased < b.biased ? -1 : 1;
    const int n = std::max(a.count, b.count);
    for (int i = 0; i < n; ++i) {
        const int da = i < a.count ? a.digits[i] : 0;
        const int db = i < b.count ? b.digits[i] : 0;
        if (da != db) return da < db ? -1 : 1;
    }
    return 0;
}

// Indexed by (b negative) | (a negative) << 1 | (subtract) << 2 | (swapped) << 3.
constexpr bool kSubtractMagnitudes[16] = {0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 1};
constexpr bool kResultNegative[16] = {0, 0, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0};

int AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    NumUnpacked larger = NumUnpackRecord(a, NumArithLengthOf(a));
    NumUnpacked smaller = NumUnpackRecord(b, NumArithLengthOf(b));
    const bool bNegative = smaller.negative, aNegative = larger.negative;
    const bool swapped = CompareMagnitudes(larger, smaller) < 0;
    if (swapped) std::swap(larger, smaller);
    const int index = (bNegative ? 1 : 0) | (aNegative ? 2 : 0) | (subtract ? 4 : 0) | (swapped ? 8 : 0);
    const bool subtractMagnitudes = kSubtractMagnitudes[index];
    if (larger.IsZero()) {
        NumSetZero(result);
        return result->bLength;
    }

    // work[0] is the carry digit; work[1 + i] lies under the larger's digit i.
    uint8_t work[1 + kSumArea] = {};
    std::memcpy(work + 1, larger.digits, static_cast<size_t>(larger.count));
    const int shift = smaller.IsZero() ? kSumArea : larger.biased - smaller.biased;
    int carry = 0;
    for (int i = kSumArea - 1; i >= 0; --i) {
        const int j = i - shift;
        const int s = (j >= 0 && j < smaller.count) ? smaller.digits[j] : 0;
        int d = work[1 + i] + (subtractMagnitudes ? -s - carry : s + carry);
        if (subtractMagnitudes) {
            carry = d < 0 ? 1 : 0;
            d += carry * 100;
        } else {
            carry = d >= 100 ? 1 : 0;
            d -= carry * 100;
        }
        work[1 + i] = static_cast<uint8_t>(d);
    }
    work[0] = static_cast<uint8_t>(subtractMagnitudes ? 0 : carry);
    return NumPackRecord(result, work, 1 + kSumArea, kResultNegative[index], larger.biased + 1);
}

// Multiplies the digits of `value` (count digits) by a small factor in place;
// returns the carry out of the first digit.
int ScaleDigits(uint8_t *value, int count, int factor) {
    int carry = 0;
    for (int i = count - 1; i >= 0; --i) {
        const int p = value[i] * factor + carry;
        value[i] = static_cast<uint8_t>(p % 100);
        carry = p / 100;
    }
    return carry;
}

// Subtracts q x divisor (count digits) from remainder[0..count] (count + 1
// digits); when that goes below zero, adds the divisor back and returns
// q - 1, else q.
int SubtractMultiple(uint8_t *remainder, const uint8_t *divisor, int count, int q) {
    int borrow = 0, carry = 0;
    for (int i = count; i >= 0; --i) {
        const int product = (i > 0 ? divisor[i - 1] * q : 0) + carry;
        carry = product / 100;
        int d = remainder[i] - product % 100 - borrow;
        borrow = d < 0 ? 1 : 0;
        remainder[i] = static_cast<uint8_t>(d + borrow * 100);
    }
    if (!borrow) return q;
    carry = 0;
    for (int i = count; i >= 0; --i) {
        const int d = remainder[i] + (i > 0 ? divisor[i - 1] : 0) + carry;
        carry = d >= 100 ? 1 : 0;
        remainder[i] = static_cast<uint8_t>(d - carry * 100);
    }
    return q - 1;
}

// Long division in base 100 of 0.dividend by 0.divisor: the first quotient
// digit is the integer part (0..99), then 23 more; each is the true digit of
// the truncated quotient.
void DivideDigits(const NumUnpacked &dividend, const NumUnpacked &divisor, uint8_t *quotient) {
    const int n = divisor.count;
    uint8_t v[kNumMaxPositiveDigits];
    std::memcpy(v, divisor.digits, static_cast<size_t>(n));
    // u holds a leading 0, the dividend, and zeros for every further digit.
    uint8_t u[1 + kQuotientDigits + kNumMaxPositiveDigits + 1] = {};
    std::memcpy(u + 1, dividend.digits, static_cast<size_t>(dividend.count));
    const int uLength = 1 + std::max(dividend.count, kQuotientDigits + n);

    // Scale both so that the divisor's first digit is at least 50.
    const int factor = 100 / (v[0] + 1);
    if (factor > 1) {
        ScaleDigits(u, uLength, factor);
        ScaleDigits(v, n, factor);
    }
    std::fill(quotient, quotient + kQuotientDigits, uint8_t{0});
    for (int j = 0; j < kQuotientDigits; ++j) {
        uint8_t *r = u + j;
        const int top = r[0] * 100 + r[1];
        int q = r[0] == v[0] ? 99 : top / v[0];
        if (n > 1) {
            while (q * v[1] > (top - q * v[0]) * 100 + r[2]) --q;
        }
        quotient[j] = static_cast<uint8_t>(SubtractMultiple(r, v, n, q));
        if (std::all_of(u, u + uLength, [](uint8_t d) { return d == 0; })) break;
    }
}

} // namespace

extern "C" {

int32_t ORVEXAPI NumAddition(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, false);
}

int32_t ORVEXAPI NumSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, true);
}

int32_t ORVEXAPI NumMultiply(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    const NumUnpacked x = NumUnpackRecord(a, NumArithLengthOf(a));
    const NumUnpacked y = NumUnpackRecord(b, NumArithLengthOf(b));
    if (x.IsZero() || y.IsZero()) {
        NumSetZero(result);
        return result->bLength;
    }
    uint8_t product[kNumWorkDigits] = {};
    // Column sums stay far below int's range: at most 23 x 99 x 99 + carries.
    int columns[kNumWorkDigits] = {};
    for (int i = 0; i < x.count; ++i)
        for (int j = 0; j < y.count; ++j) columns[i + j + 1] += x.digits[i] * y.digits[j];
    int carry = 0;
    for (int k = x.count + y.count - 1; k >= 0; --k) {
        const int v = columns[k] + carry;
        product[k] = static_cast<uint8_t>(v % 100);
        carry = v / 100;
    }
    return NumPackRecord(result, product, x.count + y.count, x.negative != y.negative,
                         x.biased + y.biased - kNumExponentBias);
}

int32_t ORVEXAPI NumDivide(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    const NumUnpacked x = NumUnpackRecord(a, NumArithLengthOf(a));
    const NumUnpacked y = NumUnpackRecord(b, NumArithLengthOf(b));
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
    uint8_t quotient[kQuotientDigits];
    DivideDigits(x, y, quotient);
    return NumPackRecord(result, quotient, kQuotientDigits, negative, x.biased - y.biased + kNumExponentBias + 1);
}

int32_t ORVEXAPI NumNegate(NUMBER *value) {
    const int length = NumLengthOf(value);
    if (length == 0 || !NumIsValidLength(length)) return 0;
    NumUnpacked u = NumUnpackRecord(value, length);
    u.negative = !u.negative;
    return NumPackRecord(value, u);
}

} // extern "C"
