// The model against known results: a few rows for each family, chosen for
// the rounding, limits and quirks that the model reproduces.  A model that
// fails here would make every later comparison meaningless.
#include "differential.h"

#include <bit>
#include <iostream>

namespace number_differential {

namespace {

using namespace number_model;

Bytes number(std::string_view text) { return asciiToNumber(text).value; }

std::string repeated(const std::string &front, const std::string &digit, int count, const std::string &back = "") {
    std::string text = front;
    for (int i = 0; i < count; ++i) text += " " + digit;
    return text + back;
}

std::string integerText(const IntegerResult &r) { return std::to_string(r.bits) + (r.overflow ? " overflow" : ""); }

std::string decimalText(const DecimalResult &r) {
    if (!r.written) return r.overflow ? "unchanged, overflow" : "unchanged";
    const mpz_class magnitude = (mpz_class(r.value.hi) << 64) + (mpz_class(r.value.mid) << 32) + r.value.lo;
    return std::string(r.value.sign ? "-" : "") + magnitude.get_str() + " scale " + std::to_string(r.value.scale) +
           (r.overflow ? " overflow" : "");
}

std::string bitsOf(double value) { return std::to_string(std::bit_cast<std::uint64_t>(value)); }

} // namespace

bool selfCheckModel() {
    const auto read = [](const char *text) {
        const NumberResult r = asciiToNumber(text);
        return hexOf(r.value) + " -> " + std::to_string(r.result);
    };
    const Bytes one = number("1"), three = number("3"), half = number("0.5");
    const std::string tail(41, '0');
    const struct {
        std::string what, expected, model;
    } rows[] = {
        {"text -123.45", "05 3D 63 4D 37 65 -> 7", read("-123.45")},
        {"text with blanks and exponent", "04 3D 63 4B 65 -> 10", read("  -12.50e1")},
        {"text 47 nines rounds up through the 99s", "02 D8 0A -> 47", read(std::string(47, '9').c_str())},
        {"text 46 nines", repeated("18 D7", "63", 23, " -> 46"), read(std::string(46, '9').c_str())},
        {"text -46 nines rounds to 22 digits", "03 27 63 65 -> 47", read(("-" + std::string(46, '9')).c_str())},
        {"text 1e-125: E clamped, digits kept", "02 84 0A -> 6", read("1e-125")},
        {"text 1e999", "00 -> -1", read("1e999")},
        {"text 1e-130", "00 -> -2", read("1e-130")},
        {"text -0x10", "03 3E 54 65 -> 5", read("-0x10")},
        {"NumToAscii 0.0000123 width 8", "1.23E-05", toAscii(number("0.0000123"), 8).text},
        {"NumToAscii 9.96 width 3", "10", toAscii(number("9.96"), 3).text},
        {"NumToAscii 1.5e20 width 10", "1.5000E+20", toAscii(number("1.5e20"), 10).text},
        {"NumToAscii 1e-100 width 9", "9.999E-99", toAscii(number("1e-100"), 9).text},
        {"1 + 10^-50", "02 C1 01", hexOf(add(one, number("1e-50")).value)},
        {"null + 2", "02 C1 02", hexOf(add(nullNumber(), number("2")).value)},
        {"1 / 3", repeated("18 C0", "21", 23), hexOf(divide(one, three).value)},
        {"2 / 3", repeated("18 C0", "42", 23), hexOf(divide(number("2"), three).value)},
        {"-1 / 3", repeated("18 3F", "43", 22, " 65"), hexOf(divide(number("-1"), three).value)},
        {"-5 / 0", "03 03 63 65", hexOf(divide(number("-5"), zeroNumber()).value)},
        {"10^100 x 10^100 (E clamped)", "02 FC 01", hexOf(multiply(number("1e100"), number("1e100")).value)},
        {"compare(null, -5)", "-1", std::to_string(compare(nullNumber(), number("-5")))},
        {"compare(1.5, 1.50 with a zero digit)", "0",
         std::to_string(compare(number("1.5"), numberFromBytes({0xC1, 0x01, 0x32, 0x00})))},
        {"DateCompare(0.5, 0.5 + 10^-17)", "0",
         std::to_string(dateCompare(half, add(half, number("1e-17")).value).result)},
        {"DateCompare(0.5, 0.5 + 10^-15)", "-1",
         std::to_string(dateCompare(half, add(half, number("1e-15")).value).result)},
        {"round(-2.5, 0)", "03 3E 61 65", hexOf(round(number("-2.5"), 0).value)},
        {"round(99.96, 1)", "02 C2 01", hexOf(round(number("99.96"), 1).value)},
        {"round(1234, -2)", "02 C2 0C", hexOf(round(number("1234"), -2).value)},
        {"truncate(12345.678, 4, 2)", "03 C1 2D 43", hexOf(truncate(number("12345.678"), 4, 2).value)},
        {"power10(1.5, 3)", "02 C2 0F", hexOf(power10(number("1.5"), 3).value)},
        {"power10(1.5, 61)", "00 0", hexOf(power10(number("1.5"), 61).value) + " 0"},
        {"negate of 23 digits", hexOf(number("-1." + tail + "1")), hexOf(negate(number("1." + tail + "050")).value)},
        {"NumToLong(-123.99)", std::to_string(std::uint32_t(-123)), integerText(toLong(number("-123.99")))},
        {"NumToLong(3000000000)", "3000000000", integerText(toLong(number("3000000000")))},
        {"NumToLong(10^12)", "3567587328 overflow", integerText(toLong(number("1e12")))},
        {"NumCreateSmall(150)", "02 C1 00", hexOf(createSmall(150))},
        {"NumNullToZero(null)", "01 C0", hexOf(nullToZero(nullNumber()))},
        {"NumLLongToNumber(-1)", "04 3E 63 64 65", hexOf(fromLLong(-1))},
        {"NumToLLong(-1)", "-1", std::to_string(toLLong(number("-1")).value)},
        {"NumDECIMALToNumber(15, scale 1)", "04 C1 01 32 00", hexOf(fromDecimal({1, 0, 0, 0, 15}))},
        {"NumToDECIMAL(-1.5)", "-150 scale 2", decimalText(toDecimal(number("-1.5")))},
        {"NumToDECIMAL(0.1234567890...7890)", "1234567890123456789012345678 scale 28",
         decimalText(toDecimal(number("0.123456789012345678901234567890")))},
        {"NumToDECIMAL(10^-30)", "0 scale 28", decimalText(toDecimal(number("1e-30")))},
        {"NumToDECIMAL(10^-32)", "unchanged, overflow", decimalText(toDecimal(number("1e-32")))},
        {"NumDoubleToNumber(0.1)", "02 C0 0A", hexOf(doubleToNumber(0.1).value)},
        {"NumToDouble(0.1)", bitsOf(0.1), std::to_string(toDoubleBits(number("0.1"), false))},
        {"NumToDouble(null)", std::to_string(kNullDoubleBits), std::to_string(toDoubleBits(nullNumber(), false))},
        {"NumToDoubleNotNull(null)", "0", std::to_string(toDoubleBits(nullNumber(), true))},
    };
    int failures = 0;
    for (const auto &row : rows) {
        if (row.expected == row.model) continue;
        ++failures;
        std::cout << "model self-check: " << row.what << "\n  expected " << row.expected << "\n  model    " << row.model
                  << "\n";
    }
    std::cout << "model self-check: " << std::size(rows) << " rows, " << failures << " failures\n";
    return failures == 0;
}

} // namespace number_differential
