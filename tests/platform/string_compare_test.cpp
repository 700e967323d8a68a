// lstrcmpiA compares as the user's locale sorts, not by byte value: symbols
// before digits before letters, accents after letters, hyphens and
// apostrophes last.  The rows hold for Win32 itself.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct CompareRow {
    const char *a;
    const char *b;
    int order; // the sign of lstrcmpiA(a, b)
};

int Sign(int v) { return (v > 0) - (v < 0); }

void ExpectOrder(std::initializer_list<CompareRow> rows) {
    for (const CompareRow &row : rows) {
        EXPECT_EQ(Sign(lstrcmpiA(row.a, row.b)), row.order)
            << testing::PrintToString(row.a) << " vs " << testing::PrintToString(row.b);
        EXPECT_EQ(Sign(lstrcmpiA(row.b, row.a)), -row.order) << "reversed";
    }
}

void ExpectAsciiOrder() {
    ExpectOrder({
        {"abc", "ABC", 0},
        {"a", "b", -1},
        {"", "a", -1},
        {"10", "9", -1},
        {":", "0", -1}, // punctuation before digits
        {"~", "!", 1},
        {"a b", "ab", -1},
        {"co-op", "coop", 1}, // the hyphen counts only after the letters
        {"co-op", "cop", -1},
        {"a'b", "ab", 1},
        {"-", "'", 1},
        {nullptr, nullptr, 0},
        {nullptr, "", -1},
    });
}

} // namespace

TEST(StringCompare, Ascii) { ExpectAsciiOrder(); }
TEST(StringCompareOnJapaneseSystem, Ascii) { ExpectAsciiOrder(); }

TEST(StringCompare, Windows1252Letters) {
    ExpectOrder({
        {"\xC9"
         "COLE",
         "\xE9"
         "cole",
         0},
        {"\xFF", "\x9F", 0},
        {"\xE9", "f", -1}, // é sorts with e
        {"\xE9", "E", 1},  // after the plain letter
        {"e\xE9", "ee", 1},
        {"\xDF", "ss", 0}, // ß, æ and œ sort as two letters
        {"\xE6", "ae", 0},
        {"\xAD"
         "a",
         "a", 0}, // the soft hyphen is ignored
    });
}
