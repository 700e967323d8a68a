// Decimal and hexadecimal text to NUMBER and back.
#include <gtest/gtest.h>

#include <cstring>

#include "number/number_bytes.h"
#include "number/number_examples.h"

namespace {

using test::Bytes;
using test::Hex;

// A refusal leaves the null value.
TEST(NumberFromText, DecimalAndHexadecimalTexts) {
    for (const auto &row : number_examples::kReads) {
        NUMBER n;
        std::memset(&n, 0xEE, sizeof n);
        EXPECT_EQ(NumAsciiToNumber(&n, row.text), row.consumed) << row.text;
        EXPECT_EQ(Hex(n), row.bytes) << row.text;
    }
    EXPECT_EQ(NumAsciiToNumber(nullptr, "1"), 0);
    NUMBER n{};
    EXPECT_EQ(NumHexAsciiToNumber(&n, " \t-FF"), 5);
    EXPECT_EQ(Hex(n), "04 3D 62 2D 65"); // -255
    EXPECT_EQ(NumHexAsciiToNumber(&n, "xyz"), 0);
    EXPECT_EQ(Hex(n), "01 C0");
    // 40 hexadecimal digits: more than 23 base-100 digits, rounded.
    EXPECT_EQ(NumHexAsciiToNumber(&n, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"), 40);
    EXPECT_EQ(test::Text(n, 20), "1.46150163733090E+48");
}

// Every width of random values is checked against the exact model in
// number_differential.
TEST(NumberToText, WidthsAndForms) {
    for (const auto &row : number_examples::kWritten) {
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
