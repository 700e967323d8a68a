// Positions, first and last characters, searches and comparisons.  In
// double-byte mode a search for a byte never stops on a trail byte, even one
// that equals the byte ('A', '\' and '|' below).
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

using namespace intl_text;

namespace {

struct FindRow {
    std::string text;
    uint16_t code;
    int offset;
};

void ExpectChr(std::initializer_list<FindRow> rows) {
    for (const FindRow &row : rows) {
        const auto text = Exact(row.text);
        EXPECT_EQ(OffsetIn(text.data(), IntlStrChr(text.data(), row.code)), row.offset)
            << testing::PrintToString(row.text) << " " << std::hex << row.code;
    }
}

struct SearchRow {
    std::string text;
    std::string set;
    int offset;
};

void ExpectSearch(std::initializer_list<SearchRow> rows) {
    for (const SearchRow &row : rows) {
        const auto text = Exact(row.text);
        const auto set = Exact(row.set);
        EXPECT_EQ(OffsetIn(text.data(), IntlStrSearch(text.data(), set.data())), row.offset)
            << testing::PrintToString(row.text) << " in " << testing::PrintToString(row.set);
    }
}

void ExpectPositionRows() {
    const auto abc = Exact("abc");
    EXPECT_EQ(OffsetIn(abc.data(), IntlStrNthChar(abc.data(), 0)), 0);
    EXPECT_EQ(OffsetIn(abc.data(), IntlStrNthChar(abc.data(), 3)), 3);
    EXPECT_EQ(IntlStrNthChar(abc.data(), 4), nullptr);
    EXPECT_EQ(IntlStrNthChar(abc.data(), -1), nullptr);
    // Single bytes are sign-extended; IntlDBCSChar zero-extends them.
    EXPECT_EQ(IntlStrLastChar("caf\xE9"), static_cast<int16_t>(0xFFE9));
    EXPECT_EQ(IntlStrFirstChar("\xB1t"), static_cast<int16_t>(0xFFB1));
    EXPECT_EQ(IntlStrFirstChar("ab"), 'a');
    EXPECT_EQ(IntlStrLastChar("ab"), 'b');
    EXPECT_EQ(IntlStrFirstChar(""), 0);
    ExpectChr({{"abc", 'b', 1}, {"abc", 'x', -1}, {"abc", 0, 3}, {"", 0, 0}, {"a\x41", 0x141, -1}});
    ExpectSearch({{"hello world", "ow", 4}, {"hello", "xyz", -1}, {"hello", "", -1}, {"", "a", -1}});
    // Equality is byte for byte; a null text equals only a null text.
    EXPECT_EQ(IntlIsStrEqual(nullptr, nullptr), 1);
    EXPECT_EQ(IntlIsStrEqual(nullptr, ""), 0);
    EXPECT_EQ(IntlIsStrnEqual("abc", "abd", 2), 1);
}

} // namespace

TEST(StringSearch, SingleByteText) { ExpectPositionRows(); }
TEST(StringSearchOnJapaneseSystem, SingleByteText) { ExpectPositionRows(); }

TEST(StringSearchOnJapaneseSystem, TrailBytesAreNeverTakenForBytes) {
    ExpectChr({
        {kA, 'A', -1},
        {kA + "A", 'A', 2},
        {kHyo + "\\", '\\', 2},
        {kPo + "x|", '|', 3},
        {"x" + kA, 0x8341, 1},
        {kA, 0x41, -1},
        // A lead byte without its trail ends the search.
        {"a\x83", 0x83, -1},
        {"a\x83", 0, 2},
    });
    ExpectSearch({{kA + kHyo + "\\A", "A\\", 4}, {kPo + "|", "|", 2}, {"ab" + kHyo, kHyo + "x", 2}});
}

TEST(StringSearchOnJapaneseSystem, PositionsCountCharacters) {
    const auto text = Exact(kA + "b" + kHyo);
    EXPECT_EQ(OffsetIn(text.data(), IntlStrNthChar(text.data(), 2)), 3);
    EXPECT_EQ(OffsetIn(text.data(), IntlStrNthChar(text.data(), 3)), 5);
    EXPECT_EQ(IntlStrNthChar(text.data(), 4), nullptr);
    EXPECT_EQ(IntlStrFirstChar(text.data()), static_cast<int16_t>(0x8341));
    EXPECT_EQ(IntlStrLastChar(text.data()), static_cast<int16_t>(0x955C));
    EXPECT_EQ(IntlStrLastChar("a\x83"), static_cast<int16_t>(0xFF83));
}
