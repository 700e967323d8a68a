// Half-width <-> full-width conversion, byte-exact, in and out of DBCS mode.
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Conversion = int32_t(ORVEXAPI *)(char *, const char *);

struct Converted {
    std::string text;
    int32_t count;

    bool operator==(const Converted &) const = default;
};

void PrintTo(const Converted &c, std::ostream *os) {
    *os << testing::PrintToString(c.text) << " (" << c.count << " characters)";
}

// Converts into a buffer of exactly the documented worst case, so that a
// sanitizer build catches any write beyond it.
Converted Convert(Conversion convert, const std::string &src) {
    std::vector<char> dst(2 * src.size() + 1, '\x55');
    const int32_t count = convert(dst.data(), src.c_str());
    return {std::string(dst.data()), count};
}

std::string Code(uint16_t code) { return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}; }

bool IsHalfWidthByte(int b) { return (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF); }

// Kana bytes for which kana + mark converts to a single full-width character.
std::vector<int> KanaCombiningWith(char mark) {
    std::vector<int> combining;
    for (int kana = 0xA1; kana <= 0xDF; ++kana) {
        const std::string pair = {static_cast<char>(kana), mark};
        if (Convert(IntlStrJapanFull, pair).count == 1) combining.push_back(kana);
    }
    return combining;
}

std::vector<int> ByteRun(int first, int last) {
    std::vector<int> run;
    for (int b = first; b <= last; ++b) run.push_back(b);
    return run;
}

// In either mode a null argument is refused before anything is read.
void ExpectNullArgumentsRefused() {
    char dst[4] = {};
    for (Conversion convert : {IntlStrJapanFull, IntlStrJapanHalf}) {
        EXPECT_EQ(convert(nullptr, "A"), -1);
        EXPECT_EQ(convert(dst, nullptr), -1);
    }
}

} // namespace

TEST(JapanWidth, CopiesUnchangedWhenNotDBCS) {
    for (const std::string src : {"", "\xB6\xDE\x41", "\x83\x94 a\x83\x4B", "\x83"}) {
        const Converted unchanged{src, static_cast<int32_t>(src.size())};
        EXPECT_EQ(Convert(IntlStrJapanFull, src), unchanged);
        EXPECT_EQ(Convert(IntlStrJapanHalf, src), unchanged);
    }
}

TEST(JapanWidth, NullArgumentsRefused) { ExpectNullArgumentsRefused(); }
TEST(JapanWidthOnJapaneseSystem, NullArgumentsRefused) { ExpectNullArgumentsRefused(); }

TEST(JapanWidthOnJapaneseSystem, FullWidensHalfWidthText) {
    const struct {
        std::string src;
        Converted full;
    } rows[] = {
        {"", {"", 0}},
        {"\xB6\xDE\x41", {"\x83\x4B\x82\x60", 2}},
        {"\xB3\xDE", {"\x83\x94", 1}},
        {"\xCA\xDE\xCA\xDF", {"\x83\x6F\x83\x70", 2}},
        // Marks that do not combine stay characters of their own.
        {"\xB1\xDE", {"\x83\x41\x81\x4A", 2}},
        {"\xB6\xDF", {"\x83\x4A\x81\x4B", 2}},
        {"\xB6\xDE\xDE", {"\x83\x4B\x81\x4A", 2}},
        {"a1 ~", {"\x82\x81\x82\x50\x81\x40\x81\x60", 4}},
        // Control bytes, DEL, 0xA0 and bytes above the kana are copied.
        {"\t\x7F\xA0\xFD", {"\t\x7F\xA0\xFD", 4}},
        // Double-byte characters are copied, even when the trail byte looks
        // like a kana followed by a mark.
        {"\x88\x9F"
         "A",
         {"\x88\x9F\x82\x60", 2}},
        {"\x83\xB6\xDE", {"\x83\xB6\x81\x4A", 2}},
        // A lead byte before the terminator is a single byte.
        {"A\x83", {"\x82\x60\x83", 2}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Convert(IntlStrJapanFull, row.src), row.full) << testing::PrintToString(row.src);
}

// The table's own codes, the small kana among them, are walked one by one in
// HalfNarrowsExactlyTheTableCodes; these rows are the texts around them.
TEST(JapanWidthOnJapaneseSystem, HalfNarrowsFullWidthText) {
    const struct {
        std::string src;
        Converted half;
    } rows[] = {
        {"\x83\x4B\x82\x60\x81\x4A",
         {"\xB6\xDE"
          "A\xDE",
          4}}, // one character becomes two
        {"\x88\x9F", {"\x88\x9F", 1}},
        // Just past the table, and below it.
        {"\x83\x97\x81\x3F", {"\x83\x97\x81\x3F", 2}},
        {"A\t\xB1", {"A\t\xB1", 3}},
        {"\x82\x60\x83", {"A\x83", 2}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Convert(IntlStrJapanHalf, row.src), row.half) << testing::PrintToString(row.src);
}

TEST(JapanWidthOnJapaneseSystem, EveryHalfWidthCharacterRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (!IsHalfWidthByte(b)) continue;
        const std::string half(1, static_cast<char>(b));
        const Converted full = Convert(IntlStrJapanFull, half);
        ASSERT_EQ(full.text.size(), 2u) << "byte " << b;
        EXPECT_EQ(full.count, 1) << "byte " << b;
        EXPECT_EQ(Convert(IntlStrJapanHalf, full.text), (Converted{half, 1})) << "byte " << b;
    }
}

TEST(JapanWidthOnJapaneseSystem, EverySoundMarkPairRoundTrips) {
    std::vector<int> voiced = {0xB3};
    for (int b : ByteRun(0xB6, 0xC4)) voiced.push_back(b);
    for (int b : ByteRun(0xCA, 0xCE)) voiced.push_back(b);
    EXPECT_EQ(KanaCombiningWith('\xDE'), voiced);
    EXPECT_EQ(KanaCombiningWith('\xDF'), ByteRun(0xCA, 0xCE));

    for (char mark : {'\xDE', '\xDF'}) {
        for (int kana : KanaCombiningWith(mark)) {
            const std::string pair = {static_cast<char>(kana), mark};
            const Converted full = Convert(IntlStrJapanFull, pair);
            EXPECT_EQ(Convert(IntlStrJapanHalf, full.text), (Converted{pair, 2})) << testing::PrintToString(pair);
        }
    }
}

// Walks every double-byte code from 0x8140 to 0x84FC: exactly the 187 codes
// of the table narrow, each back to the text that widens to it, except the
// three that narrow to a near kana.
TEST(JapanWidthOnJapaneseSystem, HalfNarrowsExactlyTheTableCodes) {
    const struct {
        uint16_t code;
        std::string half;
    } oneWay[] = {{0x838E, "\xDC"}, {0x8395, "\xB6"}, {0x8396, "\xB9"}};

    int narrowed = 0;
    for (uint16_t code = 0x8140; code <= 0x84FC; ++code) {
        if ((code & 0xFF) < 0x40 || (code & 0xFF) == 0x7F || (code & 0xFF) > 0xFC) continue; // not a trail byte
        const std::string full = Code(code);
        const Converted half = Convert(IntlStrJapanHalf, full);
        if (half.text == full) continue;
        ++narrowed;
        SCOPED_TRACE(testing::Message() << std::hex << code);
        EXPECT_LE(code, 0x8396);
        bool isOneWay = false;
        for (const auto &row : oneWay) {
            if (row.code == code) {
                isOneWay = true;
                EXPECT_EQ(half.text, row.half);
            }
        }
        if (!isOneWay) {
            EXPECT_EQ(Convert(IntlStrJapanFull, half.text), (Converted{full, 1}));
        }
    }
    EXPECT_EQ(narrowed, 187);
}

TEST(JapanWidthOnKoreanSystem, ConvertsInAnyDBCSModeAndKeepsTheSystemsCharacters) {
    // 0xB6 leads a Korean character, so the pair is not a half-width kana.
    EXPECT_EQ(Convert(IntlStrJapanFull, "A\xB6\xDE"), (Converted{"\x82\x60\xB6\xDE", 2}));
}
