// The system and user languages, code pages and the character walker as each
// simulated system sees them; the same rows hold against Win32 itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

struct SystemRow {
    LANGID system;
    LANGID user;
    UINT codePage;
};

void ExpectSystem(const SystemRow &row) {
    EXPECT_EQ(GetSystemDefaultLangID(), row.system);
    EXPECT_EQ(LANGIDFROMLCID(GetUserDefaultLCID()), row.user);
    EXPECT_EQ(GetACP(), row.codePage);
}

// Bytes the walker steps over from the start of the text.
int Step(const std::string &text) { return int(CharNextA(text.c_str()) - text.c_str()); }

struct StepRow {
    const char *text;
    int bytes;
};

void ExpectSteps(std::initializer_list<StepRow> rows) {
    for (const StepRow &row : rows) EXPECT_EQ(Step(row.text), row.bytes) << testing::PrintToString(row.text);
}

// Each system's languages and code page, and how its walker steps.
TEST(SystemLanguage, English) {
    ExpectSystem({0x0409, 0x0409, 1252});
    ExpectSteps({{"", 0}, {"A", 1}, {"\x82\xA0", 1}, {"\xE9", 1}, {"\xFF\x41", 1}});
}

TEST(SystemLanguageOnJapaneseSystem, LeadBytesOfShiftJIS) {
    ExpectSystem({0x0411, 0x0411, 932});
    ExpectSteps({
        {"", 0},
        {"A", 1},
        {"\x81\x40", 2},
        {"\x9F\x41", 2},
        {"\xE0\x5C", 2},
        {"\xFC\x7C", 2}, // lead byte ranges
        {"\x80\x40", 1},
        {"\xA0\x40", 1},
        {"\xB1\x40", 1},
        {"\xDF\x40", 1}, // half-width kana
        {"\xFD\x40", 1},
        {"\x82", 1}, // a lead byte before the terminator stands alone
    });
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(IsDBCSLeadByte(BYTE(b)) != 0, (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
}

TEST(SystemLanguageOnKoreanSystem, LeadBytesOfUnifiedHangul) {
    ExpectSystem({0x0412, 0x0412, 949});
    ExpectSteps({{"\x81\x41", 2}, {"\xA1\xA1", 2}, {"\xFE\xA1", 2}, {"\x80\x41", 1}, {"\xFF\x41", 1}, {"\xB0", 1}});
}

TEST(SystemLanguageOnChineseSystem, LeadBytesOfGBK) {
    ExpectSystem({0x0804, 0x0804, 936});
    ExpectSteps({{"\x81\x40", 2}, {"\xA1\xA1", 2}, {"\xFE\x40", 2}, {"\x80\x40", 1}, {"\xFF\x40", 1}});
}

TEST(SystemLanguageOnHebrewUserSystem, EnglishSystemHebrewUserStepsByByte) {
    ExpectSystem({0x0409, 0x040D, 1252});
    ExpectSteps({{"\x82\xA0", 1}, {"\xE0\xE1", 1}});
}

TEST(SystemVersion, ReportsTheNTPlatformForEitherRecordSize) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(sizeof info, 148u);
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(info.dwMajorVersion, 5u);
    info.dwOSVersionInfoSize = 12;
    EXPECT_FALSE(GetVersionExA(&info));
}

} // namespace
