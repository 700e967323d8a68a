// Internals of number pictures: the currency texts and their per-thread
// record, and the profile modes of tokenizing.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "datetime/intl_profile.h"
#include "numfmt/currency_affixes.h"
#include "numfmt/picture_settings.h"
#include "numfmt/number_picture_support.h"

namespace {

using NumberPictureInternals = numpic::ProfileTest;

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

TEST_F(NumberPictureInternals, CurrencyTexts) {
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

TEST_F(NumberPictureInternals, PerThreadTextsAreBuiltOnce) {
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

TEST_F(NumberPictureInternals, TokenizingModesAndTheStaleFlag) {
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
}

} // namespace
