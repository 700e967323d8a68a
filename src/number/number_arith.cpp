// Addition, subtraction, multiplication and negation.
#include <algorithm>
#include <cstring>

#include "number/number_core.h"
#include "number/number_sum_words.h"

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

// The sum digit by digit, for the records that the word path leaves.  Kept
// out of line, so that the common path does not set up this one's frame.
[[gnu::noinline]] int AddOrSubtractDigits(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    NumUnpacked larger = NumUnpackRecord(a, NumArithLengthOf(a));
    NumUnpacked smaller = NumUnpackRecord(b, NumArithLengthOf(b));
    const bool bNegative = smaller.negative, aNegative = larger.negative;
    const bool swapped = CompareMagnitudes(larger, smaller) < 0;
    if (swapped) std::swap(larger, smaller);
    const bool subtractMagnitudes = NumSumSubtracts(aNegative, bNegative, subtract);
    const bool negative = NumSumNegative(aNegative, bNegative, subtract, swapped);
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
    return NumPackRecord(result, work, 1 + kSumArea, negative, larger.biased + 1);
}

[[gnu::always_inline]] inline int AddOrSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    if (numwords::AddOrSubtract(result, a, b, subtract)) return result->bLength;
    return AddOrSubtractDigits(result, a, b, subtract);
}

// The product digit by digit, for processors without byte shuffles and for
// records the vector path leaves; out of line as the sum above.
[[gnu::noinline]] int MultiplyDigits(NUMBER *result, const NUMBER *a, const NUMBER *b) {
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

} // namespace

extern "C" {

int32_t ORVEXAPI NumAddition(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, false);
}

int32_t ORVEXAPI NumSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return AddOrSubtract(result, a, b, true);
}

int32_t ORVEXAPI NumMultiply(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    if (NumMultiplyOnVectors(result, a, b)) return result->bLength;
    return MultiplyDigits(result, a, b);
}

int32_t ORVEXAPI NumNegate(NUMBER *value) {
    const int length = NumLengthOf(value);
    if (length == 0 || !NumIsValidLength(length)) return 0;
    NumUnpacked u = NumUnpackRecord(value, length);
    u.negative = !u.negative;
    return NumPackRecord(value, u);
}

} // extern "C"
