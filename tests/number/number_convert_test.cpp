// NUMBER to and from integers, CY, DECIMAL and double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "number/number_bytes.h"

namespace {

using test::Bytes;
using test::Hex;
using test::Parse;

TEST(NumberIntegers, IntegerPartAndOverflowFlag) {
    const struct {
        const char *value;
        uint32_t bits;
        int overflow;
    } rows[] = {
        {"123.99", 123, 0},
        {"-123.99", uint32_t(-123), 0},
        {"0.5", 0, 0},
        {"#00", 0, 0},
        {"3000000000", 0xB2D05E00u, 0},
        {"2147483647", 0x7FFFFFFFu, 0},
        {"-2147483648", 0x80000000u, 0},
        {"1e12", uint32_t(1000000000000ull), 1},
        {"4294967295", 0xFFFFFFFFu, 0},
        {"1e20", 1661992960u, 1},
    };
    for (const auto &row : rows) {
        const NUMBER n = row.value[0] == '#' ? Bytes(row.value + 1) : Parse(row.value);
        int32_t flag = 7;
        EXPECT_EQ(NumToDWordReply(&n, &flag), row.bits) << row.value;
        EXPECT_EQ(flag, row.overflow) << row.value;
        EXPECT_EQ(NumToLong(&n), static_cast<int32_t>(row.bits)) << row.value;
        EXPECT_EQ(NumToDWord(&n), row.bits) << row.value;
        flag = 7;
        EXPECT_EQ(NumToLongReply(&n, &flag), static_cast<int32_t>(row.bits));
        EXPECT_EQ(flag, row.overflow);
    }
    const NUMBER big = Parse("70000");
    int32_t flag = 7;
    EXPECT_EQ(NumToWord(&big), 4464);
    EXPECT_EQ(NumToWordReply(&big, &flag), 4464);
    EXPECT_EQ(flag, 0);
}

TEST(NumberIntegers, IntegersToNumber) {
    NUMBER n;
    EXPECT_EQ(NumLongToNumber(&n, -2147483647 - 1), n.bLength);
    EXPECT_EQ(test::Text(n), "-2147483648");
    NumLongToNumber(&n, 0);
    EXPECT_EQ(Hex(n), "01 C0");
    NumLongToNumber(&n, -5);
    EXPECT_EQ(Hex(n), "03 3E 5F 65");
    NumDWordToNumber(&n, 4294967295u);
    EXPECT_EQ(Hex(n), "06 C5 2A 5E 60 48 5F");
    NumWordToNumber(&n, 65535);
    EXPECT_EQ(Hex(n), "04 C3 06 37 23");
    EXPECT_EQ(NumGet(100, &n), &n);
    EXPECT_EQ(Hex(n), "02 C2 01");
    for (int v = -99; v <= 99; ++v) {
        NUMBER small, general;
        NumCreateSmall(&small, v);
        NumLongToNumber(&general, v);
        EXPECT_EQ(Hex(small), Hex(general)) << v;
    }
    NumCreateSmall(&n, 150);
    EXPECT_EQ(Hex(n), "02 C1 00");
}

TEST(NumberCurrency, SixtyFourBitIntegers) {
    const struct {
        int64_t value;
        const char *bytes;
    } rows[] = {
        {-1, "04 3E 63 64 65"},
        {0, "04 C0 00 00 00"},
        {1, "04 C1 01 00 00"},
        {100, "04 C2 01 00 00"},
        {INT64_MAX, "0C CA 09 16 21 48 03 44 36 4D 3A 07 00"},
        {INT64_MIN, "0C 35 5B 4E 43 1C 61 20 2E 17 2A 5C 65"},
    };
    for (const auto &row : rows) {
        CY cy;
        cy.int64 = row.value;
        NUMBER n;
        NumLLongToNumber(&n, &cy);
        EXPECT_EQ(Hex(n), row.bytes) << row.value;
        EXPECT_EQ(n.bLength % 4, 0);
        CY back{};
        int32_t flag = 7;
        NumToLLong(&back, &n, &flag);
        EXPECT_EQ(back.int64, row.value);
        EXPECT_EQ(flag, 0) << row.value;
    }
    const NUMBER huge = Parse("1e30");
    CY back;
    int32_t flag = 0;
    NumToLLong(&back, &huge, &flag);
    EXPECT_EQ(flag, 1);
}

DECIMAL MakeDecimal(uint64_t low, uint32_t high, int scale, bool negative) {
    DECIMAL d{};
    d.Lo32 = static_cast<uint32_t>(low);
    d.Mid32 = static_cast<uint32_t>(low >> 32);
    d.Hi32 = high;
    d.scale = static_cast<BYTE>(scale);
    d.sign = negative ? 0x80 : 0;
    return d;
}

TEST(NumberDecimal, DecimalToNumber) {
    const struct {
        DECIMAL value;
        const char *text;
    } rows[] = {
        {MakeDecimal(15, 0, 1, false), "1.5"},
        {MakeDecimal(15, 0, 2, false), ".15"},
        {MakeDecimal(15, 0, 0, true), "-15"},
        {MakeDecimal(0, 0, 5, false), "0"},
        {MakeDecimal(~0ull, ~0u, 0, false), "79228162514264337593543950335"},
        {MakeDecimal(~0ull, ~0u, 28, false), "7.9228162514264337593543950335"},
        {MakeDecimal(1, 0, 27, true), "-.000000000000000000000000001"},
    };
    for (const auto &row : rows) {
        NUMBER n;
        NumDECIMALToNumber(&n, &row.value);
        EXPECT_EQ(test::Text(n), row.text);
        EXPECT_EQ(n.bLength % 4, 0) << row.text;
    }
}

TEST(NumberDecimal, NumberToDecimal) {
    const struct {
        const char *value;
        uint64_t low;
        uint32_t high;
        int scale, sign, overflow;
    } rows[] = {
        {"1.5", 150, 0, 2, 0, 0},
        {"-1.5", 150, 0, 2, 0x80, 0},
        {"0.123456789012345678901234567890", 0x6D797A91BE38F34Eull, 0x3FD35EB, 28, 0, 0},
        {"1e-30", 0, 0, 28, 0, 0},
        {"0", 0, 0, 0, 0, 0},
        {"#00", 0, 0, 0, 0, 0},
        {"123", 123, 0, 0, 0, 0},
        {"1e20", 0x6BC75E2D63100000ull, 5, 0, 0, 0},
        // The test looks before each step: the last one may carry past 96 bits
        // unreported, leaving the magnitude modulo 2^96.
        {"1e29", 0x6D7217CAA0000000ull, 0x431E0FAE, 0, 0, 0},
    };
    for (const auto &row : rows) {
        const NUMBER n = row.value[0] == '#' ? Bytes(row.value + 1) : Parse(row.value);
        DECIMAL d = MakeDecimal(9, 9, 9, true);
        int32_t flag = 7;
        NumToDECIMAL(&d, &n, &flag);
        EXPECT_EQ(flag, row.overflow) << row.value;
        EXPECT_EQ((uint64_t(d.Mid32) << 32) | d.Lo32, row.low) << row.value;
        EXPECT_EQ(d.Hi32, row.high) << row.value;
        EXPECT_EQ(d.scale, row.scale) << row.value;
        EXPECT_EQ(d.sign, row.sign) << row.value;
    }
    for (const char *tooLarge : {"1e-32", "1e70", "1e31"}) {
        const NUMBER n = Parse(tooLarge);
        DECIMAL d = MakeDecimal(9, 9, 9, true);
        int32_t flag = 0;
        NumToDECIMAL(&d, &n, &flag);
        EXPECT_EQ(flag, 1) << tooLarge;
        if (std::string(tooLarge) != "1e31") {
            EXPECT_EQ(d.Lo32, 9u) << "left unchanged: " << tooLarge;
            EXPECT_EQ(d.scale, 9);
        }
    }
}

TEST(NumberDouble, NullDoubleAndConversions) {
    const double infinities[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    for (double v : infinities) EXPECT_EQ(NumIsNullDouble(&v), 1);
    for (double v : {0.0, -0.0, 1.0, 1e308, 5e-324, -2.5}) EXPECT_EQ(NumIsNullDouble(&v), 0) << v;
    double null;
    NumNullDouble(&null);
    uint64_t bits;
    std::memcpy(&bits, &null, sizeof bits);
    EXPECT_EQ(bits, 0x7FF8000000000000ull);

    NUMBER n;
    const double tenth = 0.1;
    EXPECT_EQ(NumDoubleToNumber(&n, &tenth), 1);
    EXPECT_EQ(Hex(n), "02 C0 0A");
    EXPECT_EQ(NumDoubleToNumber(&n, &null), 1);
    EXPECT_EQ(n.bLength, 0);
    const double tooLarge = 1e200;
    EXPECT_EQ(NumDoubleToNumber(&n, &tooLarge), 0);
    EXPECT_EQ(n.bLength, 0);

    double out = 0;
    for (const char *text : {"0.1", "-123.45", "1e100", "3.14159", "1e-100", "0"}) {
        const NUMBER value = Parse(text);
        NumToDouble(&value, &out);
        EXPECT_NEAR(out, std::strtod(text, nullptr), std::fabs(std::strtod(text, nullptr)) * 1e-15) << text;
    }
    const NUMBER nullNumber = Bytes("00");
    NumToDouble(&nullNumber, &out);
    EXPECT_EQ(NumIsNullDouble(&out), 1);
    NumToDoubleNotNull(&nullNumber, &out);
    EXPECT_EQ(out, 0.0);
}

TEST(NumberDouble, GcvtTexts) {
    const struct {
        double value;
        const char *text;
    } rows[] = {
        {0.0, "0"},     {-0.0, "0"},     {std::numeric_limits<double>::quiet_NaN(), "0"}, {0.1, "0.1"},
        {-2.5, "-2.5"}, {1e20, "1e+20"}, {123456789012345678.0, "1.23456789012346e+17"},  {1e-5, "1e-05"},
        {100.0, "100"},
    };
    for (const auto &row : rows) {
        char buffer[32];
        EXPECT_STREQ(FMTgcvt(&row.value, buffer), row.text);
        NUMBER n;
        if (std::string(row.text) != "0") {
            EXPECT_GT(NumAsciiToNumber(&n, buffer), 0) << buffer;
        }
    }
}

} // namespace
