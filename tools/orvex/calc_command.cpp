// orvex calc: a decimal calculator with the library's NUMBER semantics.
#include <charconv>
#include <cstdio>
#include <string>

#include "calc_expression.h"
#include "command.h"

namespace orvex {
namespace {

const Command *CalcCommand() {
    for (const Command &c : Commands())
        if (c.name == "calc") return &c;
    return nullptr;
}

void PrintBytes(const NUMBER &value) {
    const auto *bytes = reinterpret_cast<const uint8_t *>(&value);
    const int length = value.bLength < 25 ? value.bLength : 0;
    for (int i = 0; i <= length; ++i) std::printf(i ? " %02X" : "%02X", bytes[i]);
    std::printf("\n");
}

bool ParseWidth(std::string_view text, int &width) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
    return error == std::errc() && end == text.data() + text.size() && width >= 1 && width <= 200;
}

} // namespace

int RunCalc(Args args) {
    int width = 60;
    bool bytes = false;
    std::string expression;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--bytes") {
            bytes = true;
        } else if (args[i] == "--width") {
            if (i + 1 == args.size() || !ParseWidth(args[++i], width))
                return UsageError("--width takes a number from 1 to 200", CalcCommand());
        } else {
            if (!expression.empty()) expression += ' ';
            expression += args[i];
        }
    }
    if (expression.empty()) return UsageError("calc needs an expression", CalcCommand());

    const CalcResult result = EvaluateCalc(expression);
    if (!result.ok) {
        std::fprintf(stderr, "orvex: calc: %s at position %zu\n  %s\n  %*s^\n", result.error.c_str(),
                     result.errorPosition + 1, expression.c_str(), static_cast<int>(result.errorPosition), "");
        return kUsage;
    }
    std::string text(static_cast<size_t>(width) + 1, '\0');
    const int32_t length = NumToAscii(&result.value, text.data(), width);
    if (length <= 0) {
        std::fprintf(stderr, "orvex: calc: the result does not fit in %d characters\n", width);
        return kFailure;
    }
    std::printf("%s\n", text.c_str());
    if (bytes) PrintBytes(result.value);
    return kSuccess;
}

} // namespace orvex
