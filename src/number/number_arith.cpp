// Addition, subtraction, multiplication and negation.
#include <algorithm>
#include <cstring>

#include "number/number_core.h"
#include "number/number_words.h"

namespace {

// The aligned sum's work area: 24 digits under the larger operand's first
// digit; the smaller operand's digits beyond it are dropped unrounded.
constexpr int kSumArea = 24;

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

int AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    if (NumAddOrSubtractOnVectors(result, a, b, subtract)) return result->bLength;
    NumUnpacked larger = NumUnpackRecord(a, NumArithLengthOf(a));
    NumUnpacked smaller = NumUnpackRecord(b, NumArithLengthOf(b));
    const bool bNegative = smaller.negative, aNegative = larger.negative;
    const bool swapped = CompareMagnitudes(larger, smaller) < 0;
    if (swapped) std::swap(larger, smaller);
    const int index = NumSumIndex(aNegative, bNegative, subtract, swapped);
    const bool subtractMagnitudes = kNumSumSubtracts[index];
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
    return NumPackRecord(result, work, 1 + kSumArea, kNumSumNegative[index], larger.biased + 1);
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
    if ((x.w[1] | x.w[2] | y.w[1] | y.w[2]) == 0) {
        // Eight digits each: one 128-bit product, 0.[high][low].
        uint64_t low;
        const uint64_t high = numwords::DivideByTen16(
            static_cast<u128>(numwords::WordValue(x.w[0])) * numwords::WordValue(y.w[0]), low);
        const uint64_t words[4] = {numwords::ValueWord(high), numwords::ValueWord(low), 0, 0};
        numwords::PackLeadingDigits(result, words, x.negative != y.negative, x.biased + y.biased - kNumExponentBias);
        return true;
    }
    uint64_t p[3], q[3];
    Limbs(x.w, 3, p);
    Limbs(y.w, 3, q);
    // 0.p x 0.q: column k has the weight 10^(-16 (k + 2)).
    u128 columns[5] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) columns[i + j] += static_cast<u128>(p[i]) * q[j];
    // The carries run through every column; only the first 32 digits (24
    // from the first non-zero one and the one after) are turned into words.
    uint64_t limbs[6];
    uint64_t carry = 0;
    for (int k = 4; k >= 0; --k) carry = numwords::DivideByTen16(columns[k] + carry, limbs[k + 1]);
    limbs[0] = carry;
    uint64_t product[4];
    for (int k = 0; k < 4; ++k) product[k] = numwords::ValueWord(limbs[k]);
    numwords::PackLeadingDigits(result, product, x.negative != y.negative, x.biased + y.biased - kNumExponentBias);
    return true;
}

#else
bool MultiplyWords(NUMBER *, const NUMBER *, const NUMBER *) { return false; }
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
    if (NumMultiplyOnVectors(result, a, b) || MultiplyWords(result, a, b)) return result->bLength;
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

int32_t ORVEXAPI NumNegate(NUMBER *value) {
    const int length = NumLengthOf(value);
    if (length == 0 || !NumIsValidLength(length)) return 0;
    NumUnpacked u = NumUnpackRecord(value, length);
    u.negative = !u.negative;
    return NumPackRecord(value, u);
}

} // extern "C"
