// Decimal and hexadecimal text to NUMBER and back.
#include <gtest/gtest.h>

#include <cstring>

#include "number/number_bytes.h"

namespace {

using test::Bytes;
using test::Hex;

struct ReadRow {
    const char *text;
    int consumed;
    const char *bytes;
};

TEST(NumberFromText, DecimalTexts) {
    const ReadRow rows[] = {
        {"0", 1, "01 C0"},
        {"1", 1, "02 C1 01"},
        {"-1", 2, "03 3E 63 65"},
        {"99", 2, "02 C1 63"},
        {"-99", 3, "03 3E 01 65"},
        {"100", 3, "02 C2 01"},
        {"0.5", 3, "02 C0 32"},
        {".5", 2, "02 C0 32"},
        {"3.14159", 7, "05 C1 03 0E 0F 5A"},
        {"123.45", 6, "04 C2 01 17 2D"},
        {"-123.45", 7, "05 3D 63 4D 37 65"},
        {"0.00001", 7, "02 BE 0A"},
        {"-0.001", 6, "03 40 5A 65"},
        {"1e118", 5, "02 FC 01"},
        {"  -12.50e1", 10, "04 3D 63 4B 65"},
        {"+7xyz", 2, "02 C1 07"},
        {"00012.3400", 10, "03 C1 0C 22"},
        {"5e", 2, "02 C1 05"},
        {"\t\n 42 ", 5, "02 C1 2A"},
        // 47 significant characters are kept, the 48th is dropped unrounded
        // but still counts as a place; the packing rounds to 23 digits.
        {"12345678901234567890123456789012345678901234567899", 50,
         "18 D9 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 38 4E 5A 0C 22 39"},
        // Values beyond E = -60 keep their digits with E clamped to -60.
        {"1e-125", 6, "02 84 0A"},
    };
    for (const ReadRow &row : rows) {
        NUMBER n;
        std::memset(&n, 0xEE, sizeof n);
        EXPECT_EQ(NumAsciiToNumber(&n, row.text), row.consumed) << row.text;
        EXPECT_EQ(Hex(n), row.bytes) << row.text;
    }
}

TEST(NumberFromText, RefusalsLeaveTheNullValue) {
    const std::pair<const char *, int> rows[] = {
        {"", 0},   {"   ", 0},    {"-", 0},        {"+", 0},      {".", 0},       {"-.", 0},          {"abc", 0},
        {"e5", 0}, {"1e999", -1}, {"1e10000", -1}, {"1e120", -1}, {"1e-130", -2}, {"1e99999999", -1},
    };
    for (const auto &[text, result] : rows) {
        NUMBER n = Bytes("02 C1 05");
        EXPECT_EQ(NumAsciiToNumber(&n, text), result) << text;
        EXPECT_EQ(n.bLength, 0) << text;
    }
    EXPECT_EQ(NumAsciiToNumber(nullptr, "1"), 0);
}

TEST(NumberFromText, HexadecimalTexts) {
    const ReadRow rows[] = {
        {"0x1F", 4, "02 C1 1F"},
        {"0X1f", 4, "02 C1 1F"},
        {"-0x10", 5, "03 3E 54 65"},
        {"  0x", 4, "01 C0"},
        {"0xFFFFFFFF", 10, "06 C5 2A 5E 60 48 5F"},
        {"+0x10g", 5, "02 C1 10"},
    };
    for (const ReadRow &row : rows) {
        NUMBER n{};
        EXPECT_EQ(NumAsciiToNumber(&n, row.text), row.consumed) << row.text;
        EXPECT_EQ(Hex(n), row.bytes) << row.text;
    }
    NUMBER n{};
    EXPECT_EQ(NumHexAsciiToNumber(&n, " \t-FF"), 5);
    EXPECT_EQ(Hex(n), "04 3D 62 2D 65"); // -255
    EXPECT_EQ(NumHexAsciiToNumber(&n, "xyz"), 0);
    EXPECT_EQ(Hex(n), "01 C0");
    // 40 hexadecimal digits: more than 23 base-100 digits, rounded.
    EXPECT_EQ(NumHexAsciiToNumber(&n, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"), 40);
    EXPECT_EQ(test::Text(n, 20), "1.46150163733090E+48");
}

struct WriteRow {
    const char *value;
    int width;
    const char *text;
};

// One row for each way the text is fitted to its width: as it is, rounded,
// rounded into one more integer digit, without a leading zero, in scientific
// form, or not at all.  Every width of random values is checked against the
// exact model in number_differential.
TEST(NumberToText, WidthsAndForms) {
    const WriteRow rows[] = {
        {"123.45", 10, "123.45"},
        {"123.45", 4, "123"},
        {"123.45", 5, "123.5"},
        {"123.45", 2, ""},
        {"0.5", 5, ".5"},
        {"-0.5", 5, "-.5"},
        {"0", 1, "0"},
        {"0", 0, ""},
        {"0.0000123", 12, ".0000123"},
        {"0.0000123", 7, "1.2E-05"},
        {"9.96", 2, "10"},
        {"9.5", 1, ""},
        {"1.5", 1, "2"},
        {"1.5e20", 10, "1.5000E+20"},
        {"1.5e20", 21, "150000000000000000000"},
        {"-1.5e20", 10, "-1.500E+20"},
        {"1000000", 6, "1.E+06"},
        {"0.96", 2, "1"},
        {"0.0096", 4, ".01"},
        {"-2", 1, ""},
        {"1e-100", 10, "9.9999E-99"},
        {"-1e110", 8, "-9.9E+99"},
        {"12345678901234567890123456789012345678901234567", 60, "12345678901234567890123456789012345678901234600"},
        {"99.96", 4, "100"},
    };
    for (const WriteRow &row : rows) {
        const NUMBER n = test::Parse(row.value);
        char buffer[256];
        std::memset(buffer, 0x7F, sizeof buffer);
        const int length = NumToAscii(&n, buffer, row.width);
        EXPECT_EQ(std::string(buffer), row.text) << row.value << " width " << row.width;
        EXPECT_EQ(length, static_cast<int>(std::strlen(row.text))) << row.value << " width " << row.width;
        EXPECT_LE(length, row.width);
    }
}

TEST(NumberToText, NullInvalidAndWideWidths) {
    char buffer[64] = "junk";
    NUMBER n = Bytes("00");
    EXPECT_EQ(NumToAscii(&n, buffer, 10), 0);
    EXPECT_STREQ(buffer, "");
    n = Bytes("19 C1 01");
    EXPECT_EQ(NumToAscii(&n, buffer, 10), 0);
    EXPECT_STREQ(buffer, "");
    // Only the low 16 bits of the width count.
    n = test::Parse("42");
    EXPECT_EQ(NumToAscii(&n, buffer, 0x10002), 2);
    EXPECT_STREQ(buffer, "42");
    EXPECT_EQ(NumToAscii(&n, buffer, 0x10000), 0);
}

TEST(NumberToText, EveryValueReadsBackWhereTheWidthHoldsAllItsDigits) {
    for (const char *text : {"1", "-1", "0.5", "123.45", "-123.45", "3.14159", "0.00001", "1e118", "-7e-50",
                             "99999999999999999999999999999999999999999999", "0.1234567890123456789"}) {
        const NUMBER n = test::Parse(text);
        NUMBER back{};
        const std::string written = test::Text(n, 200);
        ASSERT_GT(NumAsciiToNumber(&back, written.c_str()), 0) << written;
        EXPECT_EQ(Hex(back), Hex(n)) << text << " -> " << written;
    }
}

} // namespace
