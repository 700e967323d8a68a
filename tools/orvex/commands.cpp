#include "command.h"

namespace orvex {

int RunInfo(Args args);
int RunCalc(Args args);
int RunProfile(Args args);
int RunDate(Args args);
int RunStr(Args args);
int RunMask(Args args);
int RunNumber(Args args);

std::span<const Command> Commands() {
    static constexpr Command kCommands[] = {
        {"info", "", "the library version, platform, system language and text modes", RunInfo},
        {"calc", "[--width N] [--bytes] EXPRESSION", "decimal arithmetic: + - * / ( ) round(x,n) trunc(x,p,s)",
         RunCalc},
        {"profile", "[--default]", "the international profile: the user's settings, or the built-in one", RunProfile},
        {"date", "info DATE | format PICTURE ISO | parse TEXT [--picture P] [--kind K] | guess TEXT [--kind K]",
         "dates: calendar facts, formatting, reading back, guessed pictures ([--default] profile)", RunDate},
        {"str", "OPERATION TEXT [ARGS]", "string functions, tokens and leading numbers ('orvex str --help')", RunStr},
        {"mask", "apply MASK TEXT | strip MASK TEXT | check MASK",
         "input masks: lay text into a mask, take the typed characters out, describe a mask", RunMask},
        {"number", "[--default] format PICTURE VALUE | parse PICTURE TEXT | currency VALUE | tokenize PICTURE",
         "number pictures: format, read back, currency form, tokenized bytes", RunNumber},
    };
    return kCommands;
}

} // namespace orvex
