// Case mapping, character classes and the backward walker of the ANSI code
// page.  The rows hold for Win32 itself; the stand-in must give the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string Mapped(const std::string &text, LPSTR(WINAPI *map)(LPSTR)) {
    std::vector<char> buffer(text.c_str(), text.c_str() + text.size() + 1);
    EXPECT_EQ(map(buffer.data()), buffer.data());
    return buffer.data();
}

// The single-character form: the character travels in a pointer's low byte.
int MappedChar(uint8_t c, LPSTR(WINAPI *map)(LPSTR)) {
    return static_cast<int>(reinterpret_cast<ULONG_PTR>(map(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(c)))));
}

struct ClassRow {
    uint8_t c;
    int upper; // CharUpperA of the single character
    int lower;
    BOOL alpha, alnum, isUpper, isLower;
};

void ExpectClasses(std::initializer_list<ClassRow> rows) {
    for (const ClassRow &row : rows) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int{row.c});
        EXPECT_EQ(MappedChar(row.c, CharUpperA), row.upper);
        EXPECT_EQ(MappedChar(row.c, CharLowerA), row.lower);
        const auto c = static_cast<CHAR>(row.c);
        EXPECT_EQ(IsCharAlphaA(c) != FALSE, row.alpha != FALSE);
        EXPECT_EQ(IsCharAlphaNumericA(c) != FALSE, row.alnum != FALSE);
        EXPECT_EQ(IsCharUpperA(c) != FALSE, row.isUpper != FALSE);
        EXPECT_EQ(IsCharLowerA(c) != FALSE, row.isLower != FALSE);
    }
}

// The offsets CharPrevA and CharPrevExA give for each position of text.
void ExpectPrevious(const std::string &text, std::initializer_list<int> offsets) {
    const char *s = text.c_str();
    int position = 0;
    for (int expected : offsets) {
        EXPECT_EQ(CharPrevA(s, s + position) - s, expected) << "at " << position;
        EXPECT_EQ(CharPrevExA(static_cast<WORD>(GetACP()), s, s + position, 0) - s, expected) << "at " << position;
        ++position;
    }
}

constexpr int T = TRUE, F = FALSE;

} // namespace

TEST(CaseMapping, Windows1252) {
    ExpectClasses({
        {'a', 'A', 'a', T, T, F, T},    // a
        {'5', '5', '5', F, T, F, F},    // 5
        {0xE9, 0xC9, 0xE9, T, T, F, T}, // é
        {0xD1, 0xD1, 0xF1, T, T, T, F}, // Ñ
        {0x9A, 0x8A, 0x9A, T, T, F, T}, // š
        {0x8C, 0x8C, 0x9C, T, T, T, F}, // Œ
        {0xFF, 0x9F, 0xFF, T, T, F, T}, // ÿ
        {0xDF, 0xDF, 0xDF, T, T, F, T}, // ß has no capital
        {0xAA, 0xAA, 0xAA, T, T, F, T}, // ª
        {0x83, 0x83, 0x83, T, T, F, T}, // ƒ
        {0x88, 0x88, 0x88, T, T, F, F}, // ˆ is a letter of neither case
        {0xB2, 0xB2, 0xB2, F, T, F, F}, // ² is a digit
        {0xD7, 0xD7, 0xD7, F, F, F, F}, // ×
    });
    EXPECT_EQ(Mapped("Stra\xDF"
                     "e \xE0 \xC6ON",
                     CharUpperA),
              "STRA\xDF"
              "E \xC0 \xC6ON");
    EXPECT_EQ(Mapped("Stra\xDF"
                     "e \xE0 \xC6ON",
                     CharLowerA),
              "stra\xDF"
              "e \xE0 \xE6on");
    char buffer[] = "abc";
    EXPECT_EQ(CharUpperBuffA(buffer, 2), 2u);
    EXPECT_STREQ(buffer, "ABc");
    ExpectPrevious("a\x83\x41", {0, 0, 1, 2});
}

TEST(CaseMappingOnJapaneseSystem, ShiftJis) {
    ExpectClasses({
        {'a', 'A', 'a', T, T, F, T},
        {0xB1, 0xB1, 0xB1, T, T, F, F}, // half-width katakana a
        {0xA1, 0xA1, 0xA1, F, F, F, F}, // half-width full stop
        {0x83, 0x83, 0x83, F, F, F, F}, // a lead byte is no character
    });
    // Trail bytes that look like letters keep their case; full-width letters
    // (8281 = a, 8260 = A), Greek (83BF = alpha) and Cyrillic (8470 = a) map.
    EXPECT_EQ(Mapped("a\x83\x61\x83\x41z", CharUpperA), "A\x83\x61\x83\x41Z");
    EXPECT_EQ(Mapped("A\x83\x61\x83\x41Z", CharLowerA), "a\x83\x61\x83\x41z");
    EXPECT_EQ(Mapped("\x82\x81\x83\xBF\x84\x70", CharUpperA), "\x82\x60\x83\x9F\x84\x40");
    EXPECT_EQ(Mapped("\x82\x60\x83\x9F\x84\x40", CharLowerA), "\x82\x81\x83\xBF\x84\x70");
    EXPECT_EQ(Mapped("\x95\x5C\x83\x7C", CharUpperA), "\x95\x5C\x83\x7C");
    // A lead byte before the terminator stays.
    EXPECT_EQ(Mapped("a\x83", CharUpperA), "A\x83");
    char pair[] = "\x82\x81";
    EXPECT_EQ(CharUpperBuffA(pair, 2), 2u);
    EXPECT_STREQ(pair, "\x82\x60");
    // The walker steps back over whole characters.
    ExpectPrevious("a\x83\x41"
                   "b\x95\x5C",
                   {0, 0, 1, 1, 3, 4, 4});
}

TEST(CaseMappingOnKoreanSystem, UnifiedHangul) {
    EXPECT_EQ(Mapped("a\xA3\xE1\xB0\xA1\x81\x61", CharUpperA), "A\xA3\xC1\xB0\xA1\x81\x61");
    EXPECT_EQ(Mapped("\xA5\xC1\xAC\xA1", CharLowerA), "\xA5\xE1\xAC\xD1"); // Greek and Cyrillic capitals
    EXPECT_FALSE(IsCharAlphaA(static_cast<CHAR>(0xB0)));
}

TEST(CaseMappingOnChineseSystem, GBK) {
    EXPECT_EQ(Mapped("a\xA3\xE1\xB0\xA1\x83\x61", CharUpperA), "A\xA3\xC1\xB0\xA1\x83\x61");
    EXPECT_EQ(Mapped("\xA6\xA1\xA7\xA1", CharLowerA), "\xA6\xC1\xA7\xD1");
}
