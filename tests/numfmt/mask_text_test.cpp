// Input masks through the exports: validity, laying text in, taking it out,
// the counters and the options; the letters of the system's code page.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "orvexrt.h"

namespace {

// Masks text into a heap buffer of exactly the size the header asks for, so
// that the address sanitizer sees a write beyond it.
std::optional<std::string> Masked(const std::string &mask, const std::string &text) {
    const std::string positions = !mask.empty() && mask[0] == '^' ? mask.substr(1) : mask;
    const bool unlimited = !positions.empty() && positions.back() == '*';
    const size_t size = unlimited ? text.size() + FMTCntNonMaskChars(mask.c_str()) + 1 : positions.size() + 1;
    std::vector<char> output(size, '\x55');
    if (!FMTMaskText(text.c_str(), output.data(), mask.c_str())) return std::nullopt;
    return std::string(output.data(), strnlen(output.data(), size));
}

std::optional<std::string> Unmasked(const std::string &mask, const std::string &text) {
    std::vector<char> input(text.begin(), text.end());
    input.push_back('\0');
    std::vector<char> picture(mask.begin(), mask.end());
    picture.push_back('\0');
    std::vector<char> output(text.size() + 1, '\x55');
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.lpszInput = input.data();
    block.lpszPicture = picture.data();
    block.lpszOutput = output.data();
    const uint32_t done = FMTUnmaskInput(&block);
    const std::string result(output.data(), strnlen(output.data(), output.size()));
    if (!done) {
        EXPECT_EQ(result, "") << "a failed unmask leaves an empty output";
        return std::nullopt;
    }
    return result;
}

struct MaskRow {
    const char *mask;
    const char *text;
    std::optional<std::string> expected;
};

void ExpectMasked(std::initializer_list<MaskRow> rows) {
    for (const MaskRow &row : rows)
        EXPECT_EQ(Masked(row.mask, row.text), row.expected) << row.mask << " <- " << testing::PrintToString(row.text);
}

void ExpectUnmasked(std::initializer_list<MaskRow> rows) {
    for (const MaskRow &row : rows)
        EXPECT_EQ(Unmasked(row.mask, row.text), row.expected) << row.mask << " -> " << testing::PrintToString(row.text);
}

TEST(InputMasks, Validity) {
    struct Row {
        const char *mask;
        uint32_t valid;
    } rows[] = {
        {"(999) 99-99", 1}, {"()-", 0}, {"", 0},  {"99*", 1}, {"9*9", 0},  {"*", 1},
        {"**", 0},          {"X", 1},   {"^", 0}, {"^9", 1},  {"a!nN", 1}, {"-*", 1},
    };
    for (const Row &row : rows) EXPECT_EQ(FMTIsValidMaskFormat(row.mask), row.valid) << row.mask;
    EXPECT_EQ(FMTIsValidMaskFormat(nullptr), 0u);
}

TEST(InputMasks, LayingTextIn) {
    ExpectMasked({
        {"(999) 99-99", "1234567", "(123) 45-67"},
        {"(999) 99-99", "123", "(123)"},               // the literal after the text shows
        {"(999) 99-99", "(123) 45-67", "(123) 45-67"}, // typed literals are skipped
        {"(999) 99-99", "12345678", "(123) 45-67"},    // the mask ends the text
        {"(999) 99-99", "", "("},                      // a text that ends before a literal
        {"(999) 99-99", "1", "(1"},
        {"9999", "a1b2", "12"}, // rejected characters are dropped
        {"AAA", "abc", "ABC"},
        {"aaa", "aB1c", "aBc"},
        {"NNN", "a-1b", "A1B"},
        {"nnn", "a-1b", "a1b"},
        {"!!!", "a-1", "A-1"},
        {"XXX", "a\nb c", "ab "}, // every character but a line feed
        {"9-9", "1-2", "1-2"},
        {"9-9", "12", "1-2"},
        {"^(999) 99-99", "1234567", "(123) 45-67"}, // the option is no position
        {"AA-*", "xy12345", "XY-12345"},            // unlimited: the rest as it is
        {"AA-*", "xy-12345", "XY-12345"},
        {"AA-*", "x", "X"},
        {"9*", "1ab\ncd", "1ab\ncd"},
        {"*", "any text", "any text"},
        {"9*9", "123", std::nullopt}, // invalid masks refuse
        {"()-", "123", std::nullopt},
        {"", "123", std::nullopt},
    });
}

TEST(InputMasks, NullArguments) {
    char output[16];
    EXPECT_EQ(FMTMaskText(nullptr, output, "999"), 0u);
    EXPECT_EQ(FMTMaskText("1", nullptr, "999"), 0u);
    EXPECT_EQ(FMTMaskText("1", output, nullptr), 0u);
    EXPECT_EQ(FMTUnmaskInput(nullptr), 0u);
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.lpszOutput = output;
    output[0] = 'x';
    EXPECT_EQ(FMTUnmaskInput(&block), 0u);
    EXPECT_EQ(output[0], '\0');
}

TEST(InputMasks, TakingTextOut) {
    ExpectUnmasked({
        {"(999) 99-99", "(123) 45-67", "1234567"},
        {"(999) 99-99", "(123)x45-67", std::nullopt}, // a literal must stay itself
        {"^(999) 99-99", "(123) 45-67", "1234567"},
        {"(999) 99-99", "(123)", "123"},               // a text may end early
        {"(999) 99-99", "(1 3) 45-67", "1 34567"},     // a space is a position not typed yet
        {"(999) 99-99", "(1a3) 45-67", std::nullopt},  // 9 wants a digit
        {"(999) 99-99", "(123) 45-678", std::nullopt}, // longer than a limited mask
        {"nn-NN", "a1-B2", "a1B2"},
        {"nn-NN", "a!-B2", std::nullopt}, // n wants a letter or digit
        {"aa", "12", "12"},               // letters are not checked here
        {"XX", "%\n", "%\n"},
        {"AA-*", "XY-12345", "XY12345"}, // the rest as it is
        {"AA-*", "XY", "XY"},
        {"", "1", std::nullopt},
        {"^", "1", std::nullopt},
    });
}

TEST(InputMasks, CountersAndOptions) {
    struct Row {
        const char *mask;
        int32_t maskChars;
        int32_t literals;
        uint32_t keepsMasked;
        uint32_t unlimited;
    } rows[] = {
        {"^(999) 99-99", 7, 4, 1, 0}, {"(999) 99-99", 7, 4, 0, 0}, {"AA-*", 3, 1, 0, 1}, {"^AA-*", 3, 1, 1, 1},
        {"9aAnNX!*", 8, 0, 0, 1},     {"^^", 0, 1, 1, 0},          {"", 0, 0, 0, 0},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(FMTCntMaskChars(row.mask), row.maskChars) << row.mask;
        EXPECT_EQ(FMTCntNonMaskChars(row.mask), row.literals) << row.mask;
        EXPECT_EQ(FMTIsPicNoUnmaskOnGets(row.mask), row.keepsMasked) << row.mask;
        EXPECT_EQ(FMTIsPicUnlimited(row.mask), row.unlimited) << row.mask;
    }
    EXPECT_EQ(FMTCntMaskChars(nullptr), 0);
    EXPECT_EQ(FMTIsPicUnlimited(nullptr), 0u);
}

// é, É, ÿ, Ÿ, ß (no capital), the superscript two (a digit), the
// multiplication sign (no letter).
TEST(InputMasks, Windows1252Letters) {
    ExpectMasked({
        {"aaa", "\xE9\xC9x", "\xE9\xC9x"},
        {"AAA", "\xE9\xFF\xDF", "\xC9\x9F\xDF"},
        {"NN",
         "\xE9"
         "1",
         "\xC9"
         "1"},
        {"!!", "\xE9\xD7", "\xC9\xD7"},
        {"aa", "\xD7\xE9", "\xE9"},
        {"99", "\xE9\xB2", "\xB2"},
    });
    ExpectUnmasked({{"99", "1\xB2", "1\xB2"}, {"nn", "\xE9\xD7", std::nullopt}});
}

// Half-width katakana are letters of no case in code page 932.
TEST(InputMasksOnJapaneseSystem, KatakanaAreLetters) {
    ExpectMasked({
        {"(999) 99-99", "1234567", "(123) 45-67"},
        {"AAA",
         "\xB1"
         "bc",
         "\xB1"
         "BC"},
        {"999",
         "1\xB1"
         "2",
         "12"},
        {"AA-*", "xy\xB1", "XY-\xB1"},
    });
    ExpectUnmasked({{"nn",
                     "\xB1"
                     "1",
                     "\xB1"
                     "1"},
                    {"99",
                     "\xB1"
                     "1",
                     std::nullopt}});
}

} // namespace
