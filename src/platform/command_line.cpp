// The process's command line as Windows hands it out: one UTF-16 text with
// the arguments quoted where needed, and its split into arguments.  The
// arguments come from the kernel as bytes, normally UTF-8; a byte that is
// not part of a valid UTF-8 sequence becomes the lone surrogate 0xDC00 +
// byte, which no conversion to a code page accepts, so that a program
// refuses such an argument instead of guessing what it meant.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using WideText = std::basic_string<WCHAR>;

// The length of the valid UTF-8 sequence at `p` (of `left` bytes), or 0.
size_t SequenceLength(const unsigned char *p, size_t left) {
    const unsigned char b = p[0];
    size_t n;
    unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) low = 0xA0;  // no overlong forms
        if (b == 0xED) high = 0x9F; // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (left < n || p[1] < low || p[1] > high) return 0;
    for (size_t i = 2; i < n; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return n;
}

void AppendCodePoint(WideText &out, uint32_t c) {
    if (c < 0x10000) {
        out += static_cast<WCHAR>(c);
    } else {
        c -= 0x10000;
        out += static_cast<WCHAR>(0xD800 + (c >> 10));
        out += static_cast<WCHAR>(0xDC00 + (c & 0x3FF));
    }
}

WideText Utf16Of(const std::string &bytes) {
    WideText out;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = SequenceLength(p + i, bytes.size() - i);
        if (n == 0) {
            out += static_cast<WCHAR>(0xDC00 + p[i++]);
            continue;
        }
        static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
        uint32_t c = p[i] & kLeadMask[n];
        for (size_t k = 1; k < n; ++k) c = c << 6 | (p[i + k] & 0x3F);
        AppendCodePoint(out, c);
        i += n;
    }
    return out;
}

bool IsBlank(WCHAR c) { return c == ' ' || c == '\t'; }

// One argument as the split below reads it back: quoted when it is empty or
// holds blanks or quotes; backslashes doubled where they precede a quote.
void AppendQuoted(WideText &line, const WideText &arg) {
    bool plain = !arg.empty();
    for (WCHAR c : arg) plain = plain && !IsBlank(c) && c != '"';
    if (plain) {
        line += arg;
        return;
    }
    line += '"';
    size_t backslashes = 0;
    for (WCHAR c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        line.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, '\\');
    line += '"';
}

WideText ReadCommandLine() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    WideText line;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\0', start);
        if (end == std::string::npos) end = all.size();
        if (!line.empty()) line += ' ';
        AppendQuoted(line, Utf16Of(all.substr(start, end - start)));
        start = end + 1;
    }
    return line;
}

// The split of Windows: the program name up to a blank or between quotes;
// then arguments separated by blanks, where quotes group and 2n backslashes
// before a quote give n backslashes, 2n+1 give n and a literal quote.
std::vector<WideText> Split(const WCHAR *p) {
    std::vector<WideText> args(1);
    if (*p == '"') {
        for (++p; *p && *p != '"'; ++p) args[0] += *p;
        if (*p) ++p;
    } else {
        for (; *p && !IsBlank(*p); ++p) args[0] += *p;
    }
    for (;;) {
        while (IsBlank(*p)) ++p;
        if (!*p) return args;
        WideText arg;
        bool quoted = false;
        while (*p && (quoted || !IsBlank(*p))) {
            size_t backslashes = 0;
            while (*p == '\\') ++backslashes, ++p;
            if (*p == '"') {
                arg.append(backslashes / 2, '\\');
                if (backslashes % 2)
                    arg += '"';
                else
                    quoted = !quoted;
                ++p;
            } else {
                arg.append(backslashes, '\\');
                if (*p && (quoted || !IsBlank(*p))) arg += *p++;
            }
        }
        args.push_back(arg);
    }
}

} // namespace

extern "C" {

LPWSTR WINAPI GetCommandLineW(void) {
    static WideText line = ReadCommandLine();
    return line.data();
}

// One block from malloc: the pointers, then the texts; LocalFree frees it.
LPWSTR *WINAPI CommandLineToArgvW(LPCWSTR commandLine, int *count) {
    if (!commandLine || !count) return nullptr;
    const std::vector<WideText> args = Split(commandLine);
    size_t bytes = (args.size() + 1) * sizeof(LPWSTR);
    for (const WideText &a : args) bytes += (a.size() + 1) * sizeof(WCHAR);
    auto *block = static_cast<LPWSTR *>(std::malloc(bytes));
    if (!block) return nullptr;
    auto *text = reinterpret_cast<WCHAR *>(block + args.size() + 1);
    for (size_t i = 0; i < args.size(); ++i) {
        block[i] = text;
        std::memcpy(text, args[i].c_str(), (args[i].size() + 1) * sizeof(WCHAR));
        text += args[i].size() + 1;
    }
    block[args.size()] = nullptr;
    *count = static_cast<int>(args.size());
    return block;
}

HLOCAL WINAPI LocalFree(HLOCAL memory) {
    std::free(memory);
    return nullptr;
}

} // extern "C"
