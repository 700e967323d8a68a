// NUMBER arithmetic on exact values: each result is computed exactly from
// what the library's work areas hold, then packed.
#include "number_model.h"

#include <algorithm>
#include <optional>

namespace number_model {

using namespace detail;

namespace {

// An operand as the arithmetic sees it: its unpacked form (for the exponent
// and the sign flag of a zero) and its exact value.
struct Operand {
    Unpacked unpacked;
    Exact exact;
};

Operand arithmeticOperand(const Bytes &number) {
    Unpacked unpacked = unpack(number, lengthOf(number, LengthRule::FourBitsWhenTopSet));
    Exact exact = exactOf(unpacked);
    return {std::move(unpacked), std::move(exact)};
}

NumberResult packed(const Exact &value) {
    const Bytes bytes = pack(value);
    return {bytes, bytes[0]};
}

// Drops the digits of `value` below 10^lowestExp10 (toward zero).
Exact truncatedBelow(Exact value, long lowestExp10) {
    if (value.exp10 < lowestExp10) {
        value.magnitude /= powerOf10(lowestExp10 - value.exp10);
        value.exp10 = lowestExp10;
    }
    return value;
}

NumberResult addOrSubtract(const Bytes &a, const Bytes &b, bool subtract) {
    const Operand left = arithmeticOperand(a);
    Operand right = arithmeticOperand(b);
    if (subtract && right.exact.magnitude != 0) right.exact.negative = !right.exact.negative;
    // The larger magnitude (a when equal) fixes the work area; a zero
    // operand contributes nothing.
    const bool swapped =
        left.exact.magnitude == 0 || (right.exact.magnitude != 0 && compareMagnitudes(left.exact, right.exact) < 0);
    const Operand &larger = swapped ? right : left;
    const Operand &smaller = swapped ? left : right;
    if (larger.exact.magnitude == 0) return packed(Exact{});
    // The work area holds 24 base-100 digits from the larger operand's first
    // digit; the smaller operand's digits below it are dropped unrounded.
    const long areaEnd = 2L * (larger.unpacked.exponent - 24);
    const Exact cut = truncatedBelow(smaller.exact, areaEnd);
    const long common = std::min(larger.exact.exp10, cut.exp10);
    const mpz_class big = larger.exact.magnitude * powerOf10(larger.exact.exp10 - common);
    const mpz_class small = cut.magnitude * powerOf10(cut.exp10 - common);
    const bool sameSign = larger.exact.negative == cut.negative || cut.magnitude == 0;
    return packed(Exact{larger.exact.negative, sameSign ? mpz_class(big + small) : mpz_class(big - small), common});
}

// NumCompare's decisions that need no digits: nulls, zeros, different
// signs.  Empty when both are non-zero values of the same sign.
std::optional<int> decideWithoutDigits(const Bytes &a, const Bytes &b) {
    const int lengthA = lengthOf(a, LengthRule::FourBitsWhenTopSet);
    const int lengthB = lengthOf(b, LengthRule::FourBitsWhenTopSet);
    if (lengthA == 0) return lengthB == 0 ? 0 : -1;
    if (lengthB == 0) return 1;
    const Unpacked ua = unpack(a, lengthA);
    const Unpacked ub = unpack(b, lengthB);
    if (ua.isZero()) return ub.isZero() ? 0 : (ub.negative ? 1 : -1);
    if (ub.isZero()) return ua.negative ? -1 : 1;
    if (ua.negative != ub.negative) return ua.negative ? -1 : 1;
    return std::nullopt;
}

bool hasInvalidLength(const Bytes &number) { return lengthOf(number, LengthRule::FourBitsWhenTopSet) >= 25; }

// A date difference this small counts as equal: below 3 x 10^-16, that is
// E below -7, or E = -7 with a first digit below 3.
bool withinDateTolerance(const Bytes &difference) {
    const Unpacked d = unpack(difference, lengthOf(difference, LengthRule::SixBits));
    return d.isZero() || d.exponent < -7 || (d.exponent == -7 && d.digits.front() < 3);
}

} // namespace

NumberResult add(const Bytes &a, const Bytes &b) { return addOrSubtract(a, b, false); }

NumberResult subtract(const Bytes &a, const Bytes &b) { return addOrSubtract(a, b, true); }

NumberResult multiply(const Bytes &a, const Bytes &b) {
    const Operand x = arithmeticOperand(a);
    const Operand y = arithmeticOperand(b);
    if (x.unpacked.isZero() || y.unpacked.isZero()) return packed(Exact{});
    return packed(Exact{x.exact.negative != y.exact.negative, x.exact.magnitude * y.exact.magnitude,
                        x.exact.exp10 + y.exact.exp10});
}

NumberResult divide(const Bytes &a, const Bytes &b) {
    const Operand x = arithmeticOperand(a);
    const Operand y = arithmeticOperand(b);
    const bool negative = x.unpacked.negative != y.unpacked.negative;
    if (x.unpacked.isZero()) return packed(Exact{});
    if (y.unpacked.isZero()) return packed(Exact{negative, 1, 118});
    // 24 quotient digits from 100^(E-1) down, E = Ea - Eb + 1, truncated.
    const long quotientExponent = x.unpacked.exponent - y.unpacked.exponent + 1;
    const long lastExp10 = 2 * (quotientExponent - 24);
    const long shift = x.exact.exp10 - y.exact.exp10 - lastExp10;
    const mpz_class quotient = shift >= 0 ? mpz_class(x.exact.magnitude * powerOf10(shift) / y.exact.magnitude)
                                          : mpz_class(x.exact.magnitude / (y.exact.magnitude * powerOf10(-shift)));
    return packed(Exact{negative, quotient, lastExp10});
}

NumberResult negate(const Bytes &value) {
    const int length = lengthOf(value, LengthRule::SixBits);
    if (length == 0 || length >= 25) return {value, 0};
    Exact exact = exactOf(unpack(value, length));
    exact.negative = !exact.negative && exact.magnitude != 0;
    return packed(exact);
}

int compare(const Bytes &a, const Bytes &b) {
    if (hasInvalidLength(a) || hasInvalidLength(b)) return 0;
    if (const auto decided = decideWithoutDigits(a, b)) return *decided;
    const Operand x = arithmeticOperand(a);
    const Operand y = arithmeticOperand(b);
    const int byMagnitude = compareMagnitudes(x.exact, y.exact);
    return x.exact.negative ? -byMagnitude : byMagnitude;
}

DateCompareResult dateCompare(const Bytes &a, const Bytes &b) {
    DateCompareResult result{0, a, b};
    if (hasInvalidLength(a) || hasInvalidLength(b)) return result;
    for (Bytes *operand : {&result.a, &result.b})
        if (lengthOf(*operand, LengthRule::FourBitsWhenTopSet) > 12) (*operand)[0] = 12;
    if (const auto decided = decideWithoutDigits(result.a, result.b)) {
        result.result = *decided;
        return result;
    }
    const Bytes difference = subtract(result.a, result.b).value;
    if (!withinDateTolerance(difference)) result.result = difference[1] < 0x80 ? -1 : 1;
    return result;
}

NumberResult round(const Bytes &value, std::int32_t places) {
    const Unpacked unpacked = unpack(value, lengthOf(value, LengthRule::SixBits));
    if (unpacked.isZero()) return packed(Exact{});
    const long long kept = 2LL * unpacked.exponent + places; // decimal places from the first digit position
    const long long available = 2LL * static_cast<long long>(unpacked.digits.size());
    if (kept < 0) return packed(Exact{});
    const Exact exact = exactOf(unpacked);
    if (kept >= available) return packed(exact);
    const long unitExp10 = -static_cast<long>(places);
    return packed(Exact{exact.negative, divideRoundingHalfUp(exact.magnitude, unitExp10 - exact.exp10), unitExp10});
}

NumberResult truncate(const Bytes &value, std::int32_t precision, std::int32_t scale) {
    const int length = lengthOf(value, LengthRule::SixBits);
    if (length == 0 || length >= 25) return {value, 0};
    const Unpacked unpacked = unpack(value, length);
    Exact exact = exactOf(unpacked);
    if (exact.magnitude != 0) {
        // Front: only the decimal places below 10^(precision - scale) survive.
        const long long integerPlaces = static_cast<long long>(precision) - scale;
        if (2LL * unpacked.exponent - integerPlaces > 0) {
            const long long kept = integerPlaces - exact.exp10;
            exact.magnitude = kept <= 0 ? mpz_class(0) : mpz_class(exact.magnitude % powerOf10(kept));
        }
        // End: toward zero at 10^-scale.
        const long long excess = -static_cast<long long>(exact.exp10) - scale;
        if (excess > 0) {
            exact.magnitude = excess > decimalDigitCount(exact.magnitude)
                                  ? mpz_class(0)
                                  : mpz_class(exact.magnitude / powerOf10(static_cast<long>(excess)));
            exact.exp10 += static_cast<long>(excess);
        }
    }
    const Bytes bytes = pack(exact);
    return {bytes, 1};
}

NumberResult power10(const Bytes &value, std::int32_t power) {
    if (power < -60 || power > 60) return {nullNumber(), 0};
    // The factor 10^power as two bytes: an exponent byte and the digit 1 or
    // 10, as the library builds it.
    const auto exponentByte = static_cast<std::uint8_t>(0xA0 + (power + 66) / 2);
    const auto digit = static_cast<std::uint8_t>(power % 2 != 0 ? 10 : 1);
    return multiply(value, numberFromBytes({exponentByte, digit}));
}

} // namespace number_model
