// Comparison of NUMBERs, and of date/time values with a tolerance.
#include <algorithm>
#include <utility>

#include "number/number_core.h"

namespace {

// Date/time values are cut to this many bytes before they are compared.
constexpr int kDateLength = 12;

int CompareUnsigned(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Nulls, zeros and different signs, which decide without looking at the
// digits; returns true with the verdict in `result` when they decide.
bool DecideBySignAndNull(int lengthA, int lengthB, const NumUnpacked &x, const NumUnpacked &y, int &result) {
    if (lengthA == 0 || lengthB == 0) {
        result = lengthA == lengthB ? 0 : (lengthA == 0 ? -1 : 1);
        return true;
    }
    if (x.IsZero()) {
        result = y.IsZero() ? 0 : (y.negative ? 1 : -1);
        return true;
    }
    if (y.IsZero()) {
        result = x.negative ? -1 : 1;
        return true;
    }
    if (x.negative != y.negative) {
        result = x.negative ? -1 : 1;
        return true;
    }
    return false;
}

// Same sign, neither zero: (biased exponent, d1, d2, ...) compared as
// unsigned bytes over the shorter count plus one; then the longer is larger.
int CompareSameSign(const NumUnpacked &x, const NumUnpacked &y) {
    int verdict = CompareUnsigned(x.biased, y.biased);
    const int n = std::min(x.count, y.count);
    for (int i = 0; verdict == 0 && i < n; ++i) verdict = CompareUnsigned(x.digits[i], y.digits[i]);
    if (verdict == 0) verdict = CompareUnsigned(x.count, y.count);
    return x.negative ? -verdict : verdict;
}

} // namespace

extern "C" {

int32_t ORVEXAPI NumCompare(const NUMBER *a, const NUMBER *b) {
    const int lengthA = NumArithLengthOf(a), lengthB = NumArithLengthOf(b);
    if (!NumIsValidLength(lengthA) || !NumIsValidLength(lengthB)) return 0;
    const NumUnpacked x = NumUnpackRecord(a, lengthA), y = NumUnpackRecord(b, lengthB);
    int result;
    if (DecideBySignAndNull(lengthA, lengthB, x, y, result)) return result;
    return CompareSameSign(x, y);
}

int32_t ORVEXAPI DateCompare(NUMBER *a, NUMBER *b) {
    int lengthA = NumArithLengthOf(a), lengthB = NumArithLengthOf(b);
    if (!NumIsValidLength(lengthA) || !NumIsValidLength(lengthB)) return 0;
    for (auto [value, length] : {std::pair{a, &lengthA}, std::pair{b, &lengthB}}) {
        if (*length > kDateLength) {
            value->bLength = kDateLength;
            *length = kDateLength;
        }
    }
    const NumUnpacked x = NumUnpackRecord(a, lengthA), y = NumUnpackRecord(b, lengthB);
    int result;
    if (DecideBySignAndNull(lengthA, lengthB, x, y, result)) return result;
    NUMBER difference;
    NumSubtract(&difference, a, b);
    const NumUnpacked d = NumUnpackRecord(&difference, NumLengthOf(&difference));
    // Below 3e-16 the values are the same moment.
    const int e = d.Exponent();
    if (d.IsZero() || e < -7 || (e == -7 && d.digits[0] < 3)) return 0;
    return d.negative ? -1 : 1;
}

} // extern "C"
