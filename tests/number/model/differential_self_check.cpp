// The model against the known results that the unit tests hold the library
// to, and a few more for the model's own quirks.  A model that fails here
// would make every later comparison meaningless.
#include "../number_examples.h"
#include "differential.h"

#include <bit>
#include <iostream>
#include <sstream>

namespace number_differential {

namespace {

using namespace number_model;
using namespace number_examples;

// A value as decimal text, or as record bytes after '#'.
Bytes value(const char *text) {
    if (text[0] != '#') return asciiToNumber(text).value;
    Bytes number{};
    std::istringstream in(text + 1);
    unsigned byte;
    for (std::size_t i = 0; i < number.size() && (in >> std::hex >> byte); ++i)
        number[i] = static_cast<std::uint8_t>(byte);
    return number;
}

std::string textOf(const Bytes &number, int width = 60) { return toAscii(number, width).text; }

std::string decimalText(bool written, const DecimalFields &d, bool overflow) {
    if (!written) return std::string("unchanged") + (overflow ? ", overflow" : "");
    const mpz_class magnitude = (mpz_class(d.hi) << 64) + (mpz_class(d.mid) << 32) + d.lo;
    return std::string(d.sign ? "-" : "") + magnitude.get_str() + " scale " + std::to_string(d.scale) +
           (overflow ? ", overflow" : "");
}

DecimalFields fieldsOf(const Decimal &d) {
    return {static_cast<std::uint8_t>(d.scale), static_cast<std::uint8_t>(d.negative ? 0x80 : 0), d.high,
            static_cast<std::uint32_t>(d.low >> 32), static_cast<std::uint32_t>(d.low)};
}

class Table {
public:
    void row(const std::string &what, const std::string &expected, const std::string &model) {
        ++rows_;
        if (expected == model) return;
        ++failures_;
        std::cout << "model self-check: " << what << "\n  expected " << expected << "\n  model    " << model << "\n";
    }
    void row(const std::string &what, long long expected, long long model) {
        row(what, std::to_string(expected), std::to_string(model));
    }
    bool passed() const {
        std::cout << "model self-check: " << rows_ << " rows, " << failures_ << " failures\n";
        return failures_ == 0;
    }

private:
    int rows_ = 0, failures_ = 0;
};

void exampleRows(Table &table) {
    for (const auto &r : kReads) {
        const NumberResult read = asciiToNumber(r.text);
        table.row("text " + quoted(r.text), std::string(r.bytes) + " -> " + std::to_string(r.consumed),
                  hexOf(read.value) + " -> " + std::to_string(read.result));
    }
    for (const auto &r : kWritten)
        table.row(std::string("NumToAscii ") + r.value + " width " + std::to_string(r.width), r.text,
                  textOf(value(r.value), r.width));
    using Operation = NumberResult (*)(const Bytes &, const Bytes &);
    constexpr Operation kOperations[] = {add, subtract, multiply, divide}; // by Op
    constexpr const char *kSigns[] = {" + ", " - ", " x ", " / "};
    for (const auto &r : kBinary) {
        const auto op = static_cast<std::size_t>(r.op);
        table.row(r.a + std::string(kSigns[op]) + r.b, r.bytes, hexOf(kOperations[op](value(r.a), value(r.b)).value));
    }
    for (const auto &r : kCompared) {
        const Bytes a = value(r.a), b = value(r.b);
        table.row(std::string("compare(") + r.a + ", " + r.b + ")", r.result, compare(a, b));
        table.row(std::string("compare(") + r.b + ", " + r.a + ")", -r.result, compare(b, a));
    }
    for (const auto &r : kDateCompared) {
        table.row(std::string("DateCompare(") + r.a + ", " + r.b + ")", r.result,
                  dateCompare(value(r.a), value(r.b)).result);
        table.row(std::string("DateCompare(") + r.b + ", " + r.a + ")", -r.result,
                  dateCompare(value(r.b), value(r.a)).result);
    }
    for (const auto &r : kRounded)
        table.row(std::string("round(") + r.value + ", " + std::to_string(r.places) + ")", r.result,
                  textOf(round(value(r.value), r.places).value));
    for (const auto &r : kTruncated)
        table.row(std::string("truncate(") + r.value + ", " + std::to_string(r.precision) + ", " +
                      std::to_string(r.scale) + ")",
                  r.result, textOf(truncate(value(r.value), r.precision, r.scale).value));
    for (const auto &r : kScaled)
        table.row(std::string("power10(") + r.value + ", " + std::to_string(r.places) + ")", r.result,
                  textOf(power10(value(r.value), r.places).value, 9));
    for (const auto &r : kIntegers) {
        const IntegerResult i = toLong(value(r.value));
        table.row(std::string("NumToDWordReply(") + r.value + ")",
                  std::to_string(r.bits) + " overflow " + std::to_string(r.overflow),
                  std::to_string(i.bits) + " overflow " + std::to_string(i.overflow));
    }
    for (const auto &r : kCurrencies) {
        table.row("NumLLongToNumber(" + std::to_string(r.value) + ")", r.bytes, hexOf(fromLLong(r.value)));
        table.row("NumToLLong(" + std::to_string(r.value) + ")", r.value, toLLong(fromLLong(r.value)).value);
    }
    for (const auto &r : kDecimalReads)
        table.row(std::string("NumDECIMALToNumber ") + r.text, r.text, textOf(fromDecimal(fieldsOf(r.decimal))));
    for (const auto &r : kDecimalWrites) {
        const DecimalResult d = toDecimal(value(r.value));
        table.row(std::string("NumToDECIMAL(") + r.value + ")",
                  decimalText(!r.unchanged, fieldsOf(r.decimal), r.overflow != 0),
                  decimalText(d.written, d.value, d.overflow));
    }
}

void quirkRows(Table &table) {
    const std::string tail(41, '0');
    table.row("negate of 23 digits", hexOf(value(("-1." + tail + "1").c_str())),
              hexOf(negate(value(("1." + tail + "050").c_str())).value));
    table.row("power10(1.5, 61)", "00 -> 0",
              hexOf(power10(value("1.5"), 61).value) + " -> " + std::to_string(power10(value("1.5"), 61).result));
    table.row("DateCompare(0.5, 0.5 + 10^-17)", 0, dateCompare(value("0.5"), value("0.50000000000000001")).result);
    table.row("NumCreateSmall(-5)", "03 3E 5F 65", hexOf(createSmall(-5)));
    table.row("NumCreateSmall(150)", "02 C1 00", hexOf(createSmall(150)));
    table.row("NumNullToZero(null)", "01 C0", hexOf(nullToZero(nullNumber())));
    table.row("NumLongToNumber(-2147483648)", hexOf(value("-2147483648")), hexOf(fromLong(INT32_MIN).value));
    table.row("NumDoubleToNumber(0.1)", "02 C0 0A", hexOf(doubleToNumber(0.1).value));
    table.row("NumDoubleToNumber(1e200)", 0, doubleToNumber(1e200).result);
    table.row("NumToDouble(0.1)", std::bit_cast<std::uint64_t>(0.1), toDoubleBits(value("0.1"), false));
    table.row("NumToDouble(null)", kNullDoubleBits, toDoubleBits(nullNumber(), false));
    table.row("NumToDoubleNotNull(null)", 0, toDoubleBits(nullNumber(), true));
}

} // namespace

bool selfCheckModel() {
    Table table;
    exampleRows(table);
    quirkRows(table);
    return table.passed();
}

} // namespace number_differential
