// Internals of number pictures: the currency texts and their per-thread
// record, the profile modes of tokenizing, and rounded texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>

#include "datetime/intl_profile.h"
#include "numfmt/currency_affixes.h"
#include "numfmt/number_rounding.h"
#include "numfmt/picture_settings.h"
#include "numfmt/picture_syntax.h"
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
    EXPECT_FALSE(FMTProfileIsStale());
    EXPECT_STREQ(FMTGetIntlString(0), "M/d/yy");
    // Mode 1 without the profile's settings: the re-read stays pending.
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 1), 1u);
    EXPECT_TRUE(FMTProfileIsStale());
    // ... unless it was pending already.
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 1), 1u);
    EXPECT_FALSE(FMTProfileIsStale());
    // Other modes leave the flag alone.
    FMTWinIniChanged();
    ASSERT_EQ(FMTTokenizeNumberPic(&request.Block(), 7), 1u);
    EXPECT_TRUE(FMTProfileIsStale());
}

// The rounded text as NumRound and NumToAscii give it, padded to the places.
std::string RoundedByTheArithmetic(const NUMBER &value, int32_t places, bool *refused) {
    *refused = false;
    if ((value.bLength & 0x3F) == 0) return "";
    NUMBER rounded;
    NumRound(&rounded, &value, places);
    char plain[120] = "";
    const int32_t length = NumToAscii(&rounded, plain, 108);
    std::string text(plain, length > 0 ? static_cast<size_t>(length) : 0);
    if (length <= 0 || text.find('E') != std::string::npos) {
        *refused = true;
        return "";
    }
    if (places > 0 && text.find('.') == std::string::npos) text += '.';
    if (places > 0)
        while (static_cast<int>(text.size() - text.find('.')) <= places && text.size() < 325) text += '0';
    return text;
}

// Rounded texts are read from the record's digits: for every record, written
// or raw, they are those of the arithmetic, and refused where it has no plain
// text.
TEST(NumberRoundedText, TheArithmeticsRoundingAndText) {
    std::mt19937 random(11);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < 100000; ++i) {
        NUMBER value{};
        if (pick(3) == 0) {
            auto *bytes = reinterpret_cast<uint8_t *>(&value);
            for (size_t b = 0; b < sizeof value; ++b) bytes[b] = static_cast<uint8_t>(pick(256));
            value.bLength = static_cast<uint8_t>(pick(4) == 0 ? pick(256) : pick(25));
        } else {
            std::string text = pick(2) ? "-" : "";
            for (int digits = 1 + pick(46); digits > 0; --digits) text += static_cast<char>('0' + pick(10));
            text += "e" + std::to_string(pick(250) - 140);
            if (NumAsciiToNumber(&value, text.c_str()) <= 0) continue;
        }
        const int32_t places = pick(8) == 0 ? pick(400) : pick(16);
        bool refused;
        const std::string expected = RoundedByTheArithmetic(value, places, &refused);
        FMTRoundedText text;
        ASSERT_EQ(FMTRoundToText(value, places, text), !refused)
            << places << " places of " << numpic::Hex(std::string(reinterpret_cast<char *>(&value), 25));
        ASSERT_EQ(std::string(text.View()), expected)
            << places << " places of " << numpic::Hex(std::string(reinterpret_cast<char *>(&value), 25));
    }
}

} // namespace
