// Families: machine integers, CY, DECIMAL and double, both directions.
#include "differential.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace number_differential {

namespace {

// Overflow flags start as junk: the functions must clear them.
constexpr std::int32_t kJunkFlag = 0x5A5A5A5A;

// A value whose integer part has 0 to 24 decimal digits, or any value.
Bytes integerOperand(Inputs &inputs, int highExponent) {
    return inputs.chance(0.75) ? inputs.value(-1, highExponent) : inputs.number();
}

std::int64_t signedSized(Inputs &inputs, int maxBits) {
    const int kind = inputs.uniform(0, 99);
    if (kind < 5) return inputs.pick<std::int64_t>({0, -1, 1, INT64_MIN, INT64_MAX, INT32_MIN, INT32_MAX});
    const auto magnitude = static_cast<std::int64_t>(inputs.sized(maxBits - 1));
    return inputs.chance(0.5) ? -magnitude : magnitude;
}

void checkNumberToInteger(Case &check, const Bytes &value) {
    const number_model::IntegerResult expected = number_model::toLong(value);
    const NUMBER number = toLibrary(value);
    const auto asLong = static_cast<std::int32_t>(expected.bits);
    const auto asWord = static_cast<std::uint16_t>(expected.bits);
    std::int32_t flag = kJunkFlag;
    check.expectValue("NumToLong", asLong, NumToLong(&number));
    check.expectValue("NumToDWord", expected.bits, NumToDWord(&number));
    check.expectValue("NumToWord", asWord, NumToWord(&number));
    check.expectValue("NumToLongReply", asLong, NumToLongReply(&number, &flag));
    check.expectValue("NumToLongReply overflow", expected.overflow, flag);
    flag = kJunkFlag;
    check.expectValue("NumToDWordReply", expected.bits, NumToDWordReply(&number, &flag));
    check.expectValue("NumToDWordReply overflow", expected.overflow, flag);
    flag = kJunkFlag;
    check.expectValue("NumToWordReply", asWord, NumToWordReply(&number, &flag));
    check.expectValue("NumToWordReply overflow", expected.overflow, flag);
    check.expectBuffer("value after the calls", value, fromLibrary(number));
}

void checkIntegerToNumber(Case &check, Inputs &inputs, std::int64_t integer) {
    const auto asLong = static_cast<std::int32_t>(integer);
    const auto asDWord = static_cast<std::uint32_t>(integer);
    const auto asWord = static_cast<std::uint16_t>(integer);
    NUMBER out{};
    check.expectResult("NumLongToNumber", number_model::fromLong(asLong), NumLongToNumber(&out, asLong), out);
    check.expectResult("NumDWordToNumber", number_model::fromDWord(asDWord), NumDWordToNumber(&out, asDWord), out);
    check.expectResult("NumWordToNumber", number_model::fromWord(asWord), NumWordToNumber(&out, asWord), out);
    NUMBER buffer{};
    check.expectTrue("NumGet returns its buffer", NumGet(asWord, &buffer) == &buffer);
    check.expectNumber("NumGet value", number_model::fromWord(asWord).value, fromLibrary(buffer));
    const std::int32_t small = inputs.chance(0.9) ? inputs.uniform(-99, 99) : inputs.uniform(100, INT_MAX);
    NUMBER created{};
    NumCreateSmall(&created, small);
    check.expectNumber("NumCreateSmall(" + std::to_string(small) + ")", number_model::createSmall(small),
                       fromLibrary(created));
}

void checkNullToZero(Case &check, const Bytes &value) {
    NUMBER number = toLibrary(value);
    check.expectTrue("NumNullToZero returns its argument", NumNullToZero(&number) == &number);
    const Bytes expected = number_model::nullToZero(value);
    if (expected == value)
        check.expectBuffer("NumNullToZero leaves a value alone", value, fromLibrary(number));
    else
        check.expectNumber("NumNullToZero value", expected, fromLibrary(number));
}

CY toCurrency(std::int64_t value) {
    CY currency;
    currency.int64 = value;
    return currency;
}

number_model::DecimalFields randomDecimal(Inputs &inputs) {
    number_model::DecimalFields fields;
    const int bitLength = inputs.uniform(0, 96);
    const auto word = [&](int lowBit) {
        const int bits = std::clamp(bitLength - lowBit, 0, 32);
        return bits == 0 ? 0u : static_cast<std::uint32_t>(inputs.bits64() >> (64 - bits));
    };
    fields.lo = word(0);
    fields.mid = word(32);
    fields.hi = word(64);
    fields.scale = static_cast<std::uint8_t>(inputs.uniform(0, 28));
    fields.sign = inputs.pick<std::uint8_t>({0, 0, 0x80, 0x80, 0x01, 0xFF});
    return fields;
}

DECIMAL toRecord(const number_model::DecimalFields &fields, std::uint16_t reserved) {
    DECIMAL record;
    record.wReserved = reserved;
    record.scale = fields.scale;
    record.sign = fields.sign;
    record.Hi32 = fields.hi;
    record.Mid32 = fields.mid;
    record.Lo32 = fields.lo;
    return record;
}

std::string recordText(const DECIMAL &record) {
    char text[96];
    std::snprintf(text, sizeof text, "reserved %04X scale %u sign %02X hi %08X mid %08X lo %08X", record.wReserved,
                  record.scale, record.sign, record.Hi32, record.Mid32, record.Lo32);
    return text;
}

} // namespace

void integerCase(Inputs &inputs, Family &family) {
    const Bytes value = integerOperand(inputs, 12);
    const std::int64_t integer = signedSized(inputs, 33);
    const Bytes maybeNull = inputs.number();
    Case check(family);
    check.operand("value", value).operand("integer", integer).operand("NumNullToZero argument", maybeNull);
    checkNumberToInteger(check, value);
    checkIntegerToNumber(check, inputs, integer);
    checkNullToZero(check, maybeNull);
}

void currencyCase(Inputs &inputs, Family &family) {
    const Bytes value = integerOperand(inputs, 11);
    const std::int64_t integer = signedSized(inputs, 64);
    Case check(family);
    check.operand("value", value).operand("integer", integer);
    const CY currency = toCurrency(integer);
    NUMBER out{};
    NumLLongToNumber(&out, &currency);
    check.expectNumber("NumLLongToNumber", number_model::fromLLong(integer), fromLibrary(out));

    const number_model::LLongResult expected = number_model::toLLong(value);
    const NUMBER number = toLibrary(value);
    CY result = toCurrency(0x0123456789ABCDEFLL);
    std::int32_t flag = kJunkFlag;
    NumToLLong(&result, &number, &flag);
    check.expectValue("NumToLLong value", expected.value, result.int64);
    check.expectValue("NumToLLong overflow", expected.overflow, flag);
}

void decimalCase(Inputs &inputs, Family &family) {
    const number_model::DecimalFields fields = randomDecimal(inputs);
    const Bytes value = inputs.chance(0.75) ? inputs.value(-16, 40) : inputs.number();
    const number_model::DecimalFields junk = randomDecimal(inputs);
    const auto reserved = static_cast<std::uint16_t>(inputs.uniform(0, 0xFFFF));
    Case check(family);
    const DECIMAL record = toRecord(fields, reserved);
    check.operand("DECIMAL", recordText(record)).operand("value", value);
    NUMBER out{};
    NumDECIMALToNumber(&out, &record);
    check.expectNumber("NumDECIMALToNumber", number_model::fromDecimal(fields), fromLibrary(out));

    const number_model::DecimalResult expected = number_model::toDecimal(value);
    const DECIMAL before = toRecord(junk, reserved);
    const DECIMAL wanted = expected.written ? toRecord(expected.value, reserved) : before;
    DECIMAL result = before;
    const NUMBER number = toLibrary(value);
    std::int32_t flag = kJunkFlag;
    NumToDECIMAL(&result, &number, &flag);
    check.expectText("NumToDECIMAL record", recordText(wanted), recordText(result));
    check.expectValue("NumToDECIMAL overflow", expected.overflow, flag);
}

void doubleCase(Inputs &inputs, Family &family) {
    const Bytes value = inputs.number();
    const double real = inputs.anyDouble();
    Case check(family);
    check.operand("value", value).operand("double bits", static_cast<long long>(std::bit_cast<std::uint64_t>(real)));
    const NUMBER number = toLibrary(value);
    double out = 0;
    NumToDouble(&number, &out);
    check.expectValue("NumToDouble bits", static_cast<long long>(number_model::toDoubleBits(value, false)),
                      static_cast<long long>(std::bit_cast<std::uint64_t>(out)));
    NumToDoubleNotNull(&number, &out);
    check.expectValue("NumToDoubleNotNull bits", static_cast<long long>(number_model::toDoubleBits(value, true)),
                      static_cast<long long>(std::bit_cast<std::uint64_t>(out)));

    const number_model::DoubleResult expected = number_model::doubleToNumber(real);
    NUMBER converted{};
    const std::int32_t result = NumDoubleToNumber(&converted, &real);
    check.expectValue("NumDoubleToNumber result", expected.result, result);
    if (!expected.tieIsFree) check.expectNumber("NumDoubleToNumber value", expected.value, fromLibrary(converted));
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(real);
    check.expectValue("NumIsNullDouble", number_model::isNullDouble(bits), NumIsNullDouble(&real));
    double null = 1.0;
    NumNullDouble(&null);
    check.expectValue("NumNullDouble bits", static_cast<long long>(number_model::kNullDoubleBits),
                      static_cast<long long>(std::bit_cast<std::uint64_t>(null)));
}

} // namespace number_differential
