// A reference model of the NUMBER decimal type, built on exact arithmetic.
//
// Every operation computes its result exactly (GMP integers and rationals)
// and then applies the library's own rounding, limits and quirks to
// that exact value, so that a difference from the library shows up as a
// byte difference.  The model does not include the library's headers: it
// works on raw bytes and plain records, and the differential program
// translates between them and the library's types.
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

// Which bits of the length byte a function reads: all functions read the low
// six bits, but the arithmetic and comparison functions read only the low
// four when the top bit is set.
enum class LengthRule { SixBits, FourBitsWhenTopSet };

int lengthOf(const Bytes &number, LengthRule rule);

// A NUMBER taken apart: sign, exponent E (base-100 digits in front of the
// point) and the base-100 digits with trailing zeros dropped.  A null or
// malformed value unpacks as a positive zero; a negative value whose digits
// are all gone keeps its sign, which only division by it can observe.
struct Unpacked {
    bool negative = false;
    int exponent = 0;
    std::vector<int> digits;

    bool isZero() const { return digits.empty(); }
};

Unpacked unpack(const Bytes &number, int length);

// An exact value: (negative ? -1 : 1) * magnitude * 10^exp10.
struct Exact {
    bool negative = false;
    mpz_class magnitude;
    long exp10 = 0;
};

Exact exactOf(const Unpacked &value);
mpq_class rationalOf(const Exact &value);
// -1, 0 or 1 as |a| is less than, equal to or greater than |b|.
int compareMagnitudes(const Exact &a, const Exact &b);

// Writes a value as the library's packing step does: rounding half away from
// zero to 23 base-100 digits (22 when negative) on the first dropped digit,
// clamping E into -60..60 while keeping the digits, and with `pad` filling
// the record with zero digits up to a length byte that is a multiple of 4.
Bytes pack(const Exact &value, bool pad = false);
Bytes zeroNumber();
Bytes nullNumber();

// Writes bytes as given, with the length byte computed; for building inputs.
Bytes numberFromBytes(const std::vector<std::uint8_t> &afterLengthByte);

// The meaningful bytes of a NUMBER (length byte and the bytes it counts).
std::vector<std::uint8_t> significantBytes(const Bytes &number);
bool sameNumber(const Bytes &a, const Bytes &b);
std::string hexOf(const Bytes &number);
// The value as exact decimal text ("null", "invalid length 30" or digits).
std::string describe(const Bytes &number);

// ---- text ---------------------------------------------------------------

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

// ---- arithmetic -----------------------------------------------------------

NumberResult add(const Bytes &a, const Bytes &b);
NumberResult subtract(const Bytes &a, const Bytes &b);
NumberResult multiply(const Bytes &a, const Bytes &b);
NumberResult divide(const Bytes &a, const Bytes &b);
// In place: result 0 leaves the value untouched.
NumberResult negate(const Bytes &value);
int compare(const Bytes &a, const Bytes &b);

struct DateCompareResult {
    int result = 0;
    Bytes a{}; // the operands after the call (cut to 12 bytes when longer)
    Bytes b{};
};

DateCompareResult dateCompare(const Bytes &a, const Bytes &b);
NumberResult round(const Bytes &value, std::int32_t places);
// In place: result 0 leaves the value untouched.
NumberResult truncate(const Bytes &value, std::int32_t precision, std::int32_t scale);
NumberResult power10(const Bytes &value, std::int32_t power);

// ---- conversions ----------------------------------------------------------

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

// The fields of the OLE DECIMAL record that the conversions use.
struct DecimalFields {
    std::uint8_t scale = 0;
    std::uint8_t sign = 0;
    std::uint32_t hi = 0;
    std::uint32_t mid = 0;
    std::uint32_t lo = 0;

    bool operator==(const DecimalFields &) const = default;
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
