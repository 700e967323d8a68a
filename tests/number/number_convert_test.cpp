// NUMBER to and from integers, CY, DECIMAL and double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "number/number_bytes.h"
#include "number/number_examples.h"

namespace {

using test::Bytes;
using test::Hex;
using test::Parse;

TEST(NumberIntegers, IntegerPartAndOverflowFlag) {
    for (const auto &row : number_examples::kIntegers) {
        const NUMBER n = test::Value(row.value);
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
    for (const auto &row : number_examples::kCurrencies) {
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

DECIMAL MakeDecimal(const number_examples::Decimal &fields) {
    DECIMAL d{};
    d.Lo32 = static_cast<uint32_t>(fields.low);
    d.Mid32 = static_cast<uint32_t>(fields.low >> 32);
    d.Hi32 = fields.high;
    d.scale = static_cast<BYTE>(fields.scale);
    d.sign = fields.negative ? 0x80 : 0;
    return d;
}

TEST(NumberDecimal, DecimalToNumber) {
    for (const auto &row : number_examples::kDecimalReads) {
        const DECIMAL value = MakeDecimal(row.decimal);
        NUMBER n;
        NumDECIMALToNumber(&n, &value);
        EXPECT_EQ(test::Text(n), row.text);
        EXPECT_EQ(n.bLength % 4, 0) << row.text;
    }
}

TEST(NumberDecimal, NumberToDecimal) {
    const DECIMAL junk = MakeDecimal({9, 9, 9, true});
    for (const auto &row : number_examples::kDecimalWrites) {
        const NUMBER n = test::Value(row.value);
        const DECIMAL expected = row.unchanged ? junk : MakeDecimal(row.decimal);
        DECIMAL d = junk;
        int32_t flag = 7;
        NumToDECIMAL(&d, &n, &flag);
        EXPECT_EQ(flag, row.overflow) << row.value;
        EXPECT_EQ((uint64_t(d.Mid32) << 32) | d.Lo32, (uint64_t(expected.Mid32) << 32) | expected.Lo32) << row.value;
        EXPECT_EQ(d.Hi32, expected.Hi32) << row.value;
        EXPECT_EQ(d.scale, expected.scale) << row.value;
        EXPECT_EQ(d.sign, expected.sign) << row.value;
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
