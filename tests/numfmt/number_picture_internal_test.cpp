// Internals of number pictures: the currency texts and their per-thread
// record, the layout of a section, and the profile modes of tokenizing.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "datetime/intl_profile.h"
#include "numfmt/currency_affixes.h"
#include "numfmt/picture_settings.h"
#include "numfmt/picture_syntax.h"
#include "numfmt/number_picture_support.h"

namespace {

struct Affixes {
    std::string posPrefix, posSuffix, negPrefix, negSuffix;
    bool operator==(const Affixes &) const = default;
};
void PrintTo(const Affixes &a, std::ostream *os) {
    *os << '[' << a.posPrefix << "|" << a.posSuffix << "|" << a.negPrefix << "|" << a.negSuffix << ']';
}

Affixes Build(int32_t position, int32_t negFormat, const char *symbol, bool expected = true) {
    CURRAFFIX a;
    std::memset(&a, 'Z', sizeof a);
    EXPECT_EQ(FMTBuildCurrAffixes(position, negFormat, symbol, &a), expected) << symbol;
    EXPECT_EQ(a.bBuilt, 1u);
    return {a.szPosPrefix, a.szPosSuffix, a.szNegPrefix, a.szNegSuffix};
}

TEST(NumberPictureInternals, CurrencyTexts) {
    const struct {
        int32_t position, negFormat;
        Affixes expected;
    } rows[] = {
        {0, 0, {"$", "", "($", ")"}}, {1, 1, {"", "$", "-$", ""}},   {2, 2, {"$ ", "", "$-", ""}},
        {3, 3, {"", " $", "$", "-"}}, {0, 4, {"$", "", "(", "$)"}},  {0, 5, {"$", "", "-", "$"}},
        {0, 6, {"$", "", "", "-$"}},  {0, 7, {"$", "", "", "$-"}},   {0, 8, {"$", "", "-", " $"}},
        {0, 9, {"$", "", "-$ ", ""}}, {0, 10, {"$", "", "", " $-"}}, {4, 11, {"", "", "", ""}},
        {-1, 15, {"", "", "", ""}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Build(row.position, row.negFormat, "$"), row.expected) << row.position << " " << row.negFormat;
    EXPECT_EQ(Build(3, 10, "1234567"), (Affixes{"", " 1234567", "", " 1234567-"})) << "the longest symbol";
    EXPECT_EQ(Build(3, 10, "12345678", false), (Affixes{"", "", "", ""})) << "one byte too long";
    EXPECT_EQ(Build(0, 0, nullptr), (Affixes{"", "", "(", ")"}));
}

TEST(NumberPictureInternals, PerThreadTextsAreBuiltOnce) {
    numpic::OnFreshThread([] {
        numpic::UseBuiltInProfile();
        const CURRAFFIX *first = FMTGetThreadCurrAffixes();
        ASSERT_NE(first, nullptr);
        EXPECT_STREQ(first->szPosPrefix, "$ ");
        std::string other;
        {
            numpic::GermanUser german;
            FMTSetProfileIntl();
            EXPECT_EQ(FMTGetThreadCurrAffixes(), first);
            EXPECT_STREQ(first->szPosPrefix, "$ ") << "kept when the settings change";
            std::thread([&other] {
                other = FMTGetThreadCurrAffixes()->szPosSuffix;
                TLS_FreeAll();
            }).join();
        }
        EXPECT_EQ(other, " EUR") << "a new thread builds its own";
    });
}

TEST(NumberPictureInternals, SectionLayout) {
    const struct {
        const char *section;
        int places, zeros, minPlaces;
        bool grouping;
        const char *suffix;
    } rows[] = {
        {"#,##0.00", 2, 1, 2, true, ""},      {"#,##0.0#' kg'", 2, 1, 1, true, "' kg'"},
        {"0,000", 0, 4, 0, true, ""},         {"#,##0,", 0, 1, 0, true, ""},
        {"#,###", 0, 0, 0, true, ""},         {"#,' x'", 0, 0, 0, false, ",' x'"},
        {"0%", 0, 1, 0, false, "%"},          {"'a'#.##_)", 2, 0, 0, false, "_)"},
        {"0.", 0, 1, 0, false, ""},           {"'zero'", 0, 0, 0, false, ""},
        {"00.0E+00", 1, 2, 1, false, "E+00"},
    };
    const FMTSeparators english{',', '.'};
    for (const auto &row : rows) {
        const FMTSectionLayout layout = FMTAnalyzeNumberSection(row.section, english, false);
        EXPECT_EQ(layout.places, row.places) << row.section;
        EXPECT_EQ(layout.zeros, row.zeros) << row.section;
        EXPECT_EQ(layout.minPlaces, row.minPlaces) << row.section;
        EXPECT_EQ(layout.grouping, row.grouping) << row.section;
        EXPECT_EQ(layout.suffix, row.suffix) << row.section;
    }
}

TEST(NumberPictureInternals, TokenizingModesAndTheStaleFlag) {
    numpic::Request request(&numpic::kEnglish);
    request.Picture("#,##0").Output(16);
    // Mode 0: the built-in profile, the pending re-read given up.
    FMTWinIniChanged();
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 0), 1u);
    EXPECT_FALSE(FMTIsProfileStale());
    EXPECT_STREQ(FMTGetIntlString(0), "M/d/yy");
    // Mode 1 without the profile's settings: the re-read stays pending.
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 1), 1u);
    EXPECT_TRUE(FMTIsProfileStale());
    // ... unless it was pending already.
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 1), 1u);
    EXPECT_FALSE(FMTIsProfileStale());
    // Other modes leave the flag alone.
    FMTWinIniChanged();
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 7), 1u);
    EXPECT_TRUE(FMTIsProfileStale());
    FMTSetProfileIntl();
}

} // namespace
