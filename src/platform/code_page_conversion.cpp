// Conversion between the ANSI code page, UTF-8 and UTF-16, through iconv.
#include <windows.h>

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

const char *IconvName(UINT codePage) {
    switch (codePage == CP_ACP ? GetACP() : codePage) {
    case CP_UTF8:
        return "UTF-8";
    case 932:
        return "CP932";
    case 936:
        return "CP936";
    case 949:
        return "CP949";
    case 950:
        return "CP950";
    case 874:
        return "CP874";
    case 1250:
        return "CP1250";
    case 1251:
        return "CP1251";
    case 1253:
        return "CP1253";
    case 1254:
        return "CP1254";
    case 1255:
        return "CP1255";
    case 1256:
        return "CP1256";
    default:
        return "CP1252";
    }
}

// Converts `size` bytes; returns the converted bytes, or false when the
// input is not valid in the source encoding.
bool Convert(const char *to, const char *from, const char *input, size_t size, std::string &output) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    output.assign(size * 4 + 8, '\0');
    char *in = const_cast<char *>(input);
    char *out = output.data();
    size_t inLeft = size, outLeft = output.size();
    const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    output.resize(output.size() - outLeft);
    return ok;
}

// The size of a text argument: -1 means up to and including the terminator.
size_t TextSize(const char *text, int size) { return size < 0 ? std::strlen(text) + 1 : static_cast<size_t>(size); }

size_t WideSize(LPCWSTR wide, int size) {
    if (size >= 0) return static_cast<size_t>(size);
    size_t n = 0;
    while (wide[n]) ++n;
    return n + 1;
}

// Copies a result into the caller's buffer: with a buffer size of 0 only
// the needed size is told.
template <typename Unit> int Deliver(const std::string &bytes, Unit *buffer, int bufferSize) {
    const int units = static_cast<int>(bytes.size() / sizeof(Unit));
    if (bufferSize == 0) return units;
    if (units > bufferSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    return units;
}

} // namespace

extern "C" {

// Text that does not convert fails the call, with or without
// MB_ERR_INVALID_CHARS (Windows would put U+FFFD in its place without it);
// the flag makes the failure tell ERROR_NO_UNICODE_TRANSLATION.
int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textSize, LPWSTR wide, int wideSize) {
    if (!text || textSize == 0 || wideSize < 0) return 0;
    std::string utf16;
    if (!Convert("UTF-16LE", IconvName(codePage), text, TextSize(text, textSize), utf16)) {
        if (flags & MB_ERR_INVALID_CHARS) SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    return Deliver(utf16, wide, wideSize);
}

// A lone surrogate never converts; WC_ERR_INVALID_CHARS only changes the
// error that the failure tells.
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideSize, LPSTR text, int textSize,
                               LPCSTR, LPBOOL usedDefault) {
    if (!wide || wideSize == 0 || textSize < 0) return 0;
    std::string to = IconvName(codePage);
    if (to != "UTF-8") to += "//TRANSLIT";
    std::string bytes;
    const size_t size = WideSize(wide, wideSize);
    if (!Convert(to.c_str(), "UTF-16LE", reinterpret_cast<const char *>(wide), size * 2, bytes)) {
        if (usedDefault) *usedDefault = TRUE;
        if (flags & WC_ERR_INVALID_CHARS) SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    if (usedDefault) *usedDefault = FALSE;
    return Deliver(bytes, text, textSize);
}

} // extern "C"
