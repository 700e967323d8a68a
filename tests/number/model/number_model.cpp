// The NUMBER record: reading the length byte, unpacking, exact values and
// packing with the library's rounding and exponent clamp.
#include "number_model.h"

#include <algorithm>
#include <cstdio>

namespace number_model {

namespace detail {

mpz_class powerOf10(long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return result;
}

std::vector<int> base100Digits(const mpz_class &value) {
    if (value == 0) return {};
    std::string text = value.get_str();
    if (text.size() % 2 != 0) text.insert(text.begin(), '0');
    std::vector<int> digits;
    for (std::size_t i = 0; i < text.size(); i += 2) digits.push_back((text[i] - '0') * 10 + (text[i + 1] - '0'));
    return digits;
}

mpz_class divideRoundingHalfUp(const mpz_class &numerator, long shift) {
    if (shift == 0) return numerator;
    const mpz_class unit = powerOf10(shift);
    mpz_class quotient = numerator / unit;
    const mpz_class remainder = numerator - quotient * unit;
    if (2 * remainder >= unit) ++quotient;
    return quotient;
}

long decimalDigitCount(const mpz_class &value) { return static_cast<long>(value.get_str().size()); }

Significand significandOf(const Exact &value) {
    if (value.magnitude == 0) return {};
    std::string digits = value.magnitude.get_str();
    long exp10 = value.exp10;
    while (digits.back() == '0') {
        digits.pop_back();
        ++exp10;
    }
    const long point = static_cast<long>(digits.size()) + exp10;
    return {digits, point};
}

} // namespace detail

using namespace detail;

namespace {

// The length byte and the bytes it counts.
std::vector<std::uint8_t> significantBytes(const Bytes &number) {
    const int length = std::min(number[0] & 0x3F, 24);
    return {number.begin(), number.begin() + 1 + length};
}

constexpr std::uint8_t kPositiveExponentBase = 0xC0;
constexpr std::uint8_t kNegativeExponentBase = 0x3F;
constexpr std::uint8_t kTerminator = 0x65;
constexpr std::uint8_t kNegativeZeroDigit = 100;

Bytes writeZero(bool pad) {
    std::vector<std::uint8_t> body{kPositiveExponentBase};
    if (pad) body.resize(4, 0);
    return numberFromBytes(body);
}

// Writes a normalised value: the exponent byte, the digits (complemented
// and terminated for a negative value) and, with `pad`, zero digits up to a
// multiple of four bytes.
Bytes writeDigits(bool negative, long exponent, const std::vector<int> &digits, bool pad) {
    std::vector<std::uint8_t> body;
    body.push_back(
        static_cast<std::uint8_t>(negative ? kNegativeExponentBase - exponent : kPositiveExponentBase + exponent));
    for (const int digit : digits) body.push_back(static_cast<std::uint8_t>(negative ? 100 - digit : digit));
    const std::size_t terminatorBytes = negative ? 1 : 0;
    while (pad && (body.size() + terminatorBytes) % 4 != 0) body.push_back(negative ? kNegativeZeroDigit : 0);
    if (negative) body.push_back(kTerminator);
    return numberFromBytes(body);
}

std::string decimalText(const Exact &value) {
    const Significand s = significandOf(value);
    if (s.digits.empty()) return "0";
    const std::string sign = value.negative ? "-" : "";
    const long size = static_cast<long>(s.digits.size());
    if (s.point < -40 || s.point > 60) {
        const std::string rest = size > 1 ? "." + s.digits.substr(1) : "";
        return sign + s.digits.substr(0, 1) + rest + "e" + std::to_string(s.point - 1);
    }
    if (s.point <= 0) return sign + "0." + std::string(static_cast<std::size_t>(-s.point), '0') + s.digits;
    if (s.point >= size) return sign + s.digits + std::string(static_cast<std::size_t>(s.point - size), '0');
    return sign + s.digits.substr(0, static_cast<std::size_t>(s.point)) + "." +
           s.digits.substr(static_cast<std::size_t>(s.point));
}

} // namespace

int lengthOf(const Bytes &number, LengthRule rule) {
    const std::uint8_t byte = number[0];
    if (rule == LengthRule::FourBitsWhenTopSet && (byte & 0x80) != 0) return byte & 0x0F;
    return byte & 0x3F;
}

Unpacked unpack(const Bytes &number, int length) {
    Unpacked result;
    if (length < 2 || length > 24) return result;
    std::uint8_t exponentByte = number[1];
    int lastDigitByte = length;
    if (exponentByte < 0x80) {
        result.negative = true;
        exponentByte = static_cast<std::uint8_t>(~exponentByte);
        lastDigitByte = length - 1; // the terminator is not a digit
    }
    for (int i = 2; i <= lastDigitByte; ++i) {
        result.digits.push_back(result.negative ? 100 - number[static_cast<std::size_t>(i)]
                                                : number[static_cast<std::size_t>(i)]);
    }
    while (!result.digits.empty() && result.digits.back() == 0) result.digits.pop_back();
    result.exponent = (exponentByte & 0x7F) - 64;
    return result;
}

Exact exactOf(const Unpacked &value) {
    Exact exact;
    exact.negative = value.negative && !value.isZero();
    for (const int digit : value.digits) exact.magnitude = exact.magnitude * 100 + digit;
    exact.exp10 = 2L * (value.exponent - static_cast<long>(value.digits.size()));
    return exact;
}

int compareMagnitudes(const Exact &a, const Exact &b) {
    const long common = std::min(a.exp10, b.exp10);
    const mpz_class left = a.magnitude * powerOf10(a.exp10 - common);
    const mpz_class right = b.magnitude * powerOf10(b.exp10 - common);
    return left < right ? -1 : (left > right ? 1 : 0);
}

Bytes pack(const Exact &value, bool pad) {
    if (value.magnitude == 0) return writeZero(pad);
    mpz_class magnitude = value.magnitude;
    long exp10 = value.exp10;
    if (exp10 % 2 != 0) { // align the digits on the base-100 grid
        magnitude *= 10;
        --exp10;
    }
    long power = exp10 / 2; // of 100, at the last digit
    std::vector<int> digits = base100Digits(magnitude);
    const std::size_t room = value.negative ? 22 : 23;
    if (digits.size() > room) {
        // Half away from zero, decided by the first dropped base-100 digit:
        // that digit is 50 or more exactly when the dropped part is at least
        // half a unit of the last kept digit.
        const long dropped = static_cast<long>(digits.size() - room);
        magnitude = divideRoundingHalfUp(magnitude, 2 * dropped);
        power += dropped;
        digits = base100Digits(magnitude);
    }
    while (digits.back() == 0) {
        digits.pop_back();
        ++power;
    }
    const long exponent = std::clamp(power + static_cast<long>(digits.size()), -60L, 60L);
    return writeDigits(value.negative, exponent, digits, pad);
}

Bytes zeroNumber() { return writeZero(false); }

Bytes nullNumber() { return Bytes{}; }

Bytes numberFromBytes(const std::vector<std::uint8_t> &afterLengthByte) {
    Bytes number{};
    number[0] = static_cast<std::uint8_t>(afterLengthByte.size());
    std::copy(afterLengthByte.begin(), afterLengthByte.end(), number.begin() + 1);
    return number;
}

bool sameNumber(const Bytes &a, const Bytes &b) { return significantBytes(a) == significantBytes(b) && a[0] == b[0]; }

std::string hexOf(const Bytes &number) {
    std::string text;
    char buffer[4];
    for (const std::uint8_t byte : significantBytes(number)) {
        std::snprintf(buffer, sizeof buffer, "%02X", byte);
        text += text.empty() ? "" : " ";
        text += buffer;
    }
    return text;
}

std::string describe(const Bytes &number) {
    const int length = lengthOf(number, LengthRule::SixBits);
    if (length == 0) return "null";
    if (length >= 25) return "invalid length " + std::to_string(length);
    return decimalText(exactOf(unpack(number, length)));
}

} // namespace number_model
