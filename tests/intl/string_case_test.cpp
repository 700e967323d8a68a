// Upper, lower and proper case through the system's case mapping: the
// Windows-1252 letters on an English system; on a double-byte system the
// ASCII letters and full-width letters, never a trail byte.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

using namespace intl_text;

namespace {

std::string Upper(const std::string &s) {
    auto text = Exact(s);
    EXPECT_EQ(IntlStrUpper(text.data()), text.data());
    return text.data();
}

std::string Lower(const std::string &s) {
    auto text = Exact(s);
    EXPECT_EQ(IntlStrLower(text.data()), text.data());
    return text.data();
}

Result Proper(const std::string &s) {
    const auto text = Exact(s);
    return IntoBuffer(s.size() + 1, [&](char *dst) { return IntlStrProper(dst, text.data()); });
}

struct CaseRow {
    std::string lower;
    std::string upper;
};

void ExpectCasePairs(std::initializer_list<CaseRow> rows) {
    for (const CaseRow &row : rows) {
        EXPECT_EQ(Upper(row.lower), row.upper) << testing::PrintToString(row.lower);
        EXPECT_EQ(Lower(row.upper), row.lower) << testing::PrintToString(row.upper);
    }
}

void ExpectAsciiRows() {
    ExpectCasePairs({{"hello, world 42", "HELLO, WORLD 42"}, {"", ""}});
    EXPECT_EQ(Proper("hELLO wORLD"), (Result{"Hello World", 11}));
    EXPECT_EQ(Proper("  two\twords\n"), (Result{"  Two\tWords\n", 12}));
}

} // namespace

TEST(StringCase, AsciiText) { ExpectAsciiRows(); }
TEST(StringCaseOnJapaneseSystem, AsciiText) { ExpectAsciiRows(); }

TEST(StringCase, Windows1252Letters) {
    ExpectCasePairs(
        {{"caf\xE9 na\xEFve", "CAF\xC9 NA\xCFVE"}, {"\xF1\x9A\x9C\x9E\xFF\xE6\xFE", "\xD1\x8A\x8C\x8E\x9F\xC6\xDE"}});
    // Letters without a capital, and symbols, stay.
    EXPECT_EQ(Upper("\xDF\xB5\xAA\xBA\x83\xD7\xF7"), "\xDF\xB5\xAA\xBA\x83\xD7\xF7");
    EXPECT_EQ(Proper("\xE9"
                     "COLE fRAN\xC7"
                     "AISE"),
              (Result{"\xC9"
                      "cole Fran\xE7"
                      "aise",
                      15}));
}

TEST(StringCaseOnJapaneseSystem, TrailBytesKeepTheirCase) {
    // 0x83 0x61 and 0x83 0x41 are two katakana: their trail bytes 'a' and 'A'
    // are not letters.
    EXPECT_EQ(Upper("a\x83\x61z"), "A\x83\x61Z");
    EXPECT_EQ(Lower("A\x83\x41Z"), "a\x83\x41z");
    ExpectCasePairs({{kWideSmallA + "b", kWideCapitalA + "B"}});
}

TEST(StringCaseOnJapaneseSystem, ProperCapitalisesFullWidthWords) {
    const std::string wideB = "\x82\x61";      // full-width B
    const std::string wideSmallB = "\x82\x82"; // full-width b
    EXPECT_EQ(Proper(wideB + kWideCapitalA + kWideBlank + kWideSmallA + "X"),
              (Result{wideB + kWideSmallA + kWideBlank + kWideCapitalA + "x", 5}));
    EXPECT_EQ(Proper(wideSmallB + " " + kA + "A"), (Result{wideB + " " + kA + "a", 4}));
}

TEST(StringCaseOnKoreanSystem, FullWidthLettersHaveCase) {
    ExpectCasePairs({{"a\xA3\xE1", "A\xA3\xC1"}});
    // A Hangul syllable whose trail byte is a letter.
    EXPECT_EQ(Upper("\x81\x61"), "\x81\x61");
}
