// Families: text in (decimal and hexadecimal) and text out at every width.
#include "differential.h"

#include <array>
#include <cstring>

namespace number_differential {

namespace {

using TextResult = number_model::TextResult;

constexpr char kUntouched = '\x7E';
constexpr std::size_t kTextBuffer = 80;

// A text read into a junk-filled record by `read`, compared with the model.
template <typename Read>
void checkTextRead(Case &check, std::string_view what, const std::string &text,
                   const number_model::NumberResult &expected, Read read, Inputs &inputs) {
    NUMBER out = inputs.junkRecord();
    check.expectResult(std::string(what), expected, read(&out, text.c_str()), out);
}

// NumToAscii at one width: the text within width + 1 bytes and, unless the
// model leaves them free, the exact text and result.
void checkWidth(Case &check, const NUMBER &number, std::int32_t width) {
    std::array<char, kTextBuffer> buffer;
    buffer.fill(kUntouched);
    const TextResult expected = number_model::toAscii(fromLibrary(number), width);
    const std::int32_t result = NumToAscii(&number, buffer.data(), width);
    const std::string label = "width " + std::to_string(width);
    const auto effectiveWidth = static_cast<std::size_t>(width & 0xFFFF);
    for (std::size_t i = effectiveWidth + 1; i < buffer.size(); ++i) {
        if (buffer[i] != kUntouched) {
            check.expectValue(label + ": first byte written past width + 1", -1, static_cast<long long>(i));
            return;
        }
    }
    switch (expected.freedom) {
    case TextResult::Freedom::Text:
        check.expectValue(label + " result", 0, result);
        return;
    case TextResult::Freedom::TextAndResult: {
        const std::size_t length = strnlen(buffer.data(), buffer.size());
        check.expectValue(label + " result is the text's length", static_cast<long long>(length), result);
        check.expectTrue(label + " text within the width", length <= effectiveWidth);
        return;
    }
    case TextResult::Freedom::None:
        check.expectValue(label + " result", expected.result, result);
        check.expectText(label + " text", expected.text,
                         std::string(buffer.data(), strnlen(buffer.data(), buffer.size())));
        return;
    }
}

} // namespace

void textInCase(Inputs &inputs, Family &family) {
    const std::string decimal = inputs.decimalText();
    const std::string hex = inputs.hexText();
    Case check(family);
    check.operand("text", decimal).operand("hex text", hex);
    checkTextRead(check, "NumAsciiToNumber", decimal, number_model::asciiToNumber(decimal), NumAsciiToNumber, inputs);
    checkTextRead(check, "NumHexAsciiToNumber", hex, number_model::hexAsciiToNumber(hex), NumHexAsciiToNumber, inputs);
}

void textOutCase(Inputs &inputs, Family &family) {
    // Half of the values have their point within the widths tried.
    const Bytes value = inputs.chance(0.5) ? inputs.number() : inputs.value(-4, 30);
    const NUMBER number = toLibrary(value);
    Case check(family);
    check.operand("value", value);
    for (std::int32_t width = 0; width <= 60; ++width) checkWidth(check, number, width);
    const std::int32_t width = inputs.uniform(1, 60);
    checkWidth(check, number, width + 0x10000); // only the low 16 bits count
    checkWidth(check, number, width - 0x10000);
}

} // namespace number_differential
