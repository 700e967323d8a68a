// Conversion between the half-width (single-byte) and full-width (double-byte)
// forms of ASCII and katakana on the Japanese code page.  A half-width kana
// followed by a voiced (0xDE) or semi-voiced (0xDF) sound mark is one
// full-width character, so the conversion looks one byte ahead.
#include "intl/japan_width.h"

#include "datetime/intl_state.h"
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr uint8_t kAsciiFirst = 0x20;
constexpr uint8_t kAsciiLast = 0x7E;
constexpr uint8_t kKanaFirst = 0xA1;
constexpr uint8_t kKanaLast = 0xDF;
constexpr uint8_t kVoicedMark = 0xDE;
constexpr uint8_t kSemiVoicedMark = 0xDF;
constexpr uint8_t kSemiVoicedFirst = 0xCA; // ha hi fu he ho
constexpr uint8_t kSemiVoicedLast = 0xCE;

// Calls f with each byte value first..last.
template <typename F> constexpr void ForEachByte(uint8_t first, uint8_t last, F f) {
    for (int b = first; b <= last; ++b) f(static_cast<uint8_t>(b));
}

struct ByteCode {
    uint8_t byte;
    uint16_t code;
};

// ASCII punctuation and space; digits and letters follow in runs below.
constexpr ByteCode kAsciiSymbols[] = {
    {0x20, 0x8140}, {0x21, 0x8149}, {0x22, 0x8168}, {0x23, 0x8194}, {0x24, 0x8190}, {0x25, 0x8193}, {0x26, 0x8195},
    {0x27, 0x8166}, {0x28, 0x8169}, {0x29, 0x816A}, {0x2A, 0x8196}, {0x2B, 0x817B}, {0x2C, 0x8143}, {0x2D, 0x817C},
    {0x2E, 0x8144}, {0x2F, 0x815E}, {0x3A, 0x8146}, {0x3B, 0x8147}, {0x3C, 0x8183}, {0x3D, 0x8181}, {0x3E, 0x8184},
    {0x3F, 0x8148}, {0x40, 0x8197}, {0x5B, 0x816D}, {0x5C, 0x818F}, {0x5D, 0x816E}, {0x5E, 0x814F}, {0x5F, 0x8151},
    {0x60, 0x8165}, {0x7B, 0x816F}, {0x7C, 0x8162}, {0x7D, 0x8170}, {0x7E, 0x8160},
};

// Full-width form of each ASCII character 0x20..0x7E.
constexpr auto kAsciiFull = [] {
    std::array<uint16_t, kAsciiLast - kAsciiFirst + 1> table{};
    auto run = [&table](uint8_t first, uint8_t last, uint16_t code) {
        ForEachByte(first, last, [&](uint8_t b) { table[b - kAsciiFirst] = code++; });
    };
    run('0', '9', 0x824F);
    run('A', 'Z', 0x8260);
    run('a', 'z', 0x8281);
    for (const ByteCode &symbol : kAsciiSymbols) table[symbol.byte - kAsciiFirst] = symbol.code;
    return table;
}();
static_assert(std::ranges::none_of(kAsciiFull, [](uint16_t code) { return code == 0; }),
              "every printable ASCII character has a full-width form");

// Full-width form of each half-width katakana or mark 0xA1..0xDF.
constexpr std::array<uint16_t, kKanaLast - kKanaFirst + 1> kKanaFull = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,
    0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352,
    0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384,
    0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,
};

constexpr bool IsAscii(uint8_t b) { return b >= kAsciiFirst && b <= kAsciiLast; }

constexpr bool IsKana(uint8_t b) { return b >= kKanaFirst && b <= kKanaLast; }

constexpr bool HasSemiVoicedForm(uint8_t kana) { return kana >= kSemiVoicedFirst && kana <= kSemiVoicedLast; }

constexpr uint16_t AsciiFull(uint8_t c) { return kAsciiFull[c - kAsciiFirst]; }

constexpr uint16_t KanaFull(uint8_t kana) { return kKanaFull[kana - kKanaFirst]; }

// Kana with a voiced form, sorted by byte: u, ka..to, ha..ho.  The voiced
// form of each but u is the code right after the plain one.
constexpr auto kVoiced = [] {
    std::array<ByteCode, 21> table{};
    size_t n = 0;
    table[n++] = {0xB3, 0x8394};
    auto followers = [&](uint8_t first, uint8_t last) {
        ForEachByte(first, last, [&](uint8_t kana) { table[n++] = {kana, static_cast<uint16_t>(KanaFull(kana) + 1)}; });
    };
    followers(0xB6, 0xC4);
    followers(kSemiVoicedFirst, kSemiVoicedLast);
    return table;
}();
static_assert(std::ranges::is_sorted(kVoiced, {}, &ByteCode::byte));

// The voiced form of a kana, or 0 when it has none.
constexpr uint16_t VoicedFull(uint8_t kana) {
    const auto row = std::ranges::lower_bound(kVoiced, kana, {}, &ByteCode::byte);
    return row != kVoiced.end() && row->byte == kana ? row->code : 0;
}

constexpr uint16_t SemiVoicedFull(uint8_t kana) { return static_cast<uint16_t>(KanaFull(kana) + 2); }

struct Converted {
    uint16_t code;
    int consumed; // bytes of the half-width text: 2 when a sound mark joined
};

// Full-width form of a printable ASCII character or half-width kana, looking
// at the byte after it for a sound mark.
constexpr Converted HalfToFull(uint8_t c, uint8_t next) {
    if (IsAscii(c)) return {AsciiFull(c), 1};
    if (next == kVoicedMark) {
        if (const uint16_t voiced = VoicedFull(c)) return {voiced, 2};
    }
    if (next == kSemiVoicedMark && HasSemiVoicedForm(c)) return {SemiVoicedFull(c), 2};
    return {KanaFull(c), 1};
}

constexpr uint16_t FullCodeOfPacked(uint16_t packed) {
    const auto c = static_cast<uint8_t>(packed >> 8);
    const auto next = static_cast<uint8_t>(packed & 0xFF);
    if (c < kAsciiFirst) return static_cast<uint16_t>(c << 8);
    if (IsAscii(c) || IsKana(c)) return HalfToFull(c, next).code;
    if (c >= 0xFD) return 0;
    return packed;
}

static_assert(FullCodeOfPacked(0x0941) == 0x0900);
static_assert(FullCodeOfPacked(0x4142) == 0x8260);
static_assert(FullCodeOfPacked(0x7F00) == 0x7F00 && FullCodeOfPacked(0xA0DE) == 0xA0DE);
static_assert(FullCodeOfPacked(0xE041) == 0xE041 && FullCodeOfPacked(0xFC40) == 0xFC40);
static_assert(FullCodeOfPacked(0xFD00) == 0 && FullCodeOfPacked(0xFFFF) == 0);
static_assert(FullCodeOfPacked(0xB6DE) == 0x834B && FullCodeOfPacked(0xB3DE) == 0x8394);
static_assert(FullCodeOfPacked(0xB1DE) == 0x8341 && FullCodeOfPacked(0xCADF) == 0x8370);
static_assert(FullCodeOfPacked(0xDE00) == 0x814A);

struct HalfForm {
    uint16_t full;
    uint8_t first;
    uint8_t second; // 0 when the half-width form is a single byte
};

// Full-width characters without a half-width form of their own, written as
// the nearest half-width kana: small wa, small ka, small ke.
constexpr HalfForm kApproximateHalf[] = {{0x838E, 0xDC, 0}, {0x8395, 0xB6, 0}, {0x8396, 0xB9, 0}};

constexpr size_t kFullToHalfRows = kAsciiFull.size() + kKanaFull.size() + kVoiced.size() +
                                   (kSemiVoicedLast - kSemiVoicedFirst + 1) + std::size(kApproximateHalf);
static_assert(kFullToHalfRows == 187);

// The inverse of the half-width tables, sorted by full-width code.
constexpr auto kFullToHalf = [] {
    std::array<HalfForm, kFullToHalfRows> table{};
    size_t n = 0;
    ForEachByte(kAsciiFirst, kAsciiLast, [&](uint8_t c) { table[n++] = {AsciiFull(c), c, 0}; });
    ForEachByte(kKanaFirst, kKanaLast, [&](uint8_t kana) { table[n++] = {KanaFull(kana), kana, 0}; });
    for (const ByteCode &voiced : kVoiced) table[n++] = {voiced.code, voiced.byte, kVoicedMark};
    ForEachByte(kSemiVoicedFirst, kSemiVoicedLast, [&](uint8_t kana) {
        table[n++] = {SemiVoicedFull(kana), kana, kSemiVoicedMark};
    });
    for (const HalfForm &row : kApproximateHalf) table[n++] = row;
    std::ranges::sort(table, {}, &HalfForm::full);
    return table;
}();
static_assert(std::ranges::adjacent_find(kFullToHalf, {}, &HalfForm::full) == kFullToHalf.end(),
              "no full-width code has two half-width forms");
static_assert(kFullToHalf.front().full == 0x8140 && kFullToHalf.back().full == 0x8396);

const HalfForm *FindHalfForm(uint16_t full) {
    if (full < kFullToHalf.front().full || full > kFullToHalf.back().full) return nullptr;
    const auto row = std::ranges::lower_bound(kFullToHalf, full, {}, &HalfForm::full);
    return row != kFullToHalf.end() && row->full == full ? &*row : nullptr;
}

uint8_t ByteAt(const char *p) { return static_cast<uint8_t>(*p); }

int CharWidthAt(const char *p) { return static_cast<int>(CharNextA(p) - p); }

char *PutByte(char *out, uint8_t b) {
    *out = static_cast<char>(b);
    return out + 1;
}

char *PutDoubleByte(char *out, uint16_t code) {
    return PutByte(PutByte(out, static_cast<uint8_t>(code >> 8)), static_cast<uint8_t>(code));
}

// Outside DBCS mode both conversions are a plain copy that reports bytes.
int32_t CopyUnchanged(char *dst, const char *src) {
    const size_t length = std::strlen(src);
    std::memcpy(dst, src, length + 1);
    return static_cast<int32_t>(length);
}

struct Step {
    int consumed;
    char *out;
};

// Runs convertOne on each character of src.  It gets the character's start
// and width (1 or 2; a lead byte before the terminator is 1) and the output
// position, and returns how many bytes it consumed and the new output end.
// The result counts the characters of dst by walking it again: on a Chinese
// or Korean code page the half-width bytes written may pair up differently
// from the characters they came from.
template <typename ConvertOne> int32_t ConvertEachChar(char *dst, const char *src, ConvertOne convertOne) {
    char *out = dst;
    const char *p = src;
    while (*p != '\0') {
        const auto [consumed, end] = convertOne(p, CharWidthAt(p), out);
        p += consumed;
        out = end;
    }
    *out = '\0';
    return IntlCharCount(dst);
}

Step CopyChar(const char *p, int width, char *out) { return {width, std::copy_n(p, width, out)}; }

} // namespace

uint16_t IntlJapanFullCode(uint16_t packed) { return FullCodeOfPacked(packed); }

uint8_t IntlJapanHalfByte(uint16_t full) {
    const HalfForm *half = FindHalfForm(full);
    return half != nullptr && half->second == 0 ? half->first : 0;
}

int32_t ORVEXAPI IntlStrJapanFull(char *dst, const char *src) {
    if (dst == nullptr || src == nullptr) return -1;
    if (gIntlState.DBCSEnabled == 0) return CopyUnchanged(dst, src);
    return ConvertEachChar(dst, src, [](const char *p, int width, char *out) -> Step {
        const uint8_t c = ByteAt(p);
        if (width != 1 || !(IsAscii(c) || IsKana(c))) return CopyChar(p, width, out);
        // p[1] is at worst the terminator, which matches no sound mark.
        const Converted full = HalfToFull(c, ByteAt(p + 1));
        return {full.consumed, PutDoubleByte(out, full.code)};
    });
}

int32_t ORVEXAPI IntlStrJapanHalf(char *dst, const char *src) {
    if (dst == nullptr || src == nullptr) return -1;
    if (gIntlState.DBCSEnabled == 0) return CopyUnchanged(dst, src);
    return ConvertEachChar(dst, src, [](const char *p, int width, char *out) -> Step {
        const HalfForm *half =
            width == 2 ? FindHalfForm(static_cast<uint16_t>(ByteAt(p) << 8 | ByteAt(p + 1))) : nullptr;
        if (half == nullptr) return CopyChar(p, width, out);
        out = PutByte(out, half->first);
        if (half->second != 0) out = PutByte(out, half->second);
        return {width, out};
    });
}
