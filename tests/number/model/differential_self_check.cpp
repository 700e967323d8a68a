// The model against known results: the byte layouts, rounding, text forms
// and conversions that the NUMBER type is defined by.  A model that fails
// here would make every later comparison meaningless.
#include "differential.h"

#include <bit>
#include <iostream>
#include <sstream>

namespace number_differential {

namespace {

using namespace number_model;

class Table {
public:
    void row(const std::string &what, const std::string &expected, const std::string &actual) {
        ++rows_;
        if (expected != actual) {
            ++failures_;
            std::cout << "model self-check: " << what << "\n  expected " << expected << "\n  model    " << actual
                      << "\n";
        }
    }
    void row(const std::string &what, long long expected, long long actual) {
        row(what, std::to_string(expected), std::to_string(actual));
    }
    bool passed() const {
        std::cout << "model self-check: " << rows_ << " rows, " << failures_ << " failures\n";
        return failures_ == 0;
    }

private:
    int rows_ = 0;
    int failures_ = 0;
};

Bytes number(std::string_view text) { return asciiToNumber(text).value; }

// "18 C0" followed by `count` copies of `digit`, as hexadecimal text.
std::string repeated(const std::string &front, const std::string &digit, int count, const std::string &back = "") {
    std::string text = front;
    for (int i = 0; i < count; ++i) {
        text += " " + digit;
    }
    return text + back;
}

void textInRows(Table &table) {
    struct Expectation {
        const char *text;
        const char *bytes;
        int result;
    };
    const Expectation rows[] = {
        {"0", "01 C0", 1},
        {"1", "02 C1 01", 1},
        {"-1", "03 3E 63 65", 2},
        {"99", "02 C1 63", 2},
        {"-99", "03 3E 01 65", 3},
        {"100", "02 C2 01", 3},
        {"0.5", "02 C0 32", 3},
        {"3.14159", "05 C1 03 0E 0F 5A", 7},
        {"123.45", "04 C2 01 17 2D", 6},
        {"-123.45", "05 3D 63 4D 37 65", 7},
        {"0.00001", "02 BE 0A", 7},
        {"-0.001", "03 40 5A 65", 6},
        {"1e118", "02 FC 01", 5},
        {"  -12.50e1", "04 3D 63 4B 65", 10},
        {"0.000123", "03 BF 01 17", 8},
        {"", "00", 0},
        {"-", "00", 0},
        {".", "00", 0},
        {"1e999", "00", -1},
        {"1e10000", "00", -1},
        {"1e-130", "00", -2},
        {"0x1F", "02 C1 1F", 4},
        {"0X1f", "02 C1 1F", 4},
        {"-0x10", "03 3E 54 65", 5},
        {"  0x", "01 C0", 4},
        // 47 nines: 09 99 ... 99 in base 100, rounded up through the 99s to 10^47.
        {"99999999999999999999999999999999999999999999999", "02 D8 0A", 47},
        // 46 nines fit 23 digits exactly; negative, they round up to -10^46.
        {"9999999999999999999999999999999999999999999999",
         "18 D7 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63", 46},
        {"-9999999999999999999999999999999999999999999999", "03 27 63 65", 47},
        // E below -60 is clamped with the digits kept.
        {"1e-121", "02 84 0A", 6},
        {"1e-125", "02 84 0A", 6},
        {"5e-3 tail", "02 BF 32", 4},
    };
    for (const Expectation &row : rows) {
        const NumberResult read = asciiToNumber(row.text);
        table.row("text " + quoted(row.text), std::string(row.bytes) + " -> " + std::to_string(row.result),
                  hexOf(read.value) + " -> " + std::to_string(read.result));
    }
    table.row("NumCreateSmall(-5) is the text -5", hexOf(number("-5")), hexOf(createSmall(-5)));
    table.row("NumCreateSmall(-5)", "03 3E 5F 65", hexOf(createSmall(-5)));
    table.row("NumCreateSmall(150)", "02 C1 00", hexOf(createSmall(150)));
    table.row("NumNullToZero(1)", "02 C1 01", hexOf(nullToZero(number("1"))));
    table.row("NumNullToZero(null)", "01 C0", hexOf(nullToZero(nullNumber())));
}

void textOutRows(Table &table) {
    struct Expectation {
        const char *value;
        int width;
        const char *text;
    };
    const Expectation rows[] = {
        {"123.45", 10, "123.45"},
        {"123.45", 4, "123"},
        {"123.45", 5, "123.5"},
        {"0.5", 5, ".5"},
        {"-0.5", 5, "-.5"},
        {"0", 5, "0"},
        {"0.0000123", 8, "1.23E-05"},
        {"0.0000123", 12, ".0000123"},
        {"9.96", 3, "10"},
        {"1.5e20", 10, "1.5000E+20"},
        {"0.0996", 4, ".1"},
        {"1e-100", 9, "9.999E-99"},
    };
    for (const Expectation &row : rows) {
        const TextResult out = toAscii(number(row.value), row.width);
        table.row(std::string("NumToAscii ") + row.value + " width " + std::to_string(row.width), row.text, out.text);
    }
}

void arithmeticRows(Table &table) {
    table.row("1 + 10^-50", "02 C1 01", hexOf(add(number("1"), number("1e-50")).value));
    table.row("0.1 + 0.2", "02 C0 1E", hexOf(add(number("0.1"), number("0.2")).value));
    table.row("1 / 3", repeated("18 C0", "21", 23), hexOf(divide(number("1"), number("3")).value));
    table.row("2 / 3", repeated("18 C0", "42", 23), hexOf(divide(number("2"), number("3")).value));
    table.row("-1 / 3", repeated("18 3F", "43", 22, " 65"), hexOf(divide(number("-1"), number("3")).value));
    table.row("5 / 0", "02 FC 01", hexOf(divide(number("5"), zeroNumber()).value));
    table.row("-5 / 0", "03 03 63 65", hexOf(divide(number("-5"), zeroNumber()).value));
    table.row("0 / 0", "01 C0", hexOf(divide(zeroNumber(), zeroNumber()).value));
    table.row("null + 2", "02 C1 02", hexOf(add(nullNumber(), number("2")).value));
    table.row("10^100 x 10^100 (E clamped)", "02 FC 01", hexOf(multiply(number("1e100"), number("1e100")).value));
    table.row("compare(null, -5)", -1, compare(nullNumber(), number("-5")));
    table.row("compare(null, null)", 0, compare(nullNumber(), nullNumber()));
    table.row("compare(-2, -10)", 1, compare(number("-2"), number("-10")));
    table.row("compare(1.5, 1.50 with a zero digit)", 0,
              compare(number("1.5"), numberFromBytes({0xC1, 0x01, 0x32, 0x00})));
    table.row("round(2.5, 0)", "02 C1 03", hexOf(round(number("2.5"), 0).value));
    table.row("round(-2.5, 0)", "03 3E 61 65", hexOf(round(number("-2.5"), 0).value));
    table.row("round(0.004, 2)", "01 C0", hexOf(round(number("0.004"), 2).value));
    table.row("round(0.006, 2)", "02 C0 01", hexOf(round(number("0.006"), 2).value));
    table.row("round(99.96, 1)", "02 C2 01", hexOf(round(number("99.96"), 1).value));
    table.row("round(1234, -2)", "02 C2 0C", hexOf(round(number("1234"), -2).value));
    table.row("truncate(12345.678, 4, 2)", "03 C1 2D 43", hexOf(truncate(number("12345.678"), 4, 2).value));
    table.row("power10(1.5, 3)", "02 C2 0F", hexOf(power10(number("1.5"), 3).value));
    table.row("power10(1.5, 61)", "00 -> 0",
              hexOf(power10(number("1.5"), 61).value) + " -> " + std::to_string(power10(number("1.5"), 61).result));
    const std::string tail(41, '0');
    table.row("negate of 23 digits", hexOf(number("-1." + tail + "1")),
              hexOf(negate(number("1." + tail + "050")).value));
    const Bytes half = number("0.5");
    for (const char *offset : {"0.00000000000000001", "0.000000000000001"}) {
        const Bytes near = add(half, number(offset)).value;
        const int expected = std::string(offset).size() > 18 ? 0 : -1;
        table.row(std::string("DateCompare(0.5, 0.5 + ") + offset + ")", expected, dateCompare(half, near).result);
        table.row(std::string("DateCompare(0.5 + ") + offset + ", 0.5)", -expected, dateCompare(near, half).result);
    }
}

void conversionRows(Table &table) {
    table.row("NumToLong(123.99)", 123, static_cast<std::int32_t>(toLong(number("123.99")).bits));
    table.row("NumToLong(-123.99)", -123, static_cast<std::int32_t>(toLong(number("-123.99")).bits));
    table.row("NumToLong(0.5)", 0, toLong(number("0.5")).bits);
    table.row("NumToLong(null)", 0, toLong(nullNumber()).bits);
    table.row("NumToLongReply(3000000000)", "B2D05E00 0", [] {
        const IntegerResult r = toLong(number("3000000000"));
        std::ostringstream text;
        text << std::hex << std::uppercase << r.bits << ' ' << r.overflow;
        return text.str();
    }());
    table.row("NumToLongReply(10^12) overflow", 1, toLong(number("1e12")).overflow);
    table.row("NumToWord(70000)", 4464, static_cast<std::uint16_t>(toLong(number("70000")).bits));
    table.row("NumToWordReply(70000) overflow", 0, toLong(number("70000")).overflow);
    table.row("NumLongToNumber(-2147483648)", hexOf(number("-2147483648")), hexOf(fromLong(INT32_MIN).value));
    table.row("NumLongToNumber(0)", "01 C0", hexOf(fromLong(0).value));
    table.row("NumLLongToNumber(-1)", "04 3E 63 64 65", hexOf(fromLLong(-1)));
    table.row("NumLLongToNumber(0)", "04 C0 00 00 00", hexOf(fromLLong(0)));
    table.row("NumToLLong(-1)", -1, toLLong(number("-1")).value);
    table.row("NumDECIMALToNumber(15, scale 1)", "04 C1 01 32 00", hexOf(fromDecimal({1, 0, 0, 0, 15})));
    table.row("NumDECIMALToNumber(15, scale 2)", "04 C0 0F 00 00", hexOf(fromDecimal({2, 0, 0, 0, 15})));
    const auto decimalText = [](const DecimalResult &r) {
        std::ostringstream text;
        text << r.written << ' ' << r.overflow << " scale " << int(r.value.scale) << " sign " << int(r.value.sign)
             << " magnitude " << ((mpz_class(r.value.hi) << 64) + (mpz_class(r.value.mid) << 32) + r.value.lo);
        return text.str();
    };
    table.row("NumToDECIMAL(1.5)", "1 0 scale 2 sign 0 magnitude 150", decimalText(toDecimal(number("1.5"))));
    table.row("NumToDECIMAL(0.1234567890...7890)", "1 0 scale 28 sign 0 magnitude 1234567890123456789012345678",
              decimalText(toDecimal(number("0.123456789012345678901234567890"))));
    table.row("NumToDECIMAL(10^-30)", "1 0 scale 28 sign 0 magnitude 0", decimalText(toDecimal(number("1e-30"))));
    table.row("NumToDECIMAL(10^-32)", "0 1", decimalText(toDecimal(number("1e-32"))).substr(0, 3));
    table.row("NumDoubleToNumber(0.1)", "02 C0 0A", hexOf(doubleToNumber(0.1).value));
    table.row("NumToDouble(0.1)", static_cast<long long>(std::bit_cast<std::uint64_t>(0.1)),
              static_cast<long long>(toDoubleBits(number("0.1"), false)));
    table.row("NumToDouble(null)", static_cast<long long>(kNullDoubleBits),
              static_cast<long long>(toDoubleBits(nullNumber(), false)));
    table.row("NumToDoubleNotNull(null)", 0, static_cast<long long>(toDoubleBits(nullNumber(), true)));
    table.row("NumIsNullDouble(infinity)", 1, isNullDouble(std::bit_cast<std::uint64_t>(1.0 / 0.0)));
    table.row("NumIsNullDouble(1.0)", 0, isNullDouble(std::bit_cast<std::uint64_t>(1.0)));
}

} // namespace

bool selfCheckModel() {
    Table table;
    textInRows(table);
    textOutRows(table);
    arithmeticRows(table);
    conversionRows(table);
    return table.passed();
}

} // namespace number_differential
