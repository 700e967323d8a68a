// The differential run of the library's NUMBER exports against the model:
// input generation, case bookkeeping and the families of operations.
#ifndef ORVEXRT_TESTS_NUMBER_DIFFERENTIAL_H
#define ORVEXRT_TESTS_NUMBER_DIFFERENTIAL_H

#include "number_model.h"

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace number_differential {

using number_model::Bytes;

// Seeded random inputs aimed at the corners of the NUMBER type.
class Inputs {
public:
    explicit Inputs(std::uint64_t seed) : engine_(seed) {}

    int uniform(int low, int high);
    bool chance(double probability);
    std::uint64_t bits64();
    // A random value of a random bit length from 0 to maxBits (at most 64).
    std::uint64_t sized(int maxBits);
    template <typename T> T pick(const std::vector<T> &choices) {
        return choices[static_cast<std::size_t>(uniform(0, static_cast<int>(choices.size()) - 1))];
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

// The cases and mismatches of one family; prints the first mismatches.
class Family {
public:
    explicit Family(std::string name) : name_(std::move(name)) {}

    const std::string &name() const { return name_; }
    long cases() const { return cases_; }
    long mismatches() const { return mismatches_; }

    void countCase() { ++cases_; }
    void reportMismatch(const std::string &details, const std::vector<std::string> &checks);
    // Failed checks by kind (numbers in their names collapsed), for the summary.
    const std::map<std::string, long> &failedChecks() const { return failedChecks_; }

private:
    std::string name_;
    long cases_ = 0;
    long mismatches_ = 0;
    std::map<std::string, long> failedChecks_;
};

// One case: its operands, then any number of checks.  A case with failed
// checks counts as one mismatch, printed with its operands.
class Case {
public:
    explicit Case(Family &family) : family_(family) { family_.countCase(); }
    ~Case();
    Case(const Case &) = delete;
    Case &operator=(const Case &) = delete;

    Case &operand(std::string_view name, const Bytes &number);
    Case &operand(std::string_view name, std::string_view text);
    Case &operand(std::string_view name, long long value);

    void expectNumber(std::string_view what, const Bytes &expected, const Bytes &actual);
    // All 25 bytes: for buffers that must be left alone or changed in place.
    void expectBuffer(std::string_view what, const Bytes &expected, const Bytes &actual);
    void expectValue(std::string_view what, long long expected, long long actual);
    void expectText(std::string_view what, std::string_view expected, std::string_view actual);
    void expectTrue(std::string_view what, bool condition);

private:
    void fail(std::string_view what, const std::string &expected, const std::string &actual);

    Family &family_;
    std::string operands_;
    std::string failures_;
    std::vector<std::string> failedChecks_;
};

std::string quoted(std::string_view text);
std::string numberLine(const Bytes &number);

// Checks the model against the examples of the NUMBER type's description;
// prints each failing row.  True when all agree.
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
