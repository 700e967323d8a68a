#include "command.h"

namespace orvex {

int RunInfo(Args args);
int RunCalc(Args args);
int RunProfile(Args args);
int RunDate(Args args);

std::span<const Command> Commands() {
    static constexpr Command kCommands[] = {
        {"info", "", "the library version, platform, system language and text modes", RunInfo},
        {"calc", "[--width N] [--bytes] EXPRESSION", "decimal arithmetic: + - * / ( ) round(x,n) trunc(x,p,s)",
         RunCalc},
        {"profile", "[--default]", "the international profile: the user's settings, or the built-in one", RunProfile},
        {"date", "info YYYY-MM-DD", "day number, weekday and Japanese era of a date", RunDate},
    };
    return kCommands;
}

} // namespace orvex
