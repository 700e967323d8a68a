// Families: the four operations, comparison, date comparison, rounding,
// truncation, powers of ten and negation.
#include "differential.h"

#include <algorithm>
#include <climits>

namespace number_differential {

namespace {

using ModelResult = number_model::NumberResult;
using BinaryExport = std::int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);
using BinaryModel = ModelResult (*)(const Bytes &, const Bytes &);
using ScaledExport = std::int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, std::int32_t);
using ScaledModel = ModelResult (*)(const Bytes &, std::int32_t);

// A binary operation into a separate result, into a, into b, and on one
// operand used three times; the operands must not change.
void checkBinary(Inputs &inputs, Family &family, BinaryExport run, BinaryModel model) {
    const Bytes a = inputs.number();
    const Bytes b = inputs.partner(a);
    Case check(family);
    check.operand("a", a).operand("b", b);
    const ModelResult expected = model(a, b);
    NUMBER x = toLibrary(a), y = toLibrary(b), result = inputs.junkRecord();
    check.expectResult("separate result:", expected, run(&result, &x, &y), result);
    check.expectBuffer("a after the call", a, fromLibrary(x));
    check.expectBuffer("b after the call", b, fromLibrary(y));
    check.expectResult("result is a:", expected, run(&x, &x, &y), x);
    x = toLibrary(a), y = toLibrary(b);
    check.expectResult("result is b:", expected, run(&y, &x, &y), y);
    x = toLibrary(a);
    check.expectResult("a with itself, result is a:", model(a, a), run(&x, &x, &x), x);
}

// An operation with an integer argument, into a separate result and in
// place.
void checkScaled(Case &check, Inputs &inputs, const Bytes &value, std::int32_t argument, ScaledExport run,
                 ScaledModel model) {
    const ModelResult expected = model(value, argument);
    NUMBER x = toLibrary(value), result = inputs.junkRecord();
    check.expectResult("separate result:", expected, run(&result, &x, argument), result);
    check.expectBuffer("value after the call", value, fromLibrary(x));
    NUMBER inPlace = toLibrary(value);
    check.expectResult("result is the value:", expected, run(&inPlace, &inPlace, argument), inPlace);
}

// An in-place operation: a result of 0 must leave all 25 bytes alone.
void expectInPlace(Case &check, const std::string &call, const ModelResult &expected, const Bytes &before,
                   std::int32_t result, const NUMBER &after) {
    check.expectValue(call + " result", expected.result, result);
    if (expected.result == 0)
        check.expectBuffer(call + " leaves the value untouched", before, fromLibrary(after));
    else
        check.expectNumber(call + " value", expected.value, fromLibrary(after));
}

// Decimal places around the value's own digits, and far beyond them.
std::int32_t placesFor(Inputs &inputs, const Bytes &value) {
    const number_model::Unpacked u =
        number_model::unpack(value, number_model::lengthOf(value, number_model::LengthRule::SixBits));
    const int kind = inputs.uniform(0, 99);
    if (kind < 60) return -2 * u.exponent + inputs.uniform(-3, 2 * static_cast<int>(u.digits.size()) + 2);
    if (kind < 90) return inputs.uniform(-130, 130);
    return inputs.pick<std::int32_t>({-1000000000, 1000000000, -200, 200});
}

} // namespace

void addCase(Inputs &inputs, Family &family) { checkBinary(inputs, family, NumAddition, number_model::add); }

void subtractCase(Inputs &inputs, Family &family) { checkBinary(inputs, family, NumSubtract, number_model::subtract); }

void multiplyCase(Inputs &inputs, Family &family) { checkBinary(inputs, family, NumMultiply, number_model::multiply); }

void divideCase(Inputs &inputs, Family &family) { checkBinary(inputs, family, NumDivide, number_model::divide); }

void compareCase(Inputs &inputs, Family &family) {
    const Bytes a = inputs.number();
    const Bytes b = inputs.partner(a);
    Case check(family);
    check.operand("a", a).operand("b", b);
    const NUMBER x = toLibrary(a), y = toLibrary(b);
    check.expectValue("NumCompare(a, b)", number_model::compare(a, b), NumCompare(&x, &y));
    check.expectValue("NumCompare(b, a)", number_model::compare(b, a), NumCompare(&y, &x));
    check.expectBuffer("a after the calls", a, fromLibrary(x));
    check.expectBuffer("b after the calls", b, fromLibrary(y));
}

void dateCompareCase(Inputs &inputs, Family &family) {
    const Bytes a = inputs.dateValue();
    const Bytes b = inputs.nearDate(a);
    Case check(family);
    check.operand("a", a).operand("b", b);
    for (const bool swapped : {false, true}) {
        const Bytes &first = swapped ? b : a;
        const Bytes &second = swapped ? a : b;
        const std::string call = swapped ? "DateCompare(b, a)" : "DateCompare(a, b)";
        const number_model::DateCompareResult expected = number_model::dateCompare(first, second);
        NUMBER x = toLibrary(first), y = toLibrary(second);
        check.expectValue(call + " result", expected.result, DateCompare(&x, &y));
        check.expectBuffer(call + " first operand after the call", expected.a, fromLibrary(x));
        check.expectBuffer(call + " second operand after the call", expected.b, fromLibrary(y));
    }
}

void roundCase(Inputs &inputs, Family &family) {
    const Bytes value = inputs.number();
    const std::int32_t places = placesFor(inputs, value);
    Case check(family);
    check.operand("value", value).operand("places", places);
    checkScaled(check, inputs, value, places, NumRound, number_model::round);
}

void power10Case(Inputs &inputs, Family &family) {
    const Bytes value = inputs.number();
    const std::int32_t power =
        inputs.chance(0.95) ? inputs.uniform(-65, 65) : inputs.pick<std::int32_t>({INT_MIN, INT_MAX, -61, 61});
    Case check(family);
    check.operand("value", value).operand("power", power);
    checkScaled(check, inputs, value, power, NumPower10, number_model::power10);
}

void truncateCase(Inputs &inputs, Family &family) {
    const Bytes value = inputs.number();
    const std::int32_t scale = inputs.chance(0.9) ? placesFor(inputs, value) : inputs.uniform(-5, 60);
    const std::int32_t integerPlaces =
        inputs.chance(0.9) ? inputs.uniform(-4, 60) : inputs.pick<std::int32_t>({-100000000, 100000000});
    const std::int32_t precision = static_cast<std::int32_t>(
        std::clamp<long long>(static_cast<long long>(scale) + integerPlaces, -1500000000LL, 1500000000LL));
    Case check(family);
    check.operand("value", value).operand("precision", precision).operand("scale", scale);
    NUMBER x = toLibrary(value);
    const std::int32_t result = NumTruncate(&x, precision, scale);
    expectInPlace(check, "NumTruncate", number_model::truncate(value, precision, scale), value, result, x);
}

void negateCase(Inputs &inputs, Family &family) {
    const Bytes value = inputs.number();
    Case check(family);
    check.operand("value", value);
    NUMBER x = toLibrary(value);
    const std::int32_t result = NumNegate(&x);
    expectInPlace(check, "NumNegate", number_model::negate(value), value, result, x);
}

} // namespace number_differential
