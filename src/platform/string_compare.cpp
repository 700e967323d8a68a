// Text length and the case-insensitive comparison of the user's locale.
//
// The comparison is linguistic, not by byte value: it compares sort keys
// level by level, as the system does:
//   1. the letters, digits and symbols themselves (symbols before digits
//      before letters; an accented letter sorts with its base letter; æ œ ß þ
//      sort as ae oe ss th);
//   2. the accents, character by character;
//   3. the width and superscript forms (case is ignored);
//   4. the hyphen, apostrophe, dashes and control characters, which count
//      only here, by their place among the others ("coop" < "co-op" < "cop").
// The weights are those of the system's default sort order.  They are
// complete for the bytes of code page 1252 and for ASCII on the double-byte
// code pages; there the other characters (kana, kanji, full-width forms)
// sort after all single-byte ones, half-width kana by their plain order and
// other double-byte characters by code, which the system's order only
// approximates.  Single-code-page bytes beyond ASCII other than 1252 sort by
// byte value after everything else.
#include <windows.h>

#include <array>
#include <cstring>
#include <string>

namespace {

// The case-folded form of the ASCII letters and digits; 0 for every other
// byte, the terminator included.
constexpr std::array<unsigned char, 256> kAlphanumericFold = [] {
    std::array<unsigned char, 256> fold{};
    for (int c = '0'; c <= '9'; ++c) fold[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) fold[c] = fold[c - 'a' + 'A'] = static_cast<unsigned char>(c);
    return fold;
}();

bool OnlyAlphanumeric(const unsigned char *p) {
    for (; *p; ++p)
        if (!kAlphanumericFold[*p]) return false;
    return true;
}

// The order of two texts made only of ASCII letters and digits; false when
// either holds anything else.  One pass up to the first difference, then
// the rest of both is checked, since another character there changes the
// rules.
bool AlphanumericOrder(const char *a, const char *b, int &order) {
    auto x = reinterpret_cast<const unsigned char *>(a), y = reinterpret_cast<const unsigned char *>(b);
    unsigned char fx, fy;
    while ((fx = kAlphanumericFold[*x]) == (fy = kAlphanumericFold[*y]) && fx) ++x, ++y;
    if ((!fx && *x) || (!fy && *y) || !OnlyAlphanumeric(x) || !OnlyAlphanumeric(y)) return false;
    order = fx < fy ? -1 : (fx > fy ? 1 : 0);
    return true;
}

// How one byte of text enters a sort key.
struct SortWeight {
    enum Kind : uint8_t { kIgnored, kPrimary, kExpansion, kSpecial, kMark, kUnknown };
    Kind kind;
    uint16_t primary;  // script * 256 + weight (kPrimary, kExpansion)
    uint16_t second;   // the second character of an expansion
    uint8_t diacritic; // 2 = none; for kMark, added to the preceding character's
    uint8_t form;      // 2 = plain; superscripts and ordinals differ
    uint8_t special;   // the level-4 weight (kSpecial)
};

constexpr SortWeight P(uint16_t primary) { return {SortWeight::kPrimary, primary, 0, 2, 2, 0}; }
constexpr SortWeight L(uint16_t primary, uint8_t diacritic, uint8_t form) {
    return {SortWeight::kPrimary, primary, 0, diacritic, form, 0};
}
constexpr SortWeight X(uint16_t primary, uint16_t second) { return {SortWeight::kExpansion, primary, second, 2, 2, 0}; }
constexpr SortWeight S(uint8_t special) { return {SortWeight::kSpecial, 0, 0, 2, 2, special}; }
constexpr SortWeight M(uint8_t diacritic) { return {SortWeight::kMark, 0, 0, diacritic, 2, 0}; }
constexpr SortWeight I() { return {SortWeight::kIgnored, 0, 0, 2, 2, 0}; }
constexpr SortWeight U() { return {SortWeight::kUnknown, 0, 0, 2, 2, 0}; }

// Bytes 0x00..0x7F, the same on every code page but for the backslash,
// which is the yen sign on 932 and the won sign on 949.
constexpr SortWeight kAscii[128] = {
    I(),       S(0x03),   S(0x04),   S(0x05),   S(0x06),   S(0x07),   S(0x08),   S(0x09),   S(0x0A),   P(0x0705),
    P(0x0706), P(0x0707), P(0x0708), P(0x0709), S(0x0B),   S(0x0C),   S(0x0D),   S(0x0E),   S(0x0F),   S(0x10),
    S(0x11),   S(0x12),   S(0x13),   S(0x14),   S(0x15),   S(0x16),   S(0x17),   S(0x18),   S(0x19),   S(0x1A),
    S(0x1B),   S(0x1C),   P(0x0702), P(0x071C), P(0x071D), P(0x071F), P(0x0721), P(0x0723), P(0x0725), S(0x80),
    P(0x0727), P(0x072A), P(0x072D), P(0x0803), P(0x072F), S(0x82),   P(0x0733), P(0x0735), P(0x0D03), P(0x0D1A),
    P(0x0D1C), P(0x0D1E), P(0x0D20), P(0x0D22), P(0x0D24), P(0x0D26), P(0x0D28), P(0x0D2A), P(0x0737), P(0x073A),
    P(0x080E), P(0x0812), P(0x0814), P(0x073C), P(0x073E), P(0x0E02), P(0x0E09), P(0x0E0A), P(0x0E1A), P(0x0E21),
    P(0x0E23), P(0x0E25), P(0x0E2C), P(0x0E32), P(0x0E35), P(0x0E36), P(0x0E48), P(0x0E51), P(0x0E70), P(0x0E7C),
    P(0x0E7E), P(0x0E89), P(0x0E8A), P(0x0E91), P(0x0E99), P(0x0E9F), P(0x0EA2), P(0x0EA4), P(0x0EA6), P(0x0EA7),
    P(0x0EA9), P(0x073F), P(0x0741), P(0x0742), P(0x0743), P(0x0744), P(0x0748), P(0x0E02), P(0x0E09), P(0x0E0A),
    P(0x0E1A), P(0x0E21), P(0x0E23), P(0x0E25), P(0x0E2C), P(0x0E32), P(0x0E35), P(0x0E36), P(0x0E48), P(0x0E51),
    P(0x0E70), P(0x0E7C), P(0x0E7E), P(0x0E89), P(0x0E8A), P(0x0E91), P(0x0E99), P(0x0E9F), P(0x0EA2), P(0x0EA4),
    P(0x0EA6), P(0x0EA7), P(0x0EA9), P(0x074A), P(0x074C), P(0x074E), P(0x0750), S(0x1D),
};

// Diacritic weights of the accented letters of 1252.
enum Accent : uint8_t {
    kAcute = 0x0E,
    kGrave = 0x0F,
    kCircumflex = 0x12,
    kDiaeresis = 0x13,
    kCaron = 0x14,
    kTilde = 0x19,
    kRing = 0x1A,
    kCedilla = 0x1C,
    kStroke = 0x21,
    kHook = 0x43,
    kEth = 0x68,
};
constexpr uint16_t kA = 0x0E02, kC = 0x0E0A, kD = 0x0E1A, kE = 0x0E21, kF = 0x0E23, kH = 0x0E2C, kI = 0x0E32,
                   kN = 0x0E70, kO = 0x0E7C, kS = 0x0E91, kT = 0x0E99, kUu = 0x0E9F, kY = 0x0EA7, kZ = 0x0EA9;

// Bytes 0x80..0xFF of code page 1252.
// clang-format off: four bytes a line, below the characters of each row
constexpr SortWeight k1252High[128] = {
    // 0x80: € (unused) ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ (unused) Ž (unused)
    P(0x07A9),
    L(0x0CFA, 0x1E, 2),
    P(0x077B),
    L(kF, kHook, 2),
    P(0x077F),
    P(0x0A10),
    P(0x0B25),
    P(0x0B26),
    P(0x0743),
    L(0x0B2C, 0x0C, 2),
    L(kS, kCaron, 2),
    P(0x0788),
    X(kO, kE),
    L(0x0CFA, 0x2A, 2),
    L(kZ, kCaron, 2),
    L(0x0CFA, 0x2C, 2),
    // 0x90: (unused) ‘ ’ “ ” • – — ˜ ™ š › œ (unused) ž Ÿ
    L(0x0CFA, 0x2D, 2),
    P(0x0779),
    P(0x077A),
    P(0x077D),
    P(0x077E),
    P(0x0B27),
    S(0x89),
    S(0x90),
    P(0x075D),
    P(0x0E9C),
    L(kS, kCaron, 2),
    P(0x0789),
    X(kO, kE),
    L(0x0CFA, 0x3A, 2),
    L(kZ, kCaron, 2),
    L(kY, kDiaeresis, 2),
    // 0xA0: no-break space ¡ ¢ £ ¤ ¥ ¦ § ¨ © ª « ¬ soft hyphen ® ¯
    P(0x0704),
    P(0x0751),
    P(0x0797),
    P(0x0798),
    P(0x0799),
    P(0x079A),
    P(0x0752),
    P(0x0A06),
    P(0x0753),
    P(0x0A07),
    L(kA, 0x03, 0x06),
    P(0x0818),
    P(0x0A08),
    I(),
    P(0x0A09),
    P(0x0754),
    // 0xB0: ° ± ² ³ ´ µ ¶ · ¸ ¹ º » ¼ ½ ¾ ¿
    P(0x0A0A),
    P(0x0817),
    L(0x0D1C, 2, 0x06),
    L(0x0D1E, 2, 0x06),
    P(0x0755),
    P(0x0A0B),
    P(0x0A0C),
    P(0x0A0D),
    P(0x0756),
    L(0x0D1A, 2, 0x06),
    L(kO, 0x03, 0x06),
    P(0x081A),
    P(0x0D0D),
    P(0x0D11),
    P(0x0D15),
    P(0x0757),
    // 0xC0: À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    L(kA, kGrave, 2),
    L(kA, kAcute, 2),
    L(kA, kCircumflex, 2),
    L(kA, kTilde, 2),
    L(kA, kDiaeresis, 2),
    L(kA, kRing, 2),
    X(kA, kE),
    L(kC, kCedilla, 2),
    L(kE, kGrave, 2),
    L(kE, kAcute, 2),
    L(kE, kCircumflex, 2),
    L(kE, kDiaeresis, 2),
    L(kI, kGrave, 2),
    L(kI, kAcute, 2),
    L(kI, kCircumflex, 2),
    L(kI, kDiaeresis, 2),
    // 0xD0: Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    L(kD, kEth, 2),
    L(kN, kTilde, 2),
    L(kO, kGrave, 2),
    L(kO, kAcute, 2),
    L(kO, kCircumflex, 2),
    L(kO, kTilde, 2),
    L(kO, kDiaeresis, 2),
    P(0x081C),
    L(kO, kStroke, 2),
    L(kUu, kGrave, 2),
    L(kUu, kAcute, 2),
    L(kUu, kCircumflex, 2),
    L(kUu, kDiaeresis, 2),
    L(kY, kAcute, 2),
    X(kT, kH),
    X(kS, kS),
    // 0xE0: à á â ã ä å æ ç è é ê ë ì í î ï
    L(kA, kGrave, 2),
    L(kA, kAcute, 2),
    L(kA, kCircumflex, 2),
    L(kA, kTilde, 2),
    L(kA, kDiaeresis, 2),
    L(kA, kRing, 2),
    X(kA, kE),
    L(kC, kCedilla, 2),
    L(kE, kGrave, 2),
    L(kE, kAcute, 2),
    L(kE, kCircumflex, 2),
    L(kE, kDiaeresis, 2),
    L(kI, kGrave, 2),
    L(kI, kAcute, 2),
    L(kI, kCircumflex, 2),
    L(kI, kDiaeresis, 2),
    // 0xF0: ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    L(kD, kEth, 2),
    L(kN, kTilde, 2),
    L(kO, kGrave, 2),
    L(kO, kAcute, 2),
    L(kO, kCircumflex, 2),
    L(kO, kTilde, 2),
    L(kO, kDiaeresis, 2),
    P(0x081D),
    L(kO, kStroke, 2),
    L(kUu, kGrave, 2),
    L(kUu, kAcute, 2),
    L(kUu, kCircumflex, 2),
    L(kUu, kDiaeresis, 2),
    L(kY, kAcute, 2),
    X(kT, kH),
    L(kY, kDiaeresis, 2),
};
// clang-format on

// The single bytes 0xA1..0xDF of 932: punctuation, then the half-width kana
// with their sound marks, which add to the accent of the kana before them.
constexpr SortWeight k932Kana[0xDF - 0xA1 + 1] = {
    P(0x0734), P(0x079B), P(0x079D), P(0x0731), P(0x0A0E), P(0x224E), P(0x2202), P(0x2203), P(0x2204),
    P(0x2205), P(0x2206), P(0x223A), P(0x223C), P(0x223E), P(0x221C), P(0xFFFF), P(0x2202), P(0x2203),
    P(0x2204), P(0x2205), P(0x2206), P(0x220A), P(0x220B), P(0x220C), P(0x220D), P(0x220E), P(0x2212),
    P(0x2213), P(0x2214), P(0x2215), P(0x2216), P(0x221A), P(0x221B), P(0x221C), P(0x221D), P(0x221E),
    P(0x2222), P(0x2223), P(0x2224), P(0x2225), P(0x2226), P(0x222A), P(0x222B), P(0x222C), P(0x222D),
    P(0x222E), P(0x2232), P(0x2233), P(0x2234), P(0x2235), P(0x2236), P(0x223A), P(0x223C), P(0x223E),
    P(0x2242), P(0x2243), P(0x2244), P(0x2245), P(0x2246), P(0x224A), P(0x2280), M(0x03),   M(0x04),
};

struct SortTable {
    UINT codePage;
    std::array<SortWeight, 256> bytes;
};

SortTable BuildSortTable(UINT codePage) {
    SortTable table{codePage, {}};
    for (int b = 0; b < 128; ++b) table.bytes[b] = kAscii[b];
    for (int b = 128; b < 256; ++b) table.bytes[b] = codePage == 1252 ? k1252High[b - 128] : U();
    if (codePage == 932) {
        table.bytes[0x5C] = P(0x079A);
        for (int b = 0xA1; b <= 0xDF; ++b) table.bytes[b] = k932Kana[b - 0xA1];
    }
    if (codePage == 949) table.bytes[0x5C] = P(0x07A4);
    if (codePage == 936) table.bytes[0x80] = P(0x07A9);
    if (codePage == 949 || codePage == 950) table.bytes[0x80] = L(0x0CFA, 0x1D, 2);
    return table;
}

const SortTable &ActiveSortTable() {
    static const SortTable table = BuildSortTable(GetACP());
    return table;
}

// The sort key of a text, built level by level.  Each section ends in the
// byte 1, which is below every weight, so a key that runs out first sorts
// first; trailing plain accents and forms are left out.
class SortKey {
public:
    explicit SortKey(const char *text) {
        const SortTable &table = ActiveSortTable();
        for (const char *p = text; *p != '\0';) {
            const auto b = static_cast<uint8_t>(*p);
            if (IsDBCSLeadByteEx(table.codePage, b) && p[1] != '\0') {
                AddUnknown({0xFF, b, static_cast<uint8_t>(p[1])});
                p += 2;
                continue;
            }
            Add(table.bytes[b], b);
            ++p;
        }
    }

    std::string Bytes() const {
        std::string key = primary_;
        key += '\1';
        key += WithoutTrailingPlain(diacritics_);
        key += '\1';
        key += WithoutTrailingPlain(forms_);
        key += "\1\1";
        key += special_;
        return key;
    }

private:
    static constexpr char kPlain = 2;

    void Add(const SortWeight &w, uint8_t b) {
        switch (w.kind) {
        case SortWeight::kIgnored:
            return;
        case SortWeight::kPrimary:
            AddElement(w.primary, w.diacritic, w.form);
            return;
        case SortWeight::kExpansion:
            AddElement(w.primary, kPlain, kPlain);
            AddElement(w.second, kPlain, kPlain);
            return;
        case SortWeight::kSpecial:
            // Its place is the number of weighted characters before it.
            special_ += '\xFF';
            special_ += static_cast<char>(elements_ < 0xFD ? 0xFF - elements_ : 2);
            special_ += static_cast<char>(w.special);
            special_ += '\x12';
            return;
        case SortWeight::kMark:
            if (diacritics_.empty())
                diacritics_ += static_cast<char>(w.diacritic);
            else
                diacritics_.back() = static_cast<char>(diacritics_.back() + w.diacritic);
            return;
        case SortWeight::kUnknown:
            AddUnknown({0xFE, b});
            return;
        }
    }

    void AddElement(uint16_t primary, uint8_t diacritic, uint8_t form) {
        primary_ += static_cast<char>(primary >> 8);
        primary_ += static_cast<char>(primary & 0xFF);
        diacritics_ += static_cast<char>(diacritic);
        forms_ += static_cast<char>(form);
        ++elements_;
    }

    void AddUnknown(std::initializer_list<uint8_t> primary) {
        for (uint8_t byte : primary) primary_ += static_cast<char>(byte);
        diacritics_ += kPlain;
        forms_ += kPlain;
        ++elements_;
    }

    static std::string WithoutTrailingPlain(std::string weights) {
        while (!weights.empty() && weights.back() == kPlain) weights.pop_back();
        return weights;
    }

    std::string primary_;
    std::string diacritics_;
    std::string forms_;
    std::string special_;
    int elements_ = 0;
};

} // namespace

extern "C" {

int WINAPI lstrlenA(LPCSTR text) { return text != nullptr ? static_cast<int>(std::strlen(text)) : 0; }

// A null text sorts before every text, the empty one included.  Texts of
// ASCII letters and digits alone (names, designators, keywords: what the
// library compares most) sort as they do by their sort keys without
// building them: digits before letters, letters without regard to case.
int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) {
    if (a == nullptr || b == nullptr) return a == b ? 0 : (a == nullptr ? -1 : 1);
    if (int order; AlphanumericOrder(a, b, order)) return order;
    const int order = SortKey(a).Bytes().compare(SortKey(b).Bytes());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // extern "C"
