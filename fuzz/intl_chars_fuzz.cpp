// Random byte strings into the Japanese width conversions and the character
// walkers.  Each input is copied into a heap buffer of exactly its length plus
// the terminator, so that a read past the terminator is caught by the
// address sanitizer.  Runs on an English and on a Japanese system.
#include "orvexrt/intl.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::unique_ptr<char[]> ExactCopy(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

int32_t CountCharacters(const char *s) {
    int32_t count = 0;
    for (int32_t width; (width = IntlBytesInNextChar(s)) != 0; s += width) ++count;
    return count;
}

// The walkers agree with each other about every character of s.
void CheckWalkers(const char *s, size_t length) {
    constexpr size_t kPositionalLimit = 256; // the positional tests walk from the start
    const bool dbcs = IntlDBCSEnabled() != 0;
    const char *firstDouble = nullptr;
    size_t offset = 0;
    for (int32_t index = 0; offset < length; ++index) {
        const char *p = s + offset;
        const int32_t width = IntlBytesInNextChar(p);
        Require(width == 1 || width == 2, "a character takes one or two bytes");
        Require(IntlIsDBChar(p) == (width == 2 ? 1 : 0), "IntlIsDBChar agrees with the width");
        const auto lead = static_cast<uint8_t>(p[0]);
        const uint16_t code = width == 2 ? static_cast<uint16_t>(lead << 8 | static_cast<uint8_t>(p[1])) : lead;
        Require(IntlDBCSChar(p) == code, "IntlDBCSChar is lead * 256 + trail");
        if (width == 2 && firstDouble == nullptr) firstDouble = p;
        if (offset < kPositionalLimit) {
            const int32_t expectLead = dbcs && width == 2 ? 1 : 0;
            Require(IntlIsNthCharDB(s, index) == expectLead, "IntlIsNthCharDB agrees with the walk");
            Require(IntlIsNthByteDB(s, static_cast<int32_t>(offset)) == expectLead, "lead byte offset");
            if (width == 2)
                Require(IntlIsNthByteDB(s, static_cast<int32_t>(offset + 1)) == (dbcs ? 2 : 0), "trail byte offset");
        }
        offset += static_cast<size_t>(width);
    }
    Require(offset == length, "the walk ends on the terminator");
    Require(IntlIsNthByteDB(s, static_cast<int32_t>(length)) == 0, "the terminator is no character");
    Require(IntlNextDBCInStr(s) == firstDouble, "IntlNextDBCInStr finds the first double-byte character");
}

bool IsHalfWidthText(std::string_view text) {
    for (char ch : text) {
        const auto b = static_cast<uint8_t>(ch);
        if (!((b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF))) return false;
    }
    return true;
}

// Full writes at most two bytes per byte; Half never more than one per byte,
// so it gets the tighter buffer.
void CheckConversions(const char *src, size_t length) {
    auto full = std::make_unique<char[]>(2 * length + 1);
    const int32_t fullCount = IntlStrJapanFull(full.get(), src);
    const size_t fullLength = std::strlen(full.get());
    Require(fullLength <= 2 * length, "Full stays within twice the input");
    Require(fullCount == CountCharacters(full.get()), "Full counts the characters it wrote");

    auto half = std::make_unique<char[]>(length + 1);
    const int32_t halfCount = IntlStrJapanHalf(half.get(), src);
    Require(halfCount == CountCharacters(half.get()), "Half counts the characters it wrote");

    if (IntlDBCSEnabled() == 0) {
        Require(std::strcmp(full.get(), src) == 0 && fullCount == static_cast<int32_t>(length), "Full copies");
        Require(std::strcmp(half.get(), src) == 0 && halfCount == static_cast<int32_t>(length), "Half copies");
        return;
    }
    if (IsHalfWidthText({src, length})) {
        auto back = std::make_unique<char[]>(fullLength + 1);
        IntlStrJapanHalf(back.get(), full.get());
        Require(std::strcmp(back.get(), src) == 0, "Half(Full(x)) is x for half-width text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    const auto src = ExactCopy(text);
    CheckWalkers(src.get(), text.size());
    CheckConversions(src.get(), text.size());
    return 0;
}
