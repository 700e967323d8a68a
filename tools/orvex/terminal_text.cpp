#include "terminal_text.h"

#include <windows.h>

#include <vector>

namespace orvex {
namespace {

// Recodes through UTF-16; a text that does not convert is passed as it is.
std::string Recode(std::string_view text, UINT from, UINT to) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
    if (wideSize <= 0) return std::string(text);
    std::vector<WCHAR> wide(static_cast<size_t>(wideSize));
    MultiByteToWideChar(from, 0, text.data(), size, wide.data(), wideSize);
    const int outSize = WideCharToMultiByte(to, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    if (outSize <= 0) return std::string(text);
    std::string out(static_cast<size_t>(outSize), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideSize, out.data(), outSize, nullptr, nullptr);
    return out;
}

} // namespace

std::string ToAnsi(std::string_view utf8) { return Recode(utf8, CP_UTF8, CP_ACP); }
std::string ToTerminal(std::string_view ansi) { return Recode(ansi, CP_ACP, CP_UTF8); }

} // namespace orvex
