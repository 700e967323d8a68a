// The mask helpers that the edit-control filter shares: classes, the walks
// to the next literal or mask position, the mapping from masked positions to
// raw indexes, and laying text in without skipping typed literals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numfmt/mask_core.h"

namespace {

TEST(MaskHelpers, ApplyMaskChar) {
    struct Row {
        char mask;
        char in;
        bool accepted;
        char out;
    } rows[] = {
        {'9', '5', true, '5'},   {'9', 'x', false, 'x'},   {'a', 'x', true, 'x'},  {'a', '5', false, '5'},
        {'A', 'x', true, 'X'},   {'n', '5', true, '5'},    {'n', '-', false, '-'}, {'N', 'q', true, 'Q'},
        {'X', '-', true, '-'},   {'X', '\n', false, '\n'}, {'!', 'q', true, 'Q'},  {'!', '\n', false, '\n'},
        {'*', '\n', true, '\n'}, {'-', 'q', true, '-'},    {'(', '(', true, '('},  {'A', '\xE9', true, '\xC9'},
    };
    for (const Row &row : rows) {
        char c = row.in;
        EXPECT_EQ(FMTApplyMaskChar(row.mask, &c), row.accepted) << row.mask << " " << row.in;
        EXPECT_EQ(c, row.out) << row.mask << " " << row.in;
    }
    EXPECT_FALSE(FMTApplyMaskChar('9', nullptr));
}

TEST(MaskHelpers, NextPositions) {
    const char *mask = "(99) 9";
    struct Row {
        int32_t from;
        int32_t literal; // -1: none
        int32_t maskChar;
    } rows[] = {{0, 0, 1}, {1, 3, 1}, {3, 3, 5}, {5, -1, 5}, {6, -1, -1}, {-1, -1, -1}};
    // The position found, or -1.
    auto found = [](bool (*next)(const char *, int32_t, int32_t *), const char *mask, int32_t from) {
        int32_t pos = 99;
        return next(mask, from, &pos) ? pos : -1;
    };
    for (const Row &row : rows) {
        EXPECT_EQ(found(FMTNextLiteralPos, mask, row.from), row.literal) << row.from;
        EXPECT_EQ(found(FMTNextMaskPos, mask, row.from), row.maskChar) << row.from;
    }
}

TEST(MaskHelpers, Lengths) {
    EXPECT_EQ(FMTMaskedLength("AA-*", "xy12345"), 8);
    EXPECT_EQ(FMTMaskedLength("(999) 99-99", "1"), 5);
    EXPECT_EQ(FMTMaskedBufferSize("(999) 99-99", "1234567890123"), 12);
    EXPECT_EQ(FMTMaskedBufferSize("AA-*", "xy12345"), 9);
    EXPECT_EQ(FMTMaskPositions("^AA"), std::string("AA"));
    EXPECT_EQ(FMTMaskPositions(nullptr), nullptr);
}

TEST(MaskHelpers, MaskedPositionToRawIndex) {
    struct Row {
        const char *text;
        const char *mask;
        int32_t pos;
        int32_t raw;
    } rows[] = {
        {"(123) 45-67", "(999) 99-99", 0, 0}, // before any mask character
        {"(123) 45-67", "(999) 99-99", 1, 0},
        {"(123) 45-67", "(999) 99-99", 3, 2},
        {"(123) 45-67", "(999) 99-99", 4, 2}, // a literal maps to the raw character before it
        {"(123) 45-67", "(999) 99-99", 6, 3},
        {"(123) 45-67", "(999) 99-99", 10, 6},
        {"(123) 45-67", "(999) 99-99", 40, 6}, // beyond the text: its end
        {"XY-12345", "AA-*", 3, 2},            // the '*' itself
        {"XY-12345", "AA-*", 5, 4},            // past the end of an unlimited mask
        {"XY-12345", "AA-*", 8, 7},
        {"XY", "", 1, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(FMTMaskPosToRawIndex(row.text, row.mask, row.pos), row.raw) << row.mask << " @" << row.pos;
}

// Without the skip switch a typed literal is input like any other character
// (the filter re-lays a raw text that holds no literals).
TEST(MaskHelpers, LayingInWithoutSkippingLiterals) {
    struct Row {
        const char *mask;
        const char *text;
        bool skip;
        const char *expected;
    } rows[] = {
        {"(XXX)", "(ab", true, "(ab"}, {"(XXX)", "(ab", false, "((ab)"}, {"9-9", "1-2", false, "1-2"},
        {"X-X", "1-2", false, "1--"},  {"^X-*", "1-2", false, "1--2"},
    };
    for (const Row &row : rows) {
        std::vector<char> output(FMTMaskedBufferSize(FMTMaskPositions(row.mask), row.text), '\x55');
        ASSERT_TRUE(FMTMaskTextEx(row.text, output.data(), row.mask, row.skip)) << row.mask;
        EXPECT_STREQ(output.data(), row.expected) << row.mask << " <- " << row.text << " skip " << row.skip;
    }
}

TEST(MaskHelpers, TrimTrailingSpaces) {
    for (auto [in, out] : {std::pair{"(12 ) 4    ", "(12 ) 4"}, {"   ", ""}, {"", ""}, {"a\t ", "a\t"}}) {
        std::string text = in;
        FMTTrimTrailingSpaces(text.data());
        EXPECT_STREQ(text.c_str(), out);
    }
    FMTTrimTrailingSpaces(nullptr);
}

} // namespace
