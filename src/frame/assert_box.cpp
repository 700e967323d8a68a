// The internal-error box of a failed assertion.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "orvexrt/frame.h"

namespace {

constexpr size_t kMessageSize = 200;
constexpr char kCaption[] = "Tarno";

} // namespace

extern "C" int32_t ORVEXAPI AssertBox(const char *fileName, int32_t line) {
    char message[kMessageSize];
    std::snprintf(message, sizeof message, "Internal Error: %s", fileName ? fileName : "");
    // The last two characters go: the file name's two-character extension,
    // and with it the dot that introduces it.  The line follows the name
    // directly: "fmtdate.ab", 120 gives "Internal Error: fmtdate120".
    const size_t length = std::strlen(message);
    size_t kept = length >= 2 ? length - 2 : 0;
    if (kept > 0 && message[kept - 1] == '.') --kept;
    std::snprintf(message + kept, sizeof message - kept, "%d", static_cast<int>(line));
    return MessageBoxA(GetActiveWindow(), message, kCaption, MB_OK);
}
