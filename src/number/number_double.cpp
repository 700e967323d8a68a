// NUMBER to and from double, through the locale-independent text of FMTgcvt.
#include <charconv>
#include <cmath>
#include <cstring>

#include "number/number_core.h"

namespace {

// 100^0 .. 100^9.
constexpr double kPowersOf100[10] = {1e0, 1e2, 1e4, 1e6, 1e8, 1e10, 1e12, 1e14, 1e16, 1e18};
// FMTgcvt's significant digits.
constexpr int kSignificantDigits = 15;

double ToDouble(const NUMBER *value, bool nullIsZero) {
    // Only a length byte of exactly 0 reads as zero here; other bytes whose
    // length bits are 0 are null.
    if (value->bLength == 0 && nullIsZero) return 0.0;
    const int length = NumLengthOf(value);
    double result;
    if (length == 0 || !NumIsValidLength(length)) {
        NumNullDouble(&result);
        return result;
    }
    const NumUnpacked u = NumUnpackRecord(value, length);
    double v = 0.0;
    for (int i = 0; i < u.count; ++i) v = v * 100 + u.digits[i];
    if (v != 0.0) {
        // The power of 100 of the last digit, applied in steps of 10^20 and a
        // table entry.
        const int k = u.Exponent() - u.count;
        if (k >= 0) {
            for (int i = 0; i < k / 10; ++i) v *= 1e20;
            v *= kPowersOf100[k % 10];
        } else {
            for (int i = 0; i < -k / 10; ++i) v *= 1e-20;
            v /= kPowersOf100[-k % 10];
        }
    }
    return u.negative ? -v : v;
}

} // namespace

extern "C" {

void ORVEXAPI NumToDouble(const NUMBER *value, double *out) {
    if (out) *out = value ? ToDouble(value, false) : 0.0;
}

void ORVEXAPI NumToDoubleNotNull(const NUMBER *value, double *out) {
    if (out) *out = value ? ToDouble(value, true) : 0.0;
}

int32_t ORVEXAPI NumDoubleToNumber(NUMBER *out, const double *value) {
    if (!out) return 0;
    NumSetNull(out);
    if (!value || NumIsNullDouble(value)) return 1;
    char text[32];
    FMTgcvt(value, text);
    return NumAsciiToNumber(out, text) >= 1 ? 1 : 0;
}

// The text of a double with at most 15 significant digits, "." as the point
// whatever the locale, and exponent notation for very large and very small
// magnitudes.  The conversion itself is locale-independent, so the process's
// numeric locale is left alone.
char *ORVEXAPI FMTgcvt(const double *value, char *buffer) {
    if (!buffer) return buffer;
    const double v = value ? *value : 0.0;
    if (v == 0.0 || std::isnan(v)) {
        std::strcpy(buffer, "0");
        return buffer;
    }
    // 15 digits, sign, point, "e-308" and the terminator fit in 32 bytes.
    const auto result = std::to_chars(buffer, buffer + 31, v, std::chars_format::general, kSignificantDigits);
    *result.ptr = '\0';
    return buffer;
}

} // extern "C"
