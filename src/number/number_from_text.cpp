// Decimal and hexadecimal text to NUMBER.
#include <algorithm>
#include <cstring>

#include "intl/char_walk.h"
#include "number/number_core.h"

namespace {

// Significant digit characters kept from a decimal text; later ones are
// dropped without rounding (the packing rounds on what was kept).
constexpr int kKeptCharacters = 47;
// An exponent field reaching this value overflows at once.
constexpr int kExponentLimit = 10000;
// The decimal exponent bias: a value 0.digits x 10^P has biased decimal
// exponent 128 + P, twice the biased base-100 exponent.
constexpr int kDecimalBias = 2 * kNumExponentBias;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool StartsHex(const char *p) { return p[0] == '0' && (p[1] == 'x' || p[1] == 'X'); }

// The digits of a decimal text and the position P of its point.
struct DecimalDigits {
    char kept[kKeptCharacters];
    int keptCount = 0;
    int point = 0; // value = 0.kept x 10^point
    bool sawDigit = false;

    void Keep(char c) {
        if (keptCount < kKeptCharacters) kept[keptCount++] = c;
    }
};

// Reads the integer and fraction digits; returns the position after them.
const char *ReadMantissa(const char *p, DecimalDigits &d) {
    while (*p == '0') {
        d.sawDigit = true;
        ++p;
    }
    for (; IsDigit(*p); ++p) {
        d.sawDigit = true;
        d.Keep(*p);
        ++d.point;
    }
    if (*p != '.') return p;
    for (++p; IsDigit(*p); ++p) {
        d.sawDigit = true;
        if (d.keptCount == 0 && *p == '0')
            --d.point; // a zero before the first significant digit only shifts
        else
            d.Keep(*p);
    }
    return p;
}

// Reads an optional exponent into `exponent`; returns the position after it,
// or null when the field reaches the limit.
const char *ReadExponent(const char *p, int &exponent) {
    exponent = 0;
    if (*p != 'e' && *p != 'E') return p;
    ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    for (; IsDigit(*p); ++p) {
        exponent = exponent * 10 + (*p - '0');
        if (exponent >= kExponentLimit) return nullptr;
    }
    if (negative) exponent = -exponent;
    return p;
}

// Packs 0.kept x 10^point; returns 1, or -1 / -2 on overflow / underflow.
// Digit characters pair into base-100 digits, behind a "0" when the decimal
// exponent is odd and before one when a character is left over.
int PackDecimal(NUMBER *out, const DecimalDigits &d, bool negative) {
    int decimalExponent = kDecimalBias + d.point;
    if (decimalExponent < 0) return -2;
    uint8_t digits[kNumWorkDigits];
    int count = 0, i = 0;
    if (decimalExponent % 2 != 0) {
        digits[count++] = static_cast<uint8_t>(d.keptCount > 0 ? d.kept[i++] - '0' : 0);
        ++decimalExponent;
    }
    for (; i + 1 < d.keptCount; i += 2)
        digits[count++] = static_cast<uint8_t>((d.kept[i] - '0') * 10 + d.kept[i + 1] - '0');
    if (i < d.keptCount) digits[count++] = static_cast<uint8_t>((d.kept[i] - '0') * 10);
    const int biased = decimalExponent / 2;
    if (biased > kNumMaxBiased) return -1;
    NumPackRecord(out, digits, count, negative, biased);
    return 1;
}

} // namespace

int NumReadDecimal(NUMBER *out, const char *text, bool negative) {
    DecimalDigits digits;
    const char *p = ReadMantissa(text, digits);
    if (!digits.sawDigit) return 0;
    int exponent;
    p = ReadExponent(p, exponent);
    if (!p) return -1;
    // The exponent field is at most four digits, the point at most a few
    // hundred places either way: no overflow in int.
    digits.point += exponent;
    const int packed = PackDecimal(out, digits, negative);
    return packed < 1 ? packed : static_cast<int>(p - text);
}

extern "C" {

int32_t ORVEXAPI NumAsciiToNumber(NUMBER *out, const char *text) {
    if (!out) return 0;
    NumSetNull(out);
    if (!text) return 0;
    const char *p = IntlSkipSpace(text);
    if (!*p) return 0;
    const char *signAt = p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    if (StartsHex(p)) {
        const char *start = negative ? signAt : p;
        return static_cast<int32_t>(start - text) + NumHexAsciiToNumber(out, start);
    }
    const int32_t read = NumReadDecimal(out, p, negative);
    if (read < 1) {
        NumSetNull(out);
        return read;
    }
    return static_cast<int32_t>(p - text) + read;
}

int32_t ORVEXAPI NumHexAsciiToNumber(NUMBER *out, const char *text) {
    if (!out) return 0;
    NumSetZero(out);
    if (!text) return 0;
    const char *p = text;
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    if (StartsHex(p)) p += 2;
    while (*p == '0') ++p;
    NUMBER digit;
    for (int value; (value = HexValue(*p)) >= 0; ++p) {
        NumMulSmall(out, 16);
        if (value != 0) NumAddition(out, out, NumGet(static_cast<uint16_t>(value), &digit));
    }
    if (negative) NumNegate(out);
    return static_cast<int32_t>(p - text);
}

} // extern "C"
