// IntlStrScan: the pattern rules (% _ \), case, the one-way backtracking
// after %, and double-byte text where positions count characters.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

using namespace intl_text;

namespace {

struct ScanRow {
    std::string text;
    std::string pattern;
    int32_t position;
};

void ExpectScan(std::initializer_list<ScanRow> rows) {
    for (const ScanRow &row : rows) {
        const auto text = Exact(row.text);
        const auto pattern = Exact(row.pattern);
        EXPECT_EQ(IntlStrScan(text.data(), pattern.data()), row.position)
            << testing::PrintToString(row.text) << " ~ " << testing::PrintToString(row.pattern);
    }
}

void ExpectSingleByteRows() {
    ExpectScan({
        // plain text, any case
        {"Hello World", "WORLD", 6},
        {"abcbd", "bd", 3},
        {"abc", "x", -1},
        {"aaab", "aab", 1},
        {"abc", "abcd", -1},
        // empty texts and patterns
        {"", "", 0},
        {"", "a", -1},
        {"", "%", -1},
        {"abc", "", -1},
        // _ is one character, and a match needs one more after it; a
        // mismatch after a leading _ tries again one character on
        {"a", "_", -1},
        {"ab", "_", 0},
        {"abc", "_c", 1},
        {"xbc", "b_", 1},
        // % is any run, also an empty one
        {"abbc", "a%c", 0},
        {"abc", "%", 0},
        {"xaybzc", "a%b%c", 1},
        {"axbxc", "a%c", 0},
        {"ab", "a%c", -1},
        {"acxc", "a%cd", -1},
        {"abcabd", "a%bd", 0},
        // \ takes the next character literally; a final \ stands for itself
        {"50% off", "0\\%", 1},
        {"a_b", "\\_b", 1},
        {"axb", "\\_b", -1},
        {"a\\b", "\\\\b", 1},
        {"x\\", "\\", 1},
        {"%", "\\%", 0},
    });
    const char text[] = "abc";
    EXPECT_EQ(IntlStrScan(nullptr, text), -1);
    EXPECT_EQ(IntlStrScan(text, nullptr), -1);
}

} // namespace

TEST(StringScan, PatternRules) { ExpectSingleByteRows(); }
TEST(StringScanOnJapaneseSystem, PatternRules) { ExpectSingleByteRows(); }

TEST(StringScan, AccentedLettersIgnoreCase) {
    ExpectScan({{"caf\xC9 au lait", "\xE9 au", 3},
                {"\x8A"
                 "a",
                 "\x9A"
                 "A",
                 0},
                {"\xFF", "\x9F", 0}});
}

TEST(StringScanOnJapaneseSystem, CountsCharactersAndSkipsTrailBytes) {
    ExpectScan({
        {kA + "a", "a", 1}, // trail 'A' is no 'a'
        {kA + "b" + kA + "A", "a", 3},
        {kHyo + "\\", "\\\\", 1}, // trail '\' is no backslash
        {kPo + "|x", "|x", 1},    // trail '|' is no bar
        {kA + kHyo, kHyo, 1},
        {kA + kHyo, "_" + kHyo, 0},
        {"x" + kA + "y", "%" + kA + "y", 0},
        {kHyo + "\\", "\\" + kHyo, 0},          // an escaped double-byte character
        {"ab" + kWideSmallA, kWideCapitalA, 2}, // full-width letters have case too
        {kA, "A", -1},
    });
}
