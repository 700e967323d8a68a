// Addition, subtraction, multiplication, division and negation.
#include <algorithm>
#include <cstring>

#include "number/number_core.h"
#include "number/number_words.h"

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

// Magnitude order on the word form, as CompareMagnitudes, without branches.
bool MagnitudeBelow(const numwords::NumWords &a, const numwords::NumWords &b) {
    const int ea = a.IsZero() ? -1 : a.biased, eb = b.IsZero() ? -1 : b.biased;
    return (ea < eb) |
           ((ea == eb) & ((a.w[0] < b.w[0]) |
                          ((a.w[0] == b.w[0]) & ((a.w[1] < b.w[1]) | ((a.w[1] == b.w[1]) & (a.w[2] < b.w[2]))))));
}

// The same sum on digit words: eight digits per step, the same work area.
// A difference is the sum with the smaller magnitude's complement (99 - d
// in every place, plus 1), whose carry out of the area is dropped.  False
// when a record needs the careful reader.
bool AddOrSubtractWords(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    numwords::NumWords operands[2];
    if (!numwords::ReadWords(a, NumArithLengthOf(a), operands[0]) ||
        !numwords::ReadWords(b, NumArithLengthOf(b), operands[1]))
        return false;
    const bool swapped = MagnitudeBelow(operands[0], operands[1]);
    const int index = (operands[1].negative ? 1 : 0) | (operands[0].negative ? 2 : 0) | (subtract ? 4 : 0) |
                      (swapped ? 8 : 0);
    const numwords::NumWords &larger = operands[swapped ? 1 : 0];
    const numwords::NumWords &smaller = operands[swapped ? 0 : 1];
    if (larger.IsZero()) {
        NumSetZero(result);
        return true;
    }
    uint64_t aligned[3] = {smaller.w[0], smaller.w[1], smaller.w[2]};
    numwords::ShiftDigitsRight<3>(aligned, smaller.IsZero() ? 24 : larger.biased - smaller.biased);
    const bool difference = kSubtractMagnitudes[index];
    // sum[0] holds the carry digit in its last byte.
    uint64_t sum[4];
    unsigned carry = difference ? 1 : 0;
    for (int j = 2; j >= 0; --j)
        sum[1 + j] =
            numwords::AddDigits(larger.w[j], difference ? numwords::EveryByte(99) - aligned[j] : aligned[j], carry);
    sum[0] = difference ? 0 : carry;
    numwords::PackWords<4>(result, sum, kResultNegative[index], larger.biased + 8);
    return true;
}

int AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    if (AddOrSubtractWords(result, a, b, subtract)) return result->bLength;
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
    }
}

#if defined(__SIZEOF_INT128__)
using numwords::u128;

// The 10^16 limbs that digit words stand for.
void Limbs(const uint64_t *words, int n, uint64_t *limbs) {
    for (int j = 0; j < n; ++j) limbs[j] = numwords::WordValue(words[j]);
}

// The exact product of two work areas on 10^16 limbs: nine 128-bit
// products, then the columns carried.  False when a record needs the
// careful reader.
bool MultiplyWords(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    numwords::NumWords x, y;
    if (!numwords::ReadWords(a, NumArithLengthOf(a), x) || !numwords::ReadWords(b, NumArithLengthOf(b), y))
        return false;
    if (x.IsZero() || y.IsZero()) {
        NumSetZero(result);
        return true;
    }
    uint64_t p[3], q[3];
    Limbs(x.w, 3, p);
    Limbs(y.w, 3, q);
    // 0.p x 0.q: column k has the weight 10^(-16 (k + 2)).
    u128 columns[5] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) columns[i + j] += static_cast<u128>(p[i]) * q[j];
    uint64_t product[6];
    uint64_t carry = 0;
    for (int k = 4; k >= 0; --k) {
        const u128 v = columns[k] + carry;
        uint64_t rest;
        if ((v >> 64) == 0) {
            carry = static_cast<uint64_t>(v) / numwords::kTen16;
            rest = static_cast<uint64_t>(v) - carry * numwords::kTen16;
        } else {
            carry = numwords::DivideWide(v, numwords::kTen16, rest);
        }
        product[k + 1] = numwords::ValueWord(rest);
    }
    product[0] = numwords::ValueWord(carry);
    numwords::PackWords<6>(result, product, x.negative != y.negative, x.biased + y.biased - kNumExponentBias);
    return true;
}

// Division by a divisor of at most nine digits: the 24 quotient digits of
// 0.a / 0.b are the integer quotient of a's digits followed by (digits of
// b - 1) zeros, by b's digits, developed 16 decimal places per 128-bit
// division.  False when the divisor is longer or zero, or a record needs
// the careful reader.
bool DivideWords(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    numwords::NumWords x, y;
    if (!numwords::ReadWords(a, NumArithLengthOf(a), x) || !numwords::ReadWords(b, NumArithLengthOf(b), y) ||
        y.IsZero())
        return false;
    if (x.IsZero()) {
        NumSetZero(result);
        return true;
    }
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
    // The dividend's digits placed so that the quotient's 24 digits are the
    // last three limbs; the first limb is below the divisor.
    uint64_t dividend[4] = {x.w[0], x.w[1], x.w[2], 0};
    numwords::ShiftDigitsRight<4>(dividend, 9 - digits);
    uint64_t remainder = numwords::WordValue(dividend[0]);
    uint64_t quotient[3];
    for (int j = 0; j < 3; ++j) {
        const u128 part = static_cast<u128>(remainder) * numwords::kTen16 + numwords::WordValue(dividend[j + 1]);
        quotient[j] = numwords::ValueWord(numwords::DivideWide(part, divisor, remainder));
    }
    numwords::PackWords<3>(result, quotient, x.negative != y.negative,
                        x.biased - y.biased + kNumExponentBias + 1);
    return true;
}
#else
bool MultiplyWords(NUMBER *, const NUMBER *, const NUMBER *) { return false; }
bool DivideWords(NUMBER *, const NUMBER *, const NUMBER *) { return false; }
#endif

} // namespace

extern "C" {

int32_t ORVEXAPI NumAddition(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, false);
}

int32_t ORVEXAPI NumSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, true);
}

int32_t ORVEXAPI NumMultiply(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    if (MultiplyWords(result, a, b)) return result->bLength;
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
    if (DivideWords(result, a, b)) return result->bLength;
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
