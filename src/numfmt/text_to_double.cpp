// FMTStrToNumber: a text read as a double the way the C runtime's atof
// reads it in the "C" locale, whatever numeric locale the process has set.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

#include "orvexrt/numfmt.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the decimal number at p (digits, point, exponent), which a double
// cannot hold, is too large rather than too small: whether it is 0.d... times
// a positive power of ten.
bool IsTooLarge(const char *p) {
    while (*p == '0') ++p;
    long long power = 0;
    if (IsDigit(*p)) {
        for (; IsDigit(*p); ++p) ++power;
        if (*p == '.') ++p;
    } else if (*p == '.') {
        for (++p; *p == '0'; ++p) --power;
    }
    while (IsDigit(*p)) ++p;
    if (*p == 'e' || *p == 'E') {
        const bool minus = p[1] == '-';
        long long exponent = 0;
        for (p += 1 + (p[1] == '-' || p[1] == '+'); IsDigit(*p) && exponent < 1000000; ++p)
            exponent = exponent * 10 + (*p - '0');
        power += minus ? -exponent : exponent;
    }
    return power > 0;
}

// The leading number of text, 0 when there is none.
double ReadDouble(const char *text) {
    const char *p = text;
    while (IsSpace(*p)) ++p;
    const bool minus = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char *end = p + std::strlen(p);
    double value = 0.0;
    std::from_chars_result result{};
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && (IsDigit(p[2]) || std::strchr("abcdefABCDEF.", p[2])))
        result = std::from_chars(p + 2, end, value, std::chars_format::hex);
    else
        result = std::from_chars(p, end, value);
    if (result.ec == std::errc::result_out_of_range)
        value = IsTooLarge(p) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc())
        value = 0.0;
    return minus ? -value : value;
}

} // namespace

extern "C" uint32_t ORVEXAPI FMTStrToNumber(FMTCNTLBLOCK *block) {
    if (!block) return 1;
    if (block->lpszInput && *block->lpszInput) {
        block->dblValue = ReadDouble(block->lpszInput);
        return 1;
    }
    // The null double: the top 16 bits 0x7FF8 make any double a quiet NaN;
    // the other bits stay as they were.
    uint64_t bits;
    std::memcpy(&bits, &block->dblValue, sizeof bits);
    bits = (bits & 0x0000FFFFFFFFFFFFull) | 0x7FF8000000000000ull;
    std::memcpy(&block->dblValue, &bits, sizeof bits);
    return 1;
}
