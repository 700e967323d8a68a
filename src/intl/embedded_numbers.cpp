// Reading the number at the start of a text: a signed 32-bit integer, or a
// floating-point number in the C library's plain notation.  Both skip white
// space first and report how many bytes they read.
//
// The double is converted without the C library's locale: a process whose
// numeric locale writes a decimal comma still reads "1.5" as 1.5.
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The longest number text (leading white space included) that the double
// reader takes; a longer one is refused.
constexpr ptrdiff_t kMaxNumberText = 99;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char *SkipDigits(const char *p) {
    while (IsDigit(*p)) ++p;
    return p;
}

const char *SkipSign(const char *p) { return *p == '+' || *p == '-' ? p + 1 : p; }

// The end of a number in the notation [sign] digits [. digits] [e [sign]
// digits] that begins at p, where a point needs a digit on at least one side
// and an exponent needs a digit; null when p holds no such number.
const char *NumberEnd(const char *p) {
    p = SkipSign(p);
    const char *integerEnd = SkipDigits(p);
    const bool integerDigits = integerEnd != p;
    p = integerEnd;
    if (*p == '.') {
        if (!integerDigits && !IsDigit(p[1])) return nullptr;
        p = SkipDigits(p + 1);
    } else if (!integerDigits) {
        return nullptr;
    }
    if (*p == 'e' || *p == 'E') {
        const char *exponent = SkipSign(p + 1);
        if (!IsDigit(*exponent)) return nullptr;
        p = SkipDigits(exponent);
    }
    return p;
}

// The power of ten of the first significant digit of a number text that has
// one, for telling an overflow from an underflow.  The exponent saturates far
// beyond the range of a double.
int64_t DecimalMagnitude(const char *begin, const char *end) {
    constexpr int64_t kFar = 100000;
    int64_t integerDigits = 0;
    int64_t index = 0;
    int64_t firstSignificant = -1;
    bool afterPoint = false;
    const char *p = SkipSign(begin);
    for (; p < end && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) ++integerDigits;
        if (firstSignificant < 0 && *p != '0') firstSignificant = index;
        ++index;
    }
    int64_t exponent = 0;
    if (p < end) {
        for (const char *d = SkipSign(p + 1); d < end && exponent < kFar; ++d) exponent = exponent * 10 + (*d - '0');
        if (p[1] == '-') exponent = -exponent;
    }
    return integerDigits - 1 - firstSignificant + exponent;
}

// The value of a number text that NumberEnd accepted, as the C library's
// atof gives it: out of range it is an infinity or zero.
double NumberValue(const char *begin, const char *end) {
    const bool negative = *begin == '-';
    const char *unsigned_ = SkipSign(begin);
    double value = 0.0;
    const auto [stop, error] = std::from_chars(unsigned_, end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = DecimalMagnitude(begin, end) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

int32_t ORVEXAPI IntlFetchNextNumLong(int32_t *value, const char *src) {
    if (value == nullptr || src == nullptr) return 0;
    const char *number = IntlSkipSpace(src);
    const bool negative = *number == '-';
    const char *digits = SkipSign(number);
    if (!IsDigit(*digits)) return 0;
    int32_t magnitude = 0;
    const char *p = digits;
    for (; IsDigit(*p); ++p) {
        const int64_t next = int64_t{magnitude} * 10 + (*p - '0');
        if (next > std::numeric_limits<int32_t>::max()) return 0;
        magnitude = static_cast<int32_t>(next);
    }
    *value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(p - src);
}

int32_t ORVEXAPI IntlFetchNextNumDouble(double *value, const char *src) {
    if (value == nullptr || src == nullptr) return 0;
    const char *number = IntlSkipSpace(src);
    const char *end = NumberEnd(number);
    if (end == nullptr) return 0;
    const ptrdiff_t length = end - src;
    if (length > kMaxNumberText) return -1;
    // A text of nothing but zeros, points, signs and exponent letters is
    // zero; any other text that reads as zero has lost its value (it is too
    // small, or white space before it kept it from being read as zero).
    if (std::strspn(src, ".0+-eE") >= static_cast<size_t>(length)) {
        *value = 0.0;
        return static_cast<int32_t>(length);
    }
    *value = NumberValue(number, end);
    return *value == 0.0 ? -1 : static_cast<int32_t>(length);
}
