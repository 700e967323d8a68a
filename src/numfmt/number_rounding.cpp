// Rounded texts and exact powers of ten.
#include "numfmt/number_rounding.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "number/number_core.h"

namespace {

// The plain texts of NumToAscii at this width hold every value below 10^108.
constexpr int32_t kPlainWidth = 108;
// A NUMBER's magnitude lies between 10^-122 and 10^120: P from -121 to 120.
constexpr int kMinExponent = -121;
constexpr int kMaxExponent = 120;
// NumPower10 takes powers from -60 to 60.
constexpr int32_t kPowerStep = 60;

} // namespace

namespace {

// The decimal digits of a value read straight from its record: the value is
// 0.S x 10^P with S (`count` characters) free of leading and trailing "0"s.
struct DecimalDigits {
    char chars[2 * kNumWorkDigits];
    int count = 0;
    int point = 0;
    bool negative = false;
};

// The two decimal characters of each base-100 digit.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes base-100 digits (the first and the last not 0) as decimal
// characters, without the "0" a first digit below 10 has in front and
// without trailing "0"s.  `digit(i)` gives the i-th digit; false when one
// lies beyond 99.
template <typename Digit> bool PutDigits(DecimalDigits &d, Digit digit, int count, int exponent) {
    const unsigned first = digit(0);
    if (first > 99) return false;
    char *out = d.chars;
    if (first >= 10) *out++ = kDigitPairs[2 * first];
    *out++ = kDigitPairs[2 * first + 1];
    unsigned last = first;
    for (int i = 1; i < count; ++i) {
        last = digit(i);
        if (last > 99) return false;
        std::memcpy(out, &kDigitPairs[2 * last], 2);
        out += 2;
    }
    d.count = static_cast<int>(out - d.chars) - (last % 10 == 0 ? 1 : 0);
    d.point = 2 * exponent - (first < 10 ? 1 : 0);
    return true;
}

// The digits of a record as the record was written: digit bytes in range, a
// non-zero first and last digit, a negative record's terminator.  False for
// anything else, which unpacking reads.
bool ReadWrittenDigits(const NUMBER &value, int length, DecimalDigits &d) {
    const uint8_t *bytes = &value.bExponent;
    const bool negative = bytes[0] < 0x80;
    const int count = negative ? length - 2 : length - 1;
    if (count < 1 || count > kNumMaxPositiveDigits || (negative && bytes[length - 1] != kNumTerminator)) return false;
    const int biased = (negative ? static_cast<uint8_t>(~bytes[0]) : bytes[0]) & 0x7F;
    if (biased < kNumMinBiased || biased > kNumMaxBiased) return false;
    const uint8_t *digits = bytes + 1;
    const int base = negative ? 100 : 0, sign = negative ? -1 : 1;
    if (digits[0] == base || digits[count - 1] == base) return false;
    // A refusal leaves the count, the point and the sign as they were.
    if (!PutDigits(
            d, [&](int i) { return static_cast<unsigned>(base + sign * digits[i]); }, count, biased - kNumExponentBias))
        return false;
    d.negative = negative;
    return true;
}

// The digits of a record whose exponent lies in the range the arithmetic
// writes; false for anything else (null, invalid, unnormalised beyond that
// range), which the general path reads.
bool ReadDigits(const NUMBER &value, DecimalDigits &d) {
    const int length = NumLengthOf(&value);
    if (length == 0 || !NumIsValidLength(length)) return false;
    if (ReadWrittenDigits(value, length, d)) return true;
    const NumUnpacked u = NumUnpackRecord(&value, length);
    if (u.IsZero()) return true;
    if (u.biased < kNumMinBiased || u.biased > kNumMaxBiased) return false;
    d.negative = u.negative;
    return PutDigits(
        d, [&u](int i) { return static_cast<unsigned>(u.digits[i]); }, u.count, u.Exponent());
}

// Copies the n characters at from to p; returns their end.  The runs are a
// few characters long, shorter than the cost of a call.
char *PutChars(char *p, const char *from, int n) {
    for (int i = 0; i < n; ++i) *p++ = from[i];
    return p;
}

// Writes n "0"s at p (none is the common case); returns their end.
char *PutZeros(char *p, int n) {
    if (n <= 0) return p;
    std::memset(p, '0', static_cast<size_t>(n));
    return p + n;
}

// Rounds the digits half away from zero to `places` places after the point.
void RoundDigits(DecimalDigits &d, int32_t places) {
    const long long keep = static_cast<long long>(d.point) + places;
    if (keep >= d.count) return;
    const bool up = keep >= 0 && d.chars[keep] >= '5';
    d.count = keep < 0 ? 0 : static_cast<int>(keep);
    if (up) {
        int i = d.count - 1;
        while (i >= 0 && d.chars[i] == '9') --i;
        if (i >= 0) {
            ++d.chars[i];
            d.count = i + 1;
        } else {
            d.chars[0] = '1';
            d.count = 1;
            ++d.point;
        }
    }
    while (d.count > 0 && d.chars[d.count - 1] == '0') --d.count;
    if (d.count == 0) d = DecimalDigits{};
}

// Writes the plain text of rounded digits as NumToAscii writes it at
// kPlainWidth, unterminated, at `text` (room for kPlainWidth bytes); returns
// its length, or -1 when it would not fit that width (the general path
// decides then).  *point tells where its "." stands, -1 without one.
int PlainText(const DecimalDigits &d, char *text, int *point) {
    *point = -1;
    if (d.count == 0) {
        text[0] = '0';
        return 1;
    }

    const int integers = d.point > 0 ? d.point : 0;
    const int fraction = d.count > d.point ? d.count - d.point : 0;
    const int length = (d.negative ? 1 : 0) + integers + (fraction > 0 ? 1 + fraction : 0);
    // NumToAscii writes a value below 1 with four or more zeros after the
    // point in the scientific form already when it would fill the width.
    if (length > kPlainWidth || (length == kPlainWidth && d.point <= -4)) return -1;
    char *p = text;
    if (d.negative) *p++ = '-';
    if (d.point > 0) {
        const int shown = d.count < d.point ? d.count : d.point;
        p = PutChars(p, d.chars, shown);
        p = PutZeros(p, d.point - shown);
    }
    if (fraction > 0) {
        *point = static_cast<int>(p - text);
        *p++ = '.';
        const int zeros = d.point < 0 ? -d.point : 0;
        p = PutZeros(p, zeros);
        const int from = d.point > 0 ? d.point : 0;
        p = PutChars(p, d.chars + from, d.count - from);
    }
    return static_cast<int>(p - text);
}

// The rounded value's plain text by NumRound and NumToAscii.
bool GeneralText(const NUMBER &value, int32_t places, FMTRoundedText &out) {
    NUMBER rounded;
    NumRound(&rounded, &value, places);
    const int32_t length = NumToAscii(&rounded, out.text, kPlainWidth);
    if (length <= 0 || std::memchr(out.text, 'E', static_cast<size_t>(length))) return false;
    out.length = length;
    const char *point = static_cast<const char *>(std::memchr(out.text, '.', static_cast<size_t>(length)));
    out.point = point ? static_cast<int>(point - out.text) : -1;
    return true;
}

} // namespace

bool FMTRoundToText(const NUMBER &value, int32_t places, FMTRoundedText &out) {
    out.text[0] = '\0';
    out.length = 0;
    out.point = -1;
    if (NumLengthOf(&value) == 0) return true;
    // Rounding on the record's own digits gives the text of NumRound and
    // NumToAscii at a fraction of their cost; texts that would not be plain
    // at that width, and records out of the arithmetic's range, go the
    // general way.
    DecimalDigits digits;
    bool done = false;
    if (places >= 0 && ReadDigits(value, digits)) {
        RoundDigits(digits, places);
        out.length = PlainText(digits, out.text, &out.point);
        done = out.length >= 0;
    }
    if (!done && !GeneralText(value, places, out)) {
        out.text[0] = '\0';
        out.length = 0;
        out.point = -1;
        return false;
    }
    int size = out.length;
    if (places > 0) {
        const int shown = out.point >= 0 ? out.length - out.point - 1 : 0;
        if (out.point < 0) {
            out.point = size;
            out.text[size++] = '.';
        }
        const int missing = std::clamp(places - shown, 0, kFMTRoundedTextMax - size);
        size = static_cast<int>(PutZeros(out.text + size, missing) - out.text);
    }
    out.text[size] = '\0';
    out.length = size;
    return true;
}

int32_t FMTValueText(const NUMBER &value, char *out) {
    DecimalDigits digits;
    int point;
    const int length = ReadDigits(value, digits) ? PlainText(digits, out, &point) : -1;
    if (length < 0) return NumToAscii(&value, out, kPlainWidth);
    out[length] = '\0';
    return length;
}

bool FMTValueTextWithin(const NUMBER &value, int lowest, int highest, char *out) {
    DecimalDigits digits;
    const int length = NumLengthOf(&value);
    if (length != 0 && NumIsValidLength(length) && ReadWrittenDigits(value, length, digits)) {
        // A written record's digits tell its exponent and its sign.
        if (digits.point < lowest || digits.point > highest - (digits.negative ? 1 : 0)) return false;
        int point;
        const int written = PlainText(digits, out, &point);
        if (written < 0)
            NumToAscii(&value, out, kPlainWidth);
        else
            out[written] = '\0';
        return true;
    }
    const int exponent = FMTDecimalExponent(value);
    if (exponent < lowest || exponent > highest - (FMTIsNegative(value) ? 1 : 0)) return false;
    FMTValueText(value, out);
    return true;
}

bool FMTIsZeroText(std::string_view text) {
    for (char c : text)
        if (c != '0' && c != '.') return false;
    return true;
}

int FMTDecimalExponent(const NUMBER &value) {
    const int length = NumLengthOf(&value);
    // A record whose first digit is not 0, as every written one, tells its
    // exponent at once; others are unpacked.
    if (length >= 2 && NumIsValidLength(length)) {
        const bool negative = value.bExponent < 0x80;
        const uint8_t *digits = &value.bExponent + 1;
        const int first = negative ? 100 - digits[0] : digits[0];
        if (first >= 1 && first <= 99 && length - (negative ? 2 : 1) >= 1) {
            const int biased = (negative ? static_cast<uint8_t>(~value.bExponent) : value.bExponent) & 0x7F;
            return 2 * (biased - kNumExponentBias) - (first < 10 ? 1 : 0);
        }
    }
    const NumUnpacked u = NumUnpackRecord(&value, NumIsValidLength(length) ? length : 0);
    if (u.IsZero()) return 0;
    return 2 * u.Exponent() - (u.digits[0] < 10 ? 1 : 0);
}

bool FMTScaleByPowerOf10(NUMBER *out, const NUMBER &value, int32_t power) {
    NUMBER result = value;
    if (NumLengthOf(&value) == 0) {
        *out = value;
        return true;
    }
    const NUMBER zero = FMTZeroNumber();
    if (NumCompare(&value, &zero) != 0) {
        const long long target = static_cast<long long>(FMTDecimalExponent(value)) + power;
        if (target < kMinExponent || target > kMaxExponent) return false;
        // Every step moves towards the target, so no step leaves the range.
        while (power != 0) {
            const int32_t step = std::clamp(power, -kPowerStep, kPowerStep);
            NumPower10(&result, &result, step);
            power -= step;
        }
    }
    *out = result;
    return true;
}

NUMBER FMTZeroNumber() {
    NUMBER zero{};
    NumSetZero(&zero);
    return zero;
}

int FMTSignOf(const NUMBER &value) {
    const int length = NumLengthOf(&value);
    if (length < 2 || !NumIsValidLength(length)) return 0;
    // The exponent byte's top bit gives the sign; the value is zero when
    // every digit byte reads as the digit 0 (0 for a positive record, 100
    // for a negative one), as unpacking reads them.
    const bool negative = value.bExponent < 0x80;
    const uint8_t *digits = &value.bExponent + 1;
    const int count = negative ? length - 2 : length - 1;
    for (int i = 0; i < count; ++i)
        if (digits[i] % 100 != 0) return negative ? -1 : 1;
    return 0;
}
