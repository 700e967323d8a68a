#include "command.h"

namespace orvex {

int RunInfo(Args args);

std::span<const Command> Commands() {
    static constexpr Command kCommands[] = {
        {"info", "", "the library version, platform, system language and text modes", RunInfo},
    };
    return kCommands;
}

} // namespace orvex
