// NUMBER conversions to and from machine integers, CY, DECIMAL and double.
//
// The overflow flags are defined by bit tests on fixed-width accumulators,
// so those accumulators are reproduced as the library keeps them; values
// themselves come from exact arithmetic.
#include "number_model.h"

#include <array>
#include <bit>
#include <cmath>

namespace number_model {

using namespace detail;

namespace {

Unpacked unpackSixBits(const Bytes &number) { return unpack(number, lengthOf(number, LengthRule::SixBits)); }

bool isNull(const Bytes &number) { return lengthOf(number, LengthRule::SixBits) == 0; }

// The accumulation steps of an integer part: each integer digit, then a 0
// for every power of 100 between the last digit and the point.
std::vector<int> integerSteps(const Unpacked &value) {
    std::vector<int> steps;
    const long count = static_cast<long>(value.digits.size());
    for (long i = 0; i < value.exponent; ++i)
        steps.push_back(i < count ? value.digits[static_cast<std::size_t>(i)] : 0);
    return steps;
}

NumberResult packedInteger(bool negative, const mpz_class &magnitude) {
    const Bytes bytes = pack(Exact{negative, magnitude, 0});
    return {bytes, bytes[0]};
}

mpz_class fromUnsigned64(std::uint64_t value) {
    mpz_class result(static_cast<unsigned long>(value >> 32));
    result <<= 32;
    result += static_cast<unsigned long>(value & 0xFFFFFFFFu);
    return result;
}

std::uint32_t wordOf(const mpz_class &value, unsigned index) {
    const mpz_class shifted = value >> (32 * index);
    return static_cast<std::uint32_t>(mpz_class(shifted & 0xFFFFFFFFu).get_ui());
}

// Powers of 100 from 100^0 to 100^9, as the double conversion scales.
constexpr std::array<double, 10> kPowersOf100{1e0, 1e2, 1e4, 1e6, 1e8, 1e10, 1e12, 1e14, 1e16, 1e18};

double scaledByPowerOf100(double value, long power) {
    if (power >= 0) {
        for (long i = 0; i < power / 10; ++i) value *= 1e20;
        return value * kPowersOf100[static_cast<std::size_t>(power % 10)];
    }
    for (long i = 0; i < -power / 10; ++i) value *= 1e-20;
    return value / kPowersOf100[static_cast<std::size_t>(-power % 10)];
}

mpq_class exactDouble(double value) {
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(value), &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    mpq_class result(fromUnsigned64(mantissa));
    binaryExponent -= 53;
    if (binaryExponent >= 0)
        result *= mpq_class(mpz_class(1) << binaryExponent);
    else
        result /= mpq_class(mpz_class(1) << -binaryExponent);
    result.canonicalize();
    return result;
}

mpq_class powerOf10Rational(long exponent) {
    return exponent >= 0 ? mpq_class(powerOf10(exponent)) : mpq_class(mpz_class(1), powerOf10(-exponent));
}

} // namespace

IntegerResult toLong(const Bytes &number) {
    if (isNull(number)) return {};
    const Unpacked value = unpackSixBits(number);
    std::uint32_t acc = 0;
    std::uint32_t earlier = 0; // every value acc had before a multiplication
    bool overflow = false;
    for (const int digit : integerSteps(value)) {
        earlier |= acc;
        acc = acc * 100u + static_cast<std::uint32_t>(digit);
        const std::int32_t top = static_cast<std::int32_t>(earlier) >> 28;
        overflow = overflow || top > 2 || (top == 2 && static_cast<std::int32_t>(acc) > 0);
    }
    return {value.negative ? 0u - acc : acc, overflow};
}

NumberResult fromLong(std::int32_t value) {
    const std::int64_t wide = value;
    return packedInteger(wide < 0, mpz_class(static_cast<long>(wide < 0 ? -wide : wide)));
}

NumberResult fromDWord(std::uint32_t value) {
    return packedInteger(false, mpz_class(static_cast<unsigned long>(value)));
}

NumberResult fromWord(std::uint16_t value) {
    return packedInteger(false, mpz_class(static_cast<unsigned long>(value)));
}

Bytes createSmall(std::int32_t value) {
    if (value > 99) return numberFromBytes({0xC1, 0x00});
    return fromLong(value).value;
}

Bytes nullToZero(const Bytes &number) { return isNull(number) ? zeroNumber() : number; }

Bytes fromLLong(std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    const std::uint64_t magnitude = value < 0 ? 0 - bits : bits;
    return pack(Exact{value < 0, fromUnsigned64(magnitude), 0}, true);
}

LLongResult toLLong(const Bytes &number) {
    const Unpacked value = unpackSixBits(number);
    std::uint64_t acc = 0;
    std::uint32_t highWords = 0; // the high halves acc had before each multiplication
    bool overflow = false;
    for (const int digit : integerSteps(value)) {
        highWords |= static_cast<std::uint32_t>(acc >> 32);
        overflow = overflow || (highWords & 0xFE000000u) != 0;
        acc = acc * 100u + static_cast<std::uint64_t>(digit);
    }
    if (value.negative) acc = 0 - acc;
    return {static_cast<std::int64_t>(acc), overflow};
}

Bytes fromDecimal(const DecimalFields &value) {
    const mpz_class magnitude = (mpz_class(static_cast<unsigned long>(value.hi)) << 64) +
                                (mpz_class(static_cast<unsigned long>(value.mid)) << 32) +
                                mpz_class(static_cast<unsigned long>(value.lo));
    return pack(Exact{value.sign != 0, magnitude, -static_cast<long>(value.scale)}, true);
}

DecimalResult toDecimal(const Bytes &number) {
    const Unpacked value = unpackSixBits(number);
    if (value.isZero()) return {true, {}, false};
    long power = value.exponent - static_cast<long>(value.digits.size()); // of the last digit
    if (power > 32) return {false, {}, true};
    std::vector<int> digits = value.digits;
    if (power < -14) {
        // More than 28 decimal places: the digits below 100^-14 go, unrounded.
        if (value.exponent < -14) return {false, {}, true};
        digits.resize(static_cast<std::size_t>(value.exponent + 14));
        power = -14;
    }
    for (long i = 0; i < power; ++i) digits.push_back(0);
    const mpz_class limit = mpz_class(1) << 96;
    mpz_class acc;
    bool overflow = false;
    for (const int digit : digits) {
        overflow = overflow || acc >= limit; // already beyond 96 bits before this multiplication
        acc = acc * 100 + digit;
    }
    const mpz_class magnitude = acc % limit;
    DecimalFields fields;
    fields.scale = static_cast<std::uint8_t>(power < 0 ? -2 * power : 0);
    fields.sign = value.negative ? 0x80 : 0;
    fields.hi = wordOf(magnitude, 2);
    fields.mid = wordOf(magnitude, 1);
    fields.lo = wordOf(magnitude, 0);
    return {true, fields, overflow};
}

std::uint64_t toDoubleBits(const Bytes &number, bool nullReadsAsZero) {
    if (nullReadsAsZero && number[0] == 0) return std::bit_cast<std::uint64_t>(0.0);
    const int length = lengthOf(number, LengthRule::SixBits);
    if (length == 0 || length >= 25) return kNullDoubleBits;
    const Unpacked value = unpack(number, length);
    double accumulated = 0.0;
    for (const int digit : value.digits) accumulated = accumulated * 100.0 + digit;
    if (accumulated != 0.0)
        accumulated = scaledByPowerOf100(accumulated, value.exponent - static_cast<long>(value.digits.size()));
    return std::bit_cast<std::uint64_t>(value.negative ? -accumulated : accumulated);
}

bool isNullDouble(std::uint64_t bits) { return ((bits >> 52) & 0x7FF) == 0x7FF; }

DoubleResult doubleToNumber(double value) {
    if (isNullDouble(std::bit_cast<std::uint64_t>(value))) return {1, nullNumber(), false};
    if (value == 0.0) return {1, zeroNumber(), false};
    // The text form carries the double rounded to 15 significant digits;
    // read back through the text conversion, it keeps its range limits.
    const mpq_class exact = exactDouble(value);
    long point = static_cast<long>(std::floor(std::log10(std::fabs(value)))) + 1;
    while (exact >= powerOf10Rational(point)) ++point;
    while (exact < powerOf10Rational(point - 1)) --point;
    const mpq_class scaled = exact * powerOf10Rational(15 - point);
    mpz_class digits = scaled.get_num() / scaled.get_den();
    const mpq_class remainder = scaled - mpq_class(digits);
    const bool tie = remainder == mpq_class(1, 2);
    if (remainder >= mpq_class(1, 2)) ++digits;
    const std::string text = (value < 0 ? "-" : "") + digits.get_str() + "e" + std::to_string(point - 15);
    const NumberResult read = asciiToNumber(text);
    if (read.result < 1) return {0, nullNumber(), tie};
    return {1, read.value, tie};
}

} // namespace number_model
