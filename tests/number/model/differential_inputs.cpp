// Random inputs aimed at the corners of the NUMBER type.
#include "differential.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace number_differential {

using number_model::LengthRule;

std::uint64_t Inputs::sized(int maxBits) {
    const int length = uniform(0, maxBits);
    return length == 0 ? 0 : bits64() >> (64 - length);
}

NUMBER Inputs::junkRecord() {
    Bytes junk{};
    junk[0] = static_cast<std::uint8_t>(uniform(0, 255));
    fillJunk(junk);
    return toLibrary(junk);
}

void Inputs::fillJunk(Bytes &number) {
    const int used = std::min(number[0] & 0x3F, 24) + 1;
    for (std::size_t i = static_cast<std::size_t>(used); i < number.size(); ++i)
        number[i] = static_cast<std::uint8_t>(uniform(0, 255));
}

// Base-100 digits with a first and last digit that are not 0, drawn from
// patterns that stress rounding: random, runs of 99 (carries through every
// digit), digits around 50, sparse.
std::vector<int> Inputs::digitRun(int count) {
    std::vector<int> digits(static_cast<std::size_t>(count));
    const int pattern = uniform(0, 99);
    for (int &digit : digits)
        if (pattern < 45)
            digit = uniform(0, 99);
        else if (pattern < 65)
            digit = chance(0.9) ? 99 : uniform(49, 99);
        else if (pattern < 82)
            digit = pick<int>({0, 1, 49, 50, 51, 98, 99});
        else
            digit = chance(0.8) ? 0 : uniform(1, 99);
    if (digits.front() == 0) digits.front() = uniform(1, 99);
    if (digits.back() == 0) digits.back() = uniform(1, 99);
    return digits;
}

Bytes Inputs::write(const Shape &shape) {
    std::vector<std::uint8_t> body;
    body.push_back(static_cast<std::uint8_t>(shape.negative ? 0x3F - shape.exponent : 0xC0 + shape.exponent));
    for (const int digit : shape.digits)
        body.push_back(static_cast<std::uint8_t>(shape.negative ? 100 - digit : digit));
    if (shape.negative) body.push_back(0x65);
    Bytes number = number_model::numberFromBytes(body);
    fillJunk(number);
    return number;
}

// Sets flag bits in the length byte: some are ignored by every reader, the
// top bit makes the arithmetic read only the low four bits, and 0x20 with
// the top bit makes the length invalid for the six-bit readers only.
Bytes Inputs::withOddLengthByte(Bytes number) {
    const int length = number[0];
    const int kind = uniform(0, 99);
    if (kind < 30)
        number[0] = static_cast<std::uint8_t>(length | 0x40);
    else if (kind < 60)
        number[0] = static_cast<std::uint8_t>(length | 0x80);
    else if (kind < 75)
        number[0] = static_cast<std::uint8_t>(length | 0xC0);
    else if (kind < 90)
        number[0] = static_cast<std::uint8_t>(0xA0 | uniform(0, std::min(length, 15)));
    else
        number[0] = static_cast<std::uint8_t>(uniform(25, 63));
    return number;
}

Bytes Inputs::value(int lowExponent, int highExponent) {
    Shape shape;
    shape.negative = chance(0.4);
    const int room = shape.negative ? 22 : 23;
    const int sizeKind = uniform(0, 99);
    const int count = sizeKind < 25 ? uniform(room - 1, room) : (sizeKind < 40 ? uniform(1, 3) : uniform(1, room));
    shape.exponent = uniform(lowExponent, highExponent);
    shape.digits = digitRun(count);
    if (chance(0.1) && count < room)
        shape.digits.resize(static_cast<std::size_t>(uniform(count + 1, room)), 0); // trailing zero digits
    return write(shape);
}

Bytes Inputs::number() {
    const int kind = uniform(0, 99);
    if (kind < 4) {
        Bytes zero = number_model::zeroNumber();
        if (chance(0.2)) zero[1] = static_cast<std::uint8_t>(uniform(0, 255));
        fillJunk(zero);
        return zero;
    }
    if (kind < 7) {
        Bytes null{};
        null[0] = pick<std::uint8_t>({0x00, 0x40, 0x80, 0xC0});
        for (std::size_t i = 1; i < null.size(); ++i) null[i] = static_cast<std::uint8_t>(uniform(0, 255));
        return null;
    }
    const int exponentKind = uniform(0, 99);
    Bytes number;
    if (exponentKind < 25)
        number = chance(0.5) ? value(55, 60) : value(-60, -55);
    else if (exponentKind < 45)
        number = value(-3, 3);
    else
        number = value(-60, 60);
    return chance(0.06) ? withOddLengthByte(number) : number;
}

Bytes Inputs::partner(const Bytes &a) {
    const number_model::Unpacked ua = number_model::unpack(a, number_model::lengthOf(a, LengthRule::SixBits));
    const int kind = uniform(0, 99);
    if (kind < 35 || ua.isZero()) return number();
    if (kind < 60) { // exponents 20 to 30 apart: the smaller lies partly beyond the work area
        const int offset = uniform(20, 30) * (chance(0.5) ? 1 : -1);
        const int exponent = std::clamp(ua.exponent + offset, -60, 60);
        return value(exponent, exponent);
    }
    Shape shape{ua.negative, ua.exponent, ua.digits};
    if (kind < 75) { // nearly the same magnitude: cancellation, close comparisons
        for (int i = 0, n = uniform(1, 3); i < n; ++i) {
            const auto at = static_cast<std::size_t>(uniform(0, static_cast<int>(shape.digits.size()) - 1));
            shape.digits[at] = uniform(0, 99);
        }
        const int room = 22; // either sign
        if (static_cast<int>(shape.digits.size()) > room) shape.digits.resize(room);
        if (shape.digits.front() == 0) shape.digits.front() = 1;
        while (shape.digits.back() == 0) shape.digits.pop_back();
        shape.negative = chance(0.5);
        return write(shape);
    }
    if (kind < 83) { // the same magnitude, either sign
        if (shape.digits.size() > 22) return a;
        shape.negative = chance(0.5);
        return write(shape);
    }
    if (kind < 86) return chance(0.5) ? value(55, 60) : value(-60, -55);
    if (kind < 93 && ua.exponent >= -57) {
        // Digits down to the 25th place of a's work area, with 50 in the
        // 24th: subtracting magnitudes leaves exactly 50 there (round up)
        // when the 25th is dropped, and 49 and a bit when it is not.
        Shape borrow;
        borrow.negative = chance(0.5);
        const int room = borrow.negative ? 22 : 23;
        borrow.exponent = ua.exponent - (25 - room);
        borrow.digits = digitRun(room);
        borrow.digits[static_cast<std::size_t>(room - 2)] = 50;
        return write(borrow);
    }
    Bytes small = number_model::fromLong(uniform(-99, 99)).value;
    fillJunk(small);
    return small;
}

Bytes Inputs::dateValue() {
    Shape shape;
    shape.negative = chance(0.2);
    shape.exponent = uniform(1, 3);
    const int room = shape.negative ? 22 : 23;
    shape.digits = digitRun(chance(0.7) ? uniform(1, 10) : uniform(11, room));
    return write(shape);
}

Bytes Inputs::nearDate(const Bytes &a) {
    const int kind = uniform(0, 99);
    if (kind < 15) return a;
    if (kind < 30) return dateValue();
    if (kind < 40) return number();
    // a + or - m x 100^j with j from -9 to -6: differences on both sides of
    // the 3 x 10^-16 tolerance.
    const int place = uniform(-9, -6);
    number_model::Exact delta{chance(0.5), uniform(1, 99), 2L * place};
    Bytes deltaNumber = number_model::pack(delta);
    Bytes near = number_model::add(a, deltaNumber).value;
    fillJunk(near);
    return near;
}

std::string Inputs::digitCharacters(int count) {
    std::string digits;
    const int pattern = uniform(0, 99);
    for (int i = 0; i < count; ++i)
        if (pattern < 55)
            digits += static_cast<char>('0' + uniform(0, 9));
        else if (pattern < 80)
            digits += chance(0.95) ? '9' : static_cast<char>('0' + uniform(4, 9));
        else
            digits += pick<char>({'0', '0', '4', '5', '9'});
    return digits;
}

std::string Inputs::whiteSpace() {
    std::string blanks;
    for (int i = uniform(0, 3); i > 0; --i) blanks += pick<char>({' ', ' ', '\t', '\n', '\v', '\f', '\r'});
    return blanks;
}

std::string Inputs::decimalText() {
    const int kind = uniform(0, 99);
    if (kind < 8) {
        // "\240" is a no-break space in most single-byte code pages.
        static constexpr const char *kOddTexts[] = {
            "",     " ",   ".",    "-",      "+",     "-.", "+.",  "e5",   "0e0",    ".e1",   "0x",
            "-0x",  "+0x", "  0x", "0",      "-0",    "00", "0.",  ".0",   "1e",     "1e+",   "1e-",
            "1.e5", "- 5", "+-5",  "0e-200", "0e200", "5.", "-.5", "0x-5", "\t\n 7", "\2405", "1E+00007"};
        return kOddTexts[uniform(0, static_cast<int>(std::size(kOddTexts)) - 1)];
    }
    if (kind < 20) return whiteSpace() + pick<std::string>({"", "-", "+"}) + hexText();
    std::string text = whiteSpace() + pick<std::string>({"", "", "-", "+"});
    text += std::string(static_cast<std::size_t>(chance(0.8) ? uniform(0, 3) : uniform(0, 60)), '0');
    const int integerKind = uniform(0, 99);
    const int integerDigits = integerKind < 30   ? 0
                              : integerKind < 60 ? uniform(1, 6)
                              : integerKind < 75 ? uniform(20, 30)
                              : integerKind < 95 ? uniform(44, 52)
                                                 : uniform(60, 130);
    std::string digits = digitCharacters(integerDigits);
    if (!digits.empty() && digits.front() == '0') digits.front() = '1';
    text += digits;
    long point = integerDigits; // the decimal point's position without an exponent
    if (chance(0.6)) {
        text += '.';
        const int zeros = chance(0.8) ? uniform(0, 5) : uniform(20, 140);
        text += std::string(static_cast<std::size_t>(zeros), '0');
        if (integerDigits == 0) point -= zeros;
        text += digitCharacters(chance(0.7) ? uniform(0, 20) : uniform(40, 55));
    }
    if (chance(0.4)) {
        text += pick<char>({'e', 'E'});
        long exponent = 0;
        const int exponentKind = uniform(0, 99);
        if (exponentKind < 40)
            exponent = uniform(-150, 150);
        else if (exponentKind < 80) // around the limits P = 120 and P = -128
            exponent = pick<long>({119, 120, 121, 122, -127, -128, -129, -130}) - point;
        else
            exponent = pick<long>({9999, 10000, -9999, -10000, 123456});
        text += exponent < 0 ? "-" : (chance(0.3) ? "+" : "");
        text += std::string(static_cast<std::size_t>(chance(0.1) ? uniform(1, 4) : 0), '0');
        text += chance(0.05) ? "" : std::to_string(std::labs(exponent));
    }
    if (chance(0.2)) text += pick<std::string>({"x", " 5", "e", ".", "-", "abc", ".5", "e+"});
    return text;
}

std::string Inputs::hexText() {
    static constexpr char kHexDigits[] = "0123456789abcdefABCDEF";
    std::string text;
    for (int i = uniform(0, 2); i > 0; --i) text += pick<char>({' ', '\t', '\n'});
    text += pick<std::string>({"", "", "-", "+"});
    text += pick<std::string>({"0x", "0X", "0x", ""});
    text += std::string(static_cast<std::size_t>(uniform(0, 3)), '0');
    const int count = chance(0.3) ? uniform(30, 50) : uniform(0, 20);
    for (int i = 0; i < count; ++i) text += chance(0.3) ? pick<char>({'f', 'F', '0', '8'}) : kHexDigits[uniform(0, 21)];
    if (chance(0.2)) text += pick<std::string>({"g", " 1", "x", "."});
    return text;
}

double Inputs::anyDouble() {
    const int kind = uniform(0, 99);
    if (kind < 35) return std::bit_cast<double>(bits64());
    if (kind < 75) { // short decimals: exact ties and clean 15-digit texts
        const double mantissa =
            static_cast<double>(static_cast<std::int64_t>(bits64() % 2000000000001ULL) - 1000000000000LL);
        return mantissa * std::pow(10.0, uniform(-30, 30));
    }
    using limits = std::numeric_limits<double>;
    constexpr double kMax = limits::max(), kInfinity = limits::infinity(), kNaN = limits::quiet_NaN();
    static constexpr double kOddDoubles[] = {// the limits of E and of doubles, either sign
                                             0.0, 0.1, 1e-300, 1e300, 9.99999999999999e119, 1e120,
                                             9.999999999999999e119, 1e-128, 1.1e-128, 9.9e-129, 4.9e-324, kMax,
                                             kInfinity, kNaN,
                                             // 15-digit ties and 18 digits
                                             100000000000000.5, 1000000000000005.0, 123456789012345678.0};
    const double odd = kOddDoubles[uniform(0, static_cast<int>(std::size(kOddDoubles)) - 1)];
    return chance(0.5) ? -odd : odd;
}

} // namespace number_differential
