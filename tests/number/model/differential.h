// The differential run of the library's NUMBER exports against the model:
// input generation, case bookkeeping and the families of operations.
#ifndef ORVEXRT_TESTS_NUMBER_DIFFERENTIAL_H
#define ORVEXRT_TESTS_NUMBER_DIFFERENTIAL_H

#include "number_model.h"
#include "orvexrt/number.h"

#include <cstring>
#include <map>
#include <random>

namespace number_differential {

using number_model::Bytes;

inline NUMBER toLibrary(const Bytes &bytes) {
    static_assert(sizeof(NUMBER) == sizeof(Bytes));
    NUMBER number;
    std::memcpy(&number, bytes.data(), sizeof number);
    return number;
}

inline Bytes fromLibrary(const NUMBER &number) {
    Bytes bytes;
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

// Seeded random inputs aimed at the corners of the NUMBER type.
class Inputs {
public:
    explicit Inputs(std::uint64_t seed) : engine_(seed) {}

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(double probability) { return std::bernoulli_distribution(probability)(engine_); }
    std::uint64_t bits64() { return engine_(); }
    // A random value of a random bit length from 0 to maxBits (at most 64).
    std::uint64_t sized(int maxBits);
    template <typename T> T pick(std::initializer_list<T> choices) {
        return choices.begin()[uniform(0, static_cast<int>(choices.size()) - 1)];
    }

    // Any NUMBER: mostly valid values (22 and 23 digits, exponents near the
    // limits, runs of 99s, trailing zero digits), with zero, null, invalid
    // lengths and length bytes carrying the high flag bits now and then.
    // Bytes past the value are junk.
    Bytes number();
    // A valid non-zero value with E in [lowExponent, highExponent].
    Bytes value(int lowExponent, int highExponent);
    // A second operand for a binary operation on `a`: exponents 20 to 30
    // apart, nearly equal or opposite values, extreme exponents.
    Bytes partner(const Bytes &a);
    // Date/time values: E from 1 to 3, and values within 10^-14 of `a`.
    Bytes dateValue();
    Bytes nearDate(const Bytes &a);
    // An output record full of junk, its length byte included.
    NUMBER junkRecord();

    std::string decimalText();
    std::string hexText();
    double anyDouble();

    // Fills the bytes of a buffer that the value does not use.
    void fillJunk(Bytes &number);

private:
    struct Shape {
        bool negative = false;
        int exponent = 0;
        std::vector<int> digits;
    };

    std::vector<int> digitRun(int count);
    Bytes write(const Shape &shape);
    Bytes withOddLengthByte(Bytes number);
    std::string digitCharacters(int count);
    std::string whiteSpace();

    std::mt19937_64 engine_;
};

// The cases and mismatches of one family, and its failed checks by kind
// (numbers in their names collapsed) for the summary.
struct Family {
    explicit Family(std::string familyName) : name(std::move(familyName)) {}
    std::string name;
    long cases = 0, mismatches = 0;
    std::map<std::string, long> failedChecks;

    // Counts a mismatch and prints the first few.
    void report(const std::string &details, const std::vector<std::string> &checks);
};

std::string quoted(std::string_view text);
std::string numberLine(const Bytes &number);
std::string allBytes(const Bytes &number);

// One case: its operands, then any number of checks.  A case with failed
// checks counts as one mismatch, printed with its operands.
class Case {
public:
    explicit Case(Family &family) : family_(family) { ++family_.cases; }
    ~Case() {
        if (!failures_.empty()) family_.report(operands_ + failures_, failedChecks_);
    }
    Case(const Case &) = delete;
    Case &operator=(const Case &) = delete;

    Case &operand(std::string_view name, const Bytes &number) { return addOperand(name, numberLine(number)); }
    Case &operand(std::string_view name, std::string_view text) { return addOperand(name, quoted(text)); }
    Case &operand(std::string_view name, long long value) { return addOperand(name, std::to_string(value)); }

    void expectNumber(std::string_view what, const Bytes &expected, const Bytes &actual) {
        if (!number_model::sameNumber(expected, actual)) fail(what, numberLine(expected), numberLine(actual));
    }
    // All 25 bytes: for buffers that must be left alone or changed in place.
    void expectBuffer(std::string_view what, const Bytes &expected, const Bytes &actual) {
        if (expected != actual) fail(what, allBytes(expected), allBytes(actual));
    }
    void expectValue(std::string_view what, long long expected, long long actual) {
        if (expected != actual) fail(what, std::to_string(expected), std::to_string(actual));
    }
    void expectText(std::string_view what, std::string_view expected, std::string_view actual) {
        if (expected != actual) fail(what, quoted(expected), quoted(actual));
    }
    void expectTrue(std::string_view what, bool condition) {
        if (!condition) fail(what, "true", "false");
    }
    // A call's result and the value it wrote.
    void expectResult(const std::string &call, const number_model::NumberResult &expected, std::int32_t result,
                      const NUMBER &value) {
        expectValue(call + " result", expected.result, result);
        expectNumber(call + " value", expected.value, fromLibrary(value));
    }

private:
    Case &addOperand(std::string_view name, const std::string &text) {
        operands_ += "  " + std::string(name) + " = " + text + "\n";
        return *this;
    }
    void fail(std::string_view what, const std::string &expected, const std::string &actual);

    Family &family_;
    std::string operands_, failures_;
    std::vector<std::string> failedChecks_;
};

// Checks the model against known results; prints each failing row.  True
// when all agree.
bool selfCheckModel();

// One case of each family.
void textInCase(Inputs &inputs, Family &family);
void textOutCase(Inputs &inputs, Family &family);
void addCase(Inputs &inputs, Family &family);
void subtractCase(Inputs &inputs, Family &family);
void multiplyCase(Inputs &inputs, Family &family);
void divideCase(Inputs &inputs, Family &family);
void compareCase(Inputs &inputs, Family &family);
void dateCompareCase(Inputs &inputs, Family &family);
void roundCase(Inputs &inputs, Family &family);
void truncateCase(Inputs &inputs, Family &family);
void power10Case(Inputs &inputs, Family &family);
void negateCase(Inputs &inputs, Family &family);
void integerCase(Inputs &inputs, Family &family);
void currencyCase(Inputs &inputs, Family &family);
void decimalCase(Inputs &inputs, Family &family);
void doubleCase(Inputs &inputs, Family &family);

} // namespace number_differential

#endif
