// NUMBER records written and read as hexadecimal bytes, length byte first.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>

#include "orvexrt/number.h"

namespace test {

// "05 C1 03 0E 0F 5A" -> the record; the rest of the 25 bytes is zero.
inline NUMBER Bytes(const std::string &hex) {
    NUMBER n{};
    auto *out = reinterpret_cast<uint8_t *>(&n);
    std::istringstream in(hex);
    unsigned byte;
    for (size_t i = 0; i < sizeof n && (in >> std::hex >> byte); ++i) out[i] = static_cast<uint8_t>(byte);
    return n;
}

// The length byte and the bytes it counts (only the length byte when it is
// 0 or 25 and more).
inline std::string Hex(const NUMBER &n) {
    const auto *bytes = reinterpret_cast<const uint8_t *>(&n);
    const int length = n.bLength < 25 ? n.bLength : 0;
    std::string text;
    char part[4];
    for (int i = 0; i <= length; ++i) {
        std::snprintf(part, sizeof part, i ? " %02X" : "%02X", bytes[i]);
        text += part;
    }
    return text;
}

inline NUMBER Parse(const char *text) {
    NUMBER n{};
    NumAsciiToNumber(&n, text);
    return n;
}

// A value as decimal text, or as record bytes after '#'.
inline NUMBER Value(const char *text) { return text[0] == '#' ? Bytes(text + 1) : Parse(text); }

inline std::string Text(const NUMBER &n, int width = 60) {
    char buffer[128];
    NumToAscii(&n, buffer, width);
    return buffer;
}

} // namespace test
