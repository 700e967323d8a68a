// String resources: the library's string table, compiled in from the same
// source as the Windows resource script.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

struct StringResource {
    UINT id;
    std::string_view text;
};

constexpr StringResource kStrings[] = {
#define ORVEX_STRING(id, text) {id, text},
#include "resources/string_table.inc"
#undef ORVEX_STRING
};

} // namespace

extern "C" int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int bufferMax) {
    if (!buffer || bufferMax <= 0) return 0;
    for (const StringResource &s : kStrings) {
        if (s.id != id) continue;
        const size_t n = std::min(s.text.size(), static_cast<size_t>(bufferMax - 1));
        std::memcpy(buffer, s.text.data(), n);
        buffer[n] = '\0';
        return static_cast<int>(n);
    }
    buffer[0] = '\0';
    return 0;
}
