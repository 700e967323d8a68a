#include "terminal_text.h"

#include <windows.h>

#include <vector>

namespace orvex {
namespace {

// Recodes through UTF-16 with the conversion flags given; false when the
// text does not convert.
bool Recode(std::string_view text, UINT from, DWORD fromFlags, UINT to, std::string &out) {
    out.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(from, fromFlags, text.data(), size, nullptr, 0);
    if (wideSize <= 0) return false;
    std::vector<WCHAR> wide(static_cast<size_t>(wideSize));
    MultiByteToWideChar(from, fromFlags, text.data(), size, wide.data(), wideSize);
    const int outSize = WideCharToMultiByte(to, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    if (outSize <= 0) return false;
    out.assign(static_cast<size_t>(outSize), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideSize, out.data(), outSize, nullptr, nullptr);
    return true;
}

std::string RecodeOrKeep(std::string_view text, UINT from, UINT to) {
    std::string out;
    return Recode(text, from, 0, to, out) ? out : std::string(text);
}

// UTF-16 to UTF-8; a lone surrogate 0xDC80-0xDCFF stands for a byte that
// was not UTF-8 and becomes that byte again.
std::string Utf8Of(const WCHAR *w) {
    std::string out;
    for (; *w; ++w) {
        uint32_t c = *w;
        if (c >= 0xD800 && c <= 0xDBFF && w[1] >= 0xDC00 && w[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (w[1] - 0xDC00);
            ++w;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

std::vector<std::string> CommandLineArguments(int argc, char **argv) {
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (!wide || count != argc) {
        // No wide command line to read: the arguments as the program got them.
        if (wide) LocalFree(wide);
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    }
    for (int i = 1; i < count; ++i) args.push_back(Utf8Of(wide[i]));
    LocalFree(wide);
    return args;
}

bool ToAnsiChecked(std::string_view utf8, std::string &ansi) {
    return Recode(utf8, CP_UTF8, MB_ERR_INVALID_CHARS, CP_ACP, ansi);
}

std::string ToAnsi(std::string_view utf8) { return RecodeOrKeep(utf8, CP_UTF8, CP_ACP); }
std::string ToTerminal(std::string_view ansi) { return RecodeOrKeep(ansi, CP_ACP, CP_UTF8); }

} // namespace orvex
