#include "command.h"

namespace orvex {

int RunInfo(Args args);
int RunCalc(Args args);

std::span<const Command> Commands() {
    static constexpr Command kCommands[] = {
        {"info", "", "the library version, platform, system language and text modes", RunInfo},
        {"calc", "[--width N] [--bytes] EXPRESSION", "decimal arithmetic: + - * / ( ) round(x,n) trunc(x,p,s)",
         RunCalc},
    };
    return kCommands;
}

} // namespace orvex
