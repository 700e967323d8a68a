// Arithmetic expressions on NUMBER values, as orvex calc reads them.
#pragma once

#include <string>
#include <string_view>

#include "orvexrt/number.h"

namespace orvex {

struct CalcResult {
    bool ok = false;
    NUMBER value{};
    size_t errorPosition = 0; // offset in the expression, when !ok
    std::string error;
};

// Evaluates `+ - * /`, parentheses, unary minus, round(x, places),
// trunc(x, precision, scale) and decimal (or 0x hexadecimal) literals with
// an optional exponent, each operation with NUMBER's rounding.
CalcResult EvaluateCalc(std::string_view expression);

} // namespace orvex
