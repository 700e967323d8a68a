// Case mapping and character classes of the ANSI code page, as the system's
// user layer gives them for the code pages the library meets:
//
// - 1252: the ASCII letters, and the Windows-1252 letters beyond them: the
//   Latin-1 pairs (é/É ... þ/Þ), š/Š, œ/Œ, ž/Ž and ÿ/Ÿ.  ƒ ª µ º ß are lower
//   case without a capital; the modifier ˆ is a letter of neither case; the
//   superscripts ¹ ² ³ are digits.
// - 932, 936, 949, 950: the ASCII letters, and the double-byte characters
//   that have a partner of the other case in the code page (full-width Latin,
//   Greek and Cyrillic letters, Roman numerals).  A character that the code
//   page encodes twice comes out in its preferred encoding, as it does from
//   the system's mapping (which goes through Unicode).  Trail bytes are never
//   mapped on their own, and a lead byte without its trail stays as it is.
//   The half-width katakana of 932 are letters of neither case.
// - any other code page: the ASCII letters.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

namespace {

enum CharClass : uint8_t { kAlpha = 1, kUpper = 2, kLower = 4, kDigit = 8 };

// `count` consecutive codes from `upper` whose other case runs from `lower`;
// for the preferred encodings, codes from `upper` written as those from
// `lower`.
struct CaseRun {
    uint16_t upper;
    uint16_t lower;
    uint16_t count;
};

struct CodePageCase {
    std::span<const CaseRun> bytePairs;       // single bytes beyond ASCII
    std::span<const uint8_t> lowerOnly;       // lower-case letters without a capital
    std::span<const uint8_t> caselessLetters; // letters of neither case
    std::span<const uint8_t> otherDigits;     // digits beyond 0..9
    std::span<const CaseRun> doubleBytePairs;
    std::span<const CaseRun> preferred; // double-byte characters encoded twice
};

constexpr CaseRun k1252Pairs[] = {{0x8A, 0x9A, 1}, {0x8C, 0x9C, 1},  {0x8E, 0x9E, 1},
                                  {0x9F, 0xFF, 1}, {0xC0, 0xE0, 23}, {0xD8, 0xF8, 7}};
constexpr uint8_t k1252LowerOnly[] = {0x83, 0xAA, 0xB5, 0xBA, 0xDF};
constexpr uint8_t k1252Caseless[] = {0x88};
constexpr uint8_t k1252Digits[] = {0xB2, 0xB3, 0xB9};

constexpr auto k932Kana = [] {
    std::array<uint8_t, 0xDF - 0xA6 + 1> kana{};
    for (size_t i = 0; i < kana.size(); ++i) kana[i] = static_cast<uint8_t>(0xA6 + i);
    return kana;
}();
// Full-width Latin, Greek, Cyrillic (two runs around the unused trail 0x7F)
// and the Roman numerals, whose small forms live in the IBM extension rows.
constexpr CaseRun k932Pairs[] = {
    {0x8260, 0x8281, 26}, {0x839F, 0x83BF, 24}, {0x8440, 0x8470, 15}, {0x844F, 0x8480, 18}, {0x8754, 0xFA40, 10},
};
// The NEC special characters and NEC-selected IBM extensions that repeat
// characters of other rows.
constexpr CaseRun k932Preferred[] = {
    {0x8790, 0x81E0, 1},  {0x8791, 0x81DF, 1},  {0x8792, 0x81E7, 1},  {0x8795, 0x81E3, 1},  {0x8796, 0x81DB, 1},
    {0x8797, 0x81DA, 1},  {0x879A, 0x81E6, 1},  {0x879B, 0x81BF, 1},  {0x879C, 0x81BE, 1},  {0xED40, 0xFA5C, 35},
    {0xED63, 0xFA80, 28}, {0xED80, 0xFA9C, 97}, {0xEDE1, 0xFB40, 28}, {0xEE40, 0xFB5C, 35}, {0xEE63, 0xFB80, 28},
    {0xEE80, 0xFB9C, 97}, {0xEEE1, 0xFC40, 12}, {0xEEEF, 0xFA40, 10}, {0xEEF9, 0x81CA, 1},  {0xEEFA, 0xFA55, 3},
    {0xFA4A, 0x8754, 10}, {0xFA54, 0x81CA, 1},  {0xFA58, 0x878A, 1},  {0xFA59, 0x8782, 1},  {0xFA5A, 0x8784, 1},
    {0xFA5B, 0x81E6, 1},
};
constexpr CaseRun k936Pairs[] = {
    {0xA2F1, 0xA2A1, 10}, {0xA3C1, 0xA3E1, 26}, {0xA6A1, 0xA6C1, 24}, {0xA7A1, 0xA7D1, 33}};
constexpr CaseRun k949Pairs[] = {
    {0xA3C1, 0xA3E1, 26}, {0xA5B0, 0xA5A1, 10}, {0xA5C1, 0xA5E1, 24}, {0xA8A1, 0xA9A1, 1}, {0xA8A2, 0xA9A3, 1},
    {0xA8A4, 0xA9A4, 1},  {0xA8A6, 0xA9A6, 1},  {0xA8A8, 0xA9A8, 4},  {0xA8AD, 0xA9AD, 3}, {0xACA1, 0xACD1, 33},
};
constexpr CaseRun k950Pairs[] = {{0xA2CF, 0xA2E9, 22}, {0xA2E5, 0xA340, 4}, {0xA344, 0xA35C, 24}};
constexpr CaseRun k950Preferred[] = {{0xA2A4, 0xF9F9, 1}, {0xA2A5, 0xF9E9, 3}, {0xA2CC, 0xA451, 1},
                                     {0xA2CE, 0xA4CA, 1}, {0xF9FA, 0xA27E, 1}, {0xF9FB, 0xA2A1, 3}};

CodePageCase CaseOf(UINT codePage) {
    switch (codePage) {
    case 1252:
        return {k1252Pairs, k1252LowerOnly, k1252Caseless, k1252Digits, {}, {}};
    case 932:
        return {{}, {}, k932Kana, {}, k932Pairs, k932Preferred};
    case 936:
        return {{}, {}, {}, {}, k936Pairs, {}};
    case 949:
        return {{}, {}, {}, {}, k949Pairs, {}};
    case 950:
        return {{}, {}, {}, {}, k950Pairs, k950Preferred};
    default:
        return {};
    }
}

struct ByteTables {
    std::array<uint8_t, 256> upper;
    std::array<uint8_t, 256> lower;
    std::array<uint8_t, 256> classes;
};

ByteTables BuildByteTables(const CodePageCase &cases) {
    ByteTables t{};
    for (int b = 0; b < 256; ++b) t.upper[b] = t.lower[b] = static_cast<uint8_t>(b);
    auto pair = [&t](int upper, int lower) {
        t.lower[upper] = static_cast<uint8_t>(lower);
        t.upper[lower] = static_cast<uint8_t>(upper);
        t.classes[upper] = kAlpha | kUpper;
        t.classes[lower] = kAlpha | kLower;
    };
    for (int i = 0; i < 26; ++i) pair('A' + i, 'a' + i);
    for (int d = '0'; d <= '9'; ++d) t.classes[d] = kDigit;
    for (const CaseRun &run : cases.bytePairs)
        for (int i = 0; i < run.count; ++i) pair(run.upper + i, run.lower + i);
    for (uint8_t b : cases.lowerOnly) t.classes[b] = kAlpha | kLower;
    for (uint8_t b : cases.caselessLetters) t.classes[b] = kAlpha;
    for (uint8_t b : cases.otherDigits) t.classes[b] = kDigit;
    return t;
}

// The tables of the process's code page, which is fixed for its life.
struct ActiveCodePage {
    UINT codePage;
    CodePageCase cases;
    ByteTables bytes;
};

const ActiveCodePage &Active() {
    static const ActiveCodePage active = [] {
        const UINT codePage = GetACP();
        const CodePageCase cases = CaseOf(codePage);
        return ActiveCodePage{codePage, cases, BuildByteTables(cases)};
    }();
    return active;
}

enum class Direction { kToUpper, kToLower };

uint16_t MapThroughRuns(uint16_t code, std::span<const CaseRun> runs, Direction direction) {
    for (const CaseRun &run : runs) {
        const uint16_t from = direction == Direction::kToLower ? run.upper : run.lower;
        const uint16_t to = direction == Direction::kToLower ? run.lower : run.upper;
        if (code >= from && code < from + run.count) return static_cast<uint16_t>(to + (code - from));
    }
    return code;
}

uint16_t MapDoubleByte(uint16_t code, Direction direction) {
    const CodePageCase &cases = Active().cases;
    // The preferred encodings only ever run from the second encoding to the
    // first, whichever way the case goes.
    const uint16_t preferred = MapThroughRuns(code, cases.preferred, Direction::kToLower);
    return MapThroughRuns(preferred, cases.doubleBytePairs, direction);
}

uint8_t MapByte(uint8_t b, Direction direction) {
    const ByteTables &t = Active().bytes;
    return direction == Direction::kToUpper ? t.upper[b] : t.lower[b];
}

// Maps `length` bytes of text in place, a double-byte character as a whole.
void MapText(char *text, DWORD length, Direction direction) {
    const UINT codePage = Active().codePage;
    for (DWORD i = 0; i < length;) {
        const auto b = static_cast<uint8_t>(text[i]);
        if (IsDBCSLeadByteEx(codePage, b)) {
            if (i + 1 < length && text[i + 1] != '\0') {
                const uint16_t code =
                    MapDoubleByte(static_cast<uint16_t>(b << 8 | static_cast<uint8_t>(text[i + 1])), direction);
                text[i] = static_cast<char>(code >> 8);
                text[i + 1] = static_cast<char>(code & 0xFF);
                i += 2;
            } else {
                ++i; // a lead byte without its trail is left alone
            }
            continue;
        }
        text[i] = static_cast<char>(MapByte(b, direction));
        ++i;
    }
}

// A pointer argument whose high bits are all zero carries one character in
// its low byte instead of a text.
bool IsSingleCharacter(LPCSTR p) { return (reinterpret_cast<ULONG_PTR>(p) >> 16) == 0; }

LPSTR MapTextOrCharacter(LPSTR text, Direction direction) {
    if (IsSingleCharacter(text)) {
        char c = static_cast<char>(reinterpret_cast<ULONG_PTR>(text) & 0xFF);
        MapText(&c, 1, direction);
        return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<uint8_t>(c)));
    }
    MapText(text, static_cast<DWORD>(std::strlen(text)), direction);
    return text;
}

bool HasClass(CHAR c, uint8_t wanted) { return (Active().bytes.classes[static_cast<uint8_t>(c)] & wanted) != 0; }

} // namespace

extern "C" {

LPSTR WINAPI CharUpperA(LPSTR text) { return MapTextOrCharacter(text, Direction::kToUpper); }

LPSTR WINAPI CharLowerA(LPSTR text) { return MapTextOrCharacter(text, Direction::kToLower); }

DWORD WINAPI CharUpperBuffA(LPSTR text, DWORD length) {
    if (text == nullptr) return 0;
    MapText(text, length, Direction::kToUpper);
    return length;
}

DWORD WINAPI CharLowerBuffA(LPSTR text, DWORD length) {
    if (text == nullptr) return 0;
    MapText(text, length, Direction::kToLower);
    return length;
}

BOOL WINAPI IsCharAlphaA(CHAR c) { return HasClass(c, kAlpha) ? TRUE : FALSE; }

BOOL WINAPI IsCharAlphaNumericA(CHAR c) { return HasClass(c, kAlpha | kDigit) ? TRUE : FALSE; }

BOOL WINAPI IsCharUpperA(CHAR c) { return HasClass(c, kUpper) ? TRUE : FALSE; }

BOOL WINAPI IsCharLowerA(CHAR c) { return HasClass(c, kLower) ? TRUE : FALSE; }

} // extern "C"
