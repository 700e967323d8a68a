// orvex info: what the library decided about this system at load.
#include <windows.h>

#include <cstdio>

#include "command.h"
#include "orvexrt.h"

namespace orvex {

int RunInfo(Args args) {
    if (!args.empty()) return UsageError("info takes no arguments");
    const LANGID system = GetSystemDefaultLangID();
    const LCID user = GetUserDefaultLCID();
    std::printf("library:          orvexrt %s\n", ORVEXRT_VERSION);
    std::printf("platform:         %s\n", ORVEXRT_PLATFORM);
    std::printf("system language:  0x%04X\n", static_cast<unsigned>(system));
    std::printf("user locale:      0x%04X\n", static_cast<unsigned>(user));
    std::printf("ANSI code page:   %u\n", static_cast<unsigned>(GetACP()));
    std::printf("double-byte mode: %s\n", IntlDBCSEnabled() ? "on" : "off");
    std::printf("right-to-left:    %s\n", IntlIsBiDiEnabled() ? "on" : "off");
    return kSuccess;
}

} // namespace orvex
