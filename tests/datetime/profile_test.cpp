// The user's international settings read into a profile record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "datetime/user_settings.h"
#include "orvexrt/datetime.h"

namespace {

using test::UserSettings;

// A field that may lack its terminator, as text.
template <size_t N> std::string Field(const char (&field)[N]) { return std::string(field, strnlen(field, N)); }

INTLPROFILE ReadProfile() {
    INTLPROFILE p;
    std::memset(&p, 0, sizeof p);
    FMTGetProfileIntl(&p);
    return p;
}

TEST(Profile, CurrencyPlacementSetsTwoFlags) {
    UserSettings settings;
    const struct {
        const char *code;
        uint32_t space, after;
    } rows[] = {{"0", 0, 0}, {"1", 0, 1}, {"2", 1, 0}, {"3", 1, 1}};
    for (const auto &row : rows) {
        settings.Set("iCurrency", row.code);
        const INTLPROFILE p = ReadProfile();
        EXPECT_EQ(+p.bCurrSpace, row.space) << row.code;
        EXPECT_EQ(+p.bCurrAfter, row.after) << row.code;
    }
}

TEST(Profile, NumbersCharactersAndTexts) {
    UserSettings settings;
    const std::pair<const char *, const char *> values[] = {
        {"iCountry", "49"},   {"iDigits", "3"}, {"iCurrDigits", "1"},         {"iNegCurr", "8"},
        {"iTime", "1"},       {"iTLZero", "1"}, {"sThousand", "."},           {"sDecimal", ","},
        {"sDate", "."},       {"sList", ";"},   {"sShortDate", "dd.MM.yyyy"}, {"sCountry", "Germany"},
        {"sLanguage", "DEU"}, {"sTime", ":"}};
    for (const auto &[name, text] : values) settings.Set(name, text);
    settings.SetCurrency("EUR");
    const INTLPROFILE p = ReadProfile();
    EXPECT_EQ((std::vector<int>{p.iCountry, p.iDigits, p.iCurrDigits, p.iNegCurr, p.iTime, p.iTLZero}),
              (std::vector<int>{49, 3, 1, 8, 1, 1}));
    EXPECT_EQ((std::string{p.sThousand, p.sDecimal, p.sDate, p.sList}), ".,.;");
    EXPECT_EQ(Field(p.sTime), ":");
    EXPECT_EQ(Field(p.sShortDate), "dd.MM.yyyy");
    EXPECT_EQ(Field(p.sCountry), "Germany");
    EXPECT_EQ(Field(p.sLanguage), "DEU");
    EXPECT_EQ(Field(p.sCurrency), "EUR");
    EXPECT_EQ(+p.iEmpDateBoundryCheck, 0);
    EXPECT_EQ(+p.iDateType, 1); // the library's own date-type word
}

TEST(Profile, Designators) {
    UserSettings settings;
    settings.SetEmptyData("s1159");
    settings.Set("s2359", "");
    INTLPROFILE p = ReadProfile();
    EXPECT_EQ(Field(p.s1159), "AM"); // no data at all
    EXPECT_EQ(Field(p.s2359), "");   // an empty text
    settings.Set("s1159", "vorm.");
    settings.Set("s2359", "nachm.");
    p = ReadProfile();
    EXPECT_EQ(Field(p.s1159), "vorm."); // five bytes: no room for the terminator
    EXPECT_EQ(Field(p.s2359), "nachm");
}

TEST(Profile, ShortDateFixUps) {
    UserSettings settings;
    const struct {
        const char *country, *name, *picture, *result;
    } rows[] = {
        {"43", "Austria", "yyyy-MM-dddd", "yyyy-MM-dd"},  {"44", "Other", "yyyy-MM-dddd", "yyyy-MM-dddd"},
        {"2", "Canada (French)", "yy-MM-dd", "yy/MM/dd"}, {"2", "Canada", "yy-MM-dd", "yy-MM-dd"},
        {"1", "Canada (French)", "yy-MM-dd", "yy-MM-dd"}, {"2", "Canada (French)", "yyyy-MM-dd", "yyyy-MM-dd"},
    };
    for (const auto &row : rows) {
        settings.Set("iCountry", row.country);
        settings.Set("sCountry", row.name);
        settings.Set("sShortDate", row.picture);
        EXPECT_EQ(Field(ReadProfile().sShortDate), row.result) << row.country << " " << row.picture;
    }
}

TEST(Profile, LongDateRewrite) {
    UserSettings settings;
    const struct {
        const char *country, *picture, *result;
    } rows[] = {
        {"1", "dddd, MMMM dd, yyyy", "dddd, MMMM dd, yyyy"},
        {"49", "d'.' MMMM yyyy", "d. MMMM yyyy"},
        {"1", "'de.'", "'de'."},
        {"34", "dddd, d' de 'MMMM' de 'yyyy", "dddd, d' de 'MMMM' de 'yyyy"},
        {"1", "'a, b'", "'a',' b'"},
        {"1", "'.de'", ".'de'"},
        {"1", "d'' MMMM", "d MMMM"},
        {"1", "MMMM 'unclosed", "MMMM 'unclosed"},
        {"358", "d. MMMMta yyyy", "d. MMMM'ta' yyyy"},
        {"358", "d. MMMM yyyy", "d. MMMM yyyy"},
        {"1", "d. MMMMta yyyy", "d. MMMMta yyyy"},
    };
    for (const auto &row : rows) {
        settings.Set("iCountry", row.country);
        settings.Set("sLongDate", row.picture);
        EXPECT_EQ(Field(ReadProfile().sLongDate), row.result) << row.picture;
    }
}

TEST(Profile, MissingValueKeepsTheField) {
    UserSettings settings;
    settings.Remove("sThousand");
    settings.Remove("iDigits");
    INTLPROFILE p;
    std::memset(&p, 0, sizeof p);
    p.sThousand = '\'';
    p.iDigits = 7;
    FMTGetProfileIntl(&p);
    EXPECT_EQ(+p.sThousand, '\'');
    EXPECT_EQ(+p.iDigits, 7);
}

TEST(Profile, OverLongValuesAreCutToTheirFields) {
    UserSettings settings;
    const std::string longText(300, 'x');
    for (const char *name : {"sCountry", "sLanguage", "sShortDate", "sLongDate", "s1159", "s2359", "sTime"})
        settings.Set(name, longText);
    settings.Set("iCountry", "1");
    // The record sits between guard bytes that must stay untouched.
    struct {
        unsigned char before[64];
        INTLPROFILE profile;
        unsigned char after[64];
    } guarded;
    std::memset(&guarded, 0xA5, sizeof guarded);
    FMTGetProfileIntl(&guarded.profile);
    for (unsigned char b : guarded.before) ASSERT_EQ(b, 0xA5);
    for (unsigned char b : guarded.after) ASSERT_EQ(b, 0xA5);
    const INTLPROFILE &p = guarded.profile;
    EXPECT_EQ(std::string(p.sCountry, 15), std::string(15, 'x'));
    EXPECT_EQ(std::string(p.sLanguage, 4), std::string(4, 'x'));
    EXPECT_EQ(std::string(p.sShortDate, 20), std::string(20, 'x'));
    EXPECT_EQ(std::string(p.sLongDate, 40), std::string(40, 'x'));
    EXPECT_EQ(std::string(p.sTime, 3), "xxx");
}

TEST(ControlBlock, InitialisationOfABlockOfOnes) {
    FMTCNTLBLOCK block;
    std::memset(&block, 0xFF, sizeof block);
    FMTInitCntlBlock(&block);
    EXPECT_EQ(+block.dwFlags, 0xFFFFE025u);
    EXPECT_EQ(+block.nType, -1);
    EXPECT_EQ(+block.nCountry, 1);
    EXPECT_EQ(+block.numValue.bLength, 1);
    EXPECT_EQ(+block.numValue.bExponent, 0xC0);
    EXPECT_EQ(+block.lpszInput, nullptr);
    EXPECT_EQ(+block.lpszPicture, nullptr);
    EXPECT_EQ(+block.dtValue.nYear, 0);
    EXPECT_EQ(+block.dtValue.nMicrosecond, 0);
    EXPECT_EQ(+block.dblValue, 0.0);
    EXPECT_EQ(+block.cThousand, 0);
    EXPECT_EQ(+block.hWnd, nullptr);
    EXPECT_EQ(+block.lParam, 0);
    // The caller's fields keep their bytes.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(block.lpszCurrency), ~uintptr_t{0});
    EXPECT_EQ(+block.nCurrPos, -1);
    EXPECT_EQ(+block.nNegCurr, -1);
    EXPECT_EQ(+block.dwHostData, 0xFFFFFFFFu);
    EXPECT_EQ(+block.lResult, -1);

    std::memset(&block, 0, sizeof block);
    FMTInitCntlBlock(&block);
    EXPECT_EQ(+block.dwFlags, 0x25u);
    FMTInitCntlBlock(nullptr);
}

} // namespace
