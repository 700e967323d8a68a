// A reference model of the NUMBER decimal type, built on exact arithmetic.
//
// Every operation computes its result exactly (GMP integers and rationals)
// and then applies the library's own rounding, limits and quirks to that
// exact value, so that a difference from the library shows up as a byte
// difference.  The model does not include the library's headers: it works on
// raw bytes and plain records, which the differential program translates.
#ifndef ORVEXRT_TESTS_NUMBER_MODEL_H
#define ORVEXRT_TESTS_NUMBER_MODEL_H

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace number_model {

// A NUMBER buffer: the length byte, the exponent byte and up to 23 more.
using Bytes = std::array<std::uint8_t, 25>;

// Every function reads the low six bits of the length byte, but the
// arithmetic and comparisons read only the low four when the top bit is set.
enum class LengthRule { SixBits, FourBitsWhenTopSet };
int lengthOf(const Bytes &number, LengthRule rule);

// Sign, exponent E (base-100 digits in front of the point) and the base-100
// digits without trailing zeros.  A null or malformed value unpacks as a
// positive zero; a negative value whose digits are all gone keeps its sign,
// which only division by it can observe.
struct Unpacked {
    bool negative = false;
    int exponent = 0;
    std::vector<int> digits;
    bool isZero() const { return digits.empty(); }
};
Unpacked unpack(const Bytes &number, int length);

// (negative ? -1 : 1) * magnitude * 10^exp10.
struct Exact {
    bool negative = false;
    mpz_class magnitude;
    long exp10 = 0;
};
Exact exactOf(const Unpacked &value);
// -1, 0 or 1 as |a| is less than, equal to or greater than |b|.
int compareMagnitudes(const Exact &a, const Exact &b);

namespace detail {
mpz_class powerOf10(long exponent);
// Base-100 digits of a non-negative integer, most significant first (none for zero).
std::vector<int> base100Digits(const mpz_class &value);
// Round half up of numerator / 10^shift (shift >= 0).
mpz_class divideRoundingHalfUp(const mpz_class &numerator, long shift);
long decimalDigitCount(const mpz_class &value);
// value = 0.digits x 10^point, digits without leading and trailing zeros
// (empty for zero, with point 0).
struct Significand {
    std::string digits;
    long point = 0;
};
Significand significandOf(const Exact &value);
} // namespace detail

// Writes a value as the library's packing step does: half away from zero to
// 23 base-100 digits (22 when negative) on the first dropped digit, E clamped
// into -60..60 with the digits kept, and with `pad` zero digits up to a
// length byte that is a multiple of 4.
Bytes pack(const Exact &value, bool pad = false);
Bytes zeroNumber();
Bytes nullNumber();
// The bytes as given, with the length byte computed.
Bytes numberFromBytes(const std::vector<std::uint8_t> &afterLengthByte);
// Same length byte and the same bytes it counts.
bool sameNumber(const Bytes &a, const Bytes &b);
std::string hexOf(const Bytes &number);
// The value as exact decimal text ("null", "invalid length 30" or digits).
std::string describe(const Bytes &number);

struct NumberResult {
    Bytes value{};
    std::int32_t result = 0;
};
NumberResult asciiToNumber(std::string_view text);
NumberResult hexAsciiToNumber(std::string_view text);

struct TextResult {
    // What the implementation may choose: nothing; the text (the result is 0
    // because nothing fits); or the text and its length (a value below 1 of
    // which no significant digit fits).
    enum class Freedom { None, Text, TextAndResult };
    std::int32_t result = 0;
    std::string text;
    Freedom freedom = Freedom::None;
};
TextResult toAscii(const Bytes &number, std::int32_t width);

NumberResult add(const Bytes &a, const Bytes &b);
NumberResult subtract(const Bytes &a, const Bytes &b);
NumberResult multiply(const Bytes &a, const Bytes &b);
NumberResult divide(const Bytes &a, const Bytes &b);
int compare(const Bytes &a, const Bytes &b);
struct DateCompareResult {
    int result = 0;
    Bytes a{}, b{}; // the operands after the call (cut to 12 bytes when longer)
};
DateCompareResult dateCompare(const Bytes &a, const Bytes &b);
NumberResult round(const Bytes &value, std::int32_t places);
NumberResult power10(const Bytes &value, std::int32_t power);
// In place: result 0 leaves the value untouched.
NumberResult negate(const Bytes &value);
NumberResult truncate(const Bytes &value, std::int32_t precision, std::int32_t scale);

struct IntegerResult {
    std::uint32_t bits = 0;
    bool overflow = false;
};
IntegerResult toLong(const Bytes &number);
NumberResult fromLong(std::int32_t value);
NumberResult fromDWord(std::uint32_t value);
NumberResult fromWord(std::uint16_t value);
// Values from -99 to 99 are defined; above 99 the digit byte is 0.
Bytes createSmall(std::int32_t value);
Bytes nullToZero(const Bytes &number);

Bytes fromLLong(std::int64_t value);
struct LLongResult {
    std::int64_t value = 0;
    bool overflow = false;
};
LLongResult toLLong(const Bytes &number);

// The fields of the DECIMAL record that the conversions use.
struct DecimalFields {
    std::uint8_t scale = 0, sign = 0;
    std::uint32_t hi = 0, mid = 0, lo = 0;
};
Bytes fromDecimal(const DecimalFields &value);
struct DecimalResult {
    bool written = false; // false: the record is left unchanged
    DecimalFields value{};
    bool overflow = false;
};
DecimalResult toDecimal(const Bytes &number);

// Bit patterns of doubles, so that nulls (NaNs) compare exactly.
std::uint64_t toDoubleBits(const Bytes &number, bool nullReadsAsZero);
struct DoubleResult {
    std::int32_t result = 0;
    Bytes value{};
    // The double lies exactly halfway between two 15-digit decimals, and the
    // text routine's choice between them is the platform's.
    bool tieIsFree = false;
};
DoubleResult doubleToNumber(double value);
bool isNullDouble(std::uint64_t bits);
constexpr std::uint64_t kNullDoubleBits = 0x7FF8000000000000ULL;

} // namespace number_model

#endif
