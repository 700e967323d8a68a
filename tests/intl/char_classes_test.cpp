// Mode flags and per-character tests, on each kind of system.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Mode {
    int32_t dbcs;
    int32_t bidi;
    uint16_t blank;
};

void ExpectMode(const Mode &expected) {
    EXPECT_EQ(IntlDBCSEnabled(), expected.dbcs);
    EXPECT_EQ(IntlIsBiDiEnabled(), expected.bidi);
    EXPECT_EQ(IntlDBCSBlank(), expected.blank);
}

// On a Chinese or Korean system the lead-byte test is the system's own.
void ExpectKanjiFollowsSystemLeadBytes() {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<uint8_t>(b);
        EXPECT_EQ(IntlIsKanji(byte), IsDBCSLeadByte(byte) ? 1 : 0) << "byte " << b;
        EXPECT_EQ(IntlIsKatakana(byte), 0) << "byte " << b;
    }
}

// The positional tests answer 0 for every position outside DBCS mode.
void ExpectNoPositionIsDoubleByte(const std::string &text) {
    for (int32_t n = -1; n <= static_cast<int32_t>(text.size()); ++n) {
        EXPECT_EQ(IntlIsNthCharDB(text.c_str(), n), 0) << "char " << n;
        EXPECT_EQ(IntlIsNthByteDB(text.c_str(), n), 0) << "byte " << n;
    }
}

int NextDBCOffset(const std::string &text) { return intl_text::OffsetIn(text.c_str(), IntlNextDBCInStr(text.c_str())); }

} // namespace

TEST(CharClasses, EnglishSystemIsNeitherDBCSNorBiDi) {
    ExpectMode({0, 0, 0});
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(IntlIsKanji(static_cast<uint8_t>(b)), 0) << "byte " << b;
        EXPECT_EQ(IntlIsKatakana(static_cast<uint8_t>(b)), 0) << "byte " << b;
    }
    ExpectNoPositionIsDoubleByte("a\x83\x4B\xB1");
    // The single-byte code page's walker sees no double-byte characters.
    EXPECT_EQ(IntlIsDBChar("\x83\x4B"), 0);
    EXPECT_EQ(IntlBytesInNextChar("\x83\x4B"), 1);
    EXPECT_EQ(IntlDBCSChar("\x83\x4B"), 0x83);
    EXPECT_EQ(IntlNextDBCInStr("\x83\x4B"), nullptr);
}

TEST(CharClasses, NullTexts) {
    EXPECT_EQ(IntlIsDBChar(nullptr), 0);
    EXPECT_EQ(IntlBytesInNextChar(nullptr), 0);
    EXPECT_EQ(IntlDBCSChar(nullptr), 0);
    EXPECT_EQ(IntlNextDBCInStr(nullptr), nullptr);
}

TEST(CharClasses, HexDigits) {
    for (uint16_t code : {u'0', u'9', u'A', u'F', u'a', u'f'}) EXPECT_EQ(IntlCharIsHexDigit(code), 1) << code;
    // 0, the neighbours / : @ G ` g of the ranges, and codes whose low byte
    // is a digit or letter.
    for (int code : {0x00, 0x2F, 0x3A, 0x40, 0x47, 0x60, 0x67, 0x8230, 0x0141, 0x8260})
        EXPECT_EQ(IntlCharIsHexDigit(static_cast<uint16_t>(code)), 0) << std::hex << code;
}

TEST(CharClassesOnJapaneseSystem, ModeIsJapaneseDBCS) { ExpectMode({1, 0, 0x8140}); }

TEST(CharClassesOnJapaneseSystem, CharacterAtPosition) {
    const struct {
        std::string text;
        int32_t isDB;
        int32_t bytes;
        uint16_t code;
    } rows[] = {
        {"", 0, 0, 0},
        {"A", 0, 1, 0x41},
        {"\x83\x4B", 1, 2, 0x834B},
        {"\xE0\x40", 1, 2, 0xE040},
        {"\xB1\xB1", 0, 1, 0xB1}, // half-width kana are single bytes
        {"\xFD\x40", 0, 1, 0xFD},
        {"\x83", 0, 1, 0x83}, // a lead byte before the terminator stands alone
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        EXPECT_EQ(IntlIsDBChar(row.text.c_str()), row.isDB);
        EXPECT_EQ(IntlBytesInNextChar(row.text.c_str()), row.bytes);
        EXPECT_EQ(IntlDBCSChar(row.text.c_str()), row.code);
    }
}

TEST(CharClassesOnJapaneseSystem, NextDoubleByteCharacter) {
    const struct {
        std::string text;
        int offset;
    } rows[] = {
        {"ab\x83\x4B", 2}, {"\xB1\x88\x9F", 1}, {"\x88\x9F", 0}, {"abc", -1}, {"", -1}, {"ab\x83", -1},
    };
    for (const auto &row : rows) EXPECT_EQ(NextDBCOffset(row.text), row.offset) << testing::PrintToString(row.text);
}

TEST(CharClassesOnJapaneseSystem, NthCharacterAndNthByte) {
    const struct {
        std::string text;
        std::vector<int32_t> byCharFromMinusOne; // IntlIsNthCharDB for n = -1, 0, 1, ...
        std::vector<int32_t> byByteFromMinusOne; // IntlIsNthByteDB for n = -1, 0, 1, ...
    } rows[] = {
        {"a\x83\x4B", {0, 0, 1, 0, 0}, {0, 0, 1, 2, 0, 0}},
        {"a\x83\x4B"
         "b\x88\x9F",
         {0, 0, 1, 0, 1, 0, 0},
         {0, 0, 1, 2, 0, 1, 2, 0}},
        // The second 0x83 is a trail byte, although it could lead.
        {"\x83\x83\x4B", {0, 1, 0, 0}, {0, 1, 2, 0, 0}},
        {"a\x83", {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"", {0, 0}, {0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        for (size_t i = 0; i < row.byCharFromMinusOne.size(); ++i) {
            const auto n = static_cast<int32_t>(i) - 1;
            EXPECT_EQ(IntlIsNthCharDB(row.text.c_str(), n), row.byCharFromMinusOne[i]) << "char " << n;
        }
        for (size_t i = 0; i < row.byByteFromMinusOne.size(); ++i) {
            const auto n = static_cast<int32_t>(i) - 1;
            EXPECT_EQ(IntlIsNthByteDB(row.text.c_str(), n), row.byByteFromMinusOne[i]) << "byte " << n;
        }
    }
    EXPECT_EQ(IntlIsNthCharDB(nullptr, 0), 0);
    EXPECT_EQ(IntlIsNthByteDB(nullptr, 0), 0);
}

TEST(CharClassesOnJapaneseSystem, KanjiAndKatakanaByteRanges) {
    const struct {
        uint8_t byte;
        int32_t kanji;
        int32_t katakana;
    } rows[] = {
        {0x41, 0, 0}, {0x80, 0, 0}, {0x81, 1, 0}, {0x9F, 1, 0}, {0xA0, 0, 1}, {0xB1, 0, 1},
        {0xDF, 0, 1}, {0xE0, 1, 0}, {0xFC, 1, 0}, {0xFD, 0, 0}, {0xFF, 0, 0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(IntlIsKanji(row.byte), row.kanji) << std::hex << int{row.byte};
        EXPECT_EQ(IntlIsKatakana(row.byte), row.katakana) << std::hex << int{row.byte};
    }
}

TEST(CharClassesOnKoreanSystem, ModeIsKoreanDBCS) {
    ExpectMode({1, 0, 0xA1A1});
    ExpectKanjiFollowsSystemLeadBytes();
    // Lead bytes that the Japanese ranges would not take.
    EXPECT_EQ(IntlIsKanji(0xB0), 1);
    EXPECT_EQ(IntlIsKanji(0xFD), 1);
}

TEST(CharClassesOnKoreanSystem, WalksByTheKoreanCodePage) {
    const std::string text = "a\xB0\xA1";
    EXPECT_EQ(IntlDBCSChar(text.c_str() + 1), 0xB0A1);
    EXPECT_EQ(IntlIsNthByteDB(text.c_str(), 2), 2);
    EXPECT_EQ(IntlIsNthCharDB(text.c_str(), 1), 1);
}

TEST(CharClassesOnChineseSystem, ModeIsChineseDBCS) {
    ExpectMode({1, 0, 0xA140});
    ExpectKanjiFollowsSystemLeadBytes();
    EXPECT_EQ(IntlIsKanji(0xA1), 1);
}

TEST(CharClassesOnHebrewUserSystem, UserLocaleTurnsOnBiDiButNotDBCS) {
    ExpectMode({0, 1, 0});
    EXPECT_EQ(IntlIsKanji(0x81), 0);
    ExpectNoPositionIsDoubleByte("a\x83\x4B");
}
