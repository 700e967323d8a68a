// Arithmetic, comparison, rounding, truncation and scaling of NUMBERs.
#include <gtest/gtest.h>

#include <string>

#include "number/number_bytes.h"

namespace {

using test::Bytes;
using test::Hex;
using test::Parse;

using BinaryOp = int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);

struct BinaryRow {
    BinaryOp op;
    const char *a;
    const char *b;
    std::string bytes;
};

std::string Repeat(const std::string &unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += unit;
    return s;
}

// A value as text, or as record bytes after '#'.
NUMBER Value(const char *text) { return text[0] == '#' ? Bytes(text + 1) : Parse(text); }

// Runs the operation into a fresh result and into each operand, which the
// result may alias.
void ExpectBinary(const BinaryRow &row) {
    const NUMBER a = Value(row.a), b = Value(row.b);
    NUMBER result{};
    const int length = row.op(&result, &a, &b);
    EXPECT_EQ(Hex(result), row.bytes) << row.a << " , " << row.b;
    EXPECT_EQ(length, result.bLength);
    NUMBER first = a, second = b;
    row.op(&first, &first, &b);
    EXPECT_EQ(Hex(first), row.bytes) << "result aliasing a";
    row.op(&second, &a, &second);
    EXPECT_EQ(Hex(second), row.bytes) << "result aliasing b";
}

TEST(NumberArithmetic, BinaryOperations) {
    const BinaryRow rows[] = {
        {NumAddition, "0.1", "0.2", "02 C0 1E"},
        {NumAddition, "1", "1e-50", "02 C1 01"},
        {NumAddition, "0", "-5", "03 3E 5F 65"},
        {NumAddition, "#00", "7", "02 C1 07"}, // null counts as zero
        {NumAddition, "#00", "#00", "01 C0"},
        {NumAddition, "99", "1", "02 C2 01"},
        {NumAddition, "-99", "-1", "03 3D 63 65"},
        {NumAddition, "5", "-5", "01 C0"},
        {NumAddition, "-3", "5", "02 C1 02"},
        {NumSubtract, "3", "5", "03 3E 62 65"},
        {NumSubtract, "1", "0.000001", "04 C0 63 63 63"},
        // Twenty-three digits of 99 plus one unit of the last place carry through.
        {NumAddition, "99999999999999999999999999999999999999999999.99", "0.01", "02 D7 01"},
        // Short operands whose places span the whole integer range: a carry
        // through every digit, a cancellation down to the last place, a sign
        // change.
        {NumAddition, "999999999999999999999999", "1", "02 CD 01"},
        {NumSubtract, "-999999999999999999999999", "1", "03 32 63 65"},
        {NumSubtract, "1234567890123456.78", "1234567890123456.77", "02 C0 01"},
        {NumSubtract, "0.5", "123456789.5", "07 3A 63 4D 37 21 0B 65"},
        {NumMultiply, "9999999999999999", "9999999999999999", "11 D0 63 63 63 63 63 63 63 62 00 00 00 00 00 00 00 01"},
        {NumMultiply, "1.5", "-2", "03 3E 61 65"},
        {NumMultiply, "0", "-2", "01 C0"},
        {NumMultiply, "#00", "3", "01 C0"},
        {NumMultiply, "1e60", "1e60", "02 FC 01"}, // clamped, no error
        {NumDivide, "5", "0", "02 FC 01"},
        {NumDivide, "-5", "0", "03 03 63 65"},
        {NumDivide, "0", "0", "01 C0"},
        {NumDivide, "#00", "3", "01 C0"},
        {NumDivide, "10", "4", "03 C1 02 32"},
    };
    for (const BinaryRow &row : rows) ExpectBinary(row);
}

TEST(NumberArithmetic, DivisionDevelopsTwentyFourQuotientDigits) {
    // 1/3: 23 digits of 33; 2/3: the first of the 24 quotient digits is 0, so
    // no digit is left to round on; -1/3: 22 digits of 33.
    ExpectBinary({NumDivide, "1", "3", "18 C0 " + Repeat("21 ", 22) + "21"});
    ExpectBinary({NumDivide, "2", "3", "18 C0 " + Repeat("42 ", 22) + "42"});
    ExpectBinary({NumDivide, "-1", "3", "18 3F " + Repeat("43 ", 22) + "65"});
    ExpectBinary({NumDivide, "200", "3", "18 C1 " + Repeat("42 ", 22) + "42"});
    // 1 / (100^n - 1) repeats a 1 every n places: divisors of nine and of
    // eleven base-100 digits, on either side of the short divisors.
    ExpectBinary({NumDivide, "1", "99", "18 C0 " + Repeat("01 ", 22) + "01"});
    ExpectBinary(
        {NumDivide, "1", "999999999999999999", "14 B8 01 " + Repeat("00 ", 8) + "01 " + Repeat("00 ", 8) + "01"});
    ExpectBinary(
        {NumDivide, "1", "9999999999999999999999", "18 B6 01 " + Repeat("00 ", 10) + "01 " + Repeat("00 ", 10) + "01"});
    // Long runs of 99 in both operands: quotient estimates that land a unit
    // or two off on both sides of a limb boundary, which the final carries
    // must take up.
    ExpectBinary({NumDivide, "#18 EC 63 63 63 63 63 63 63 63 63 4D 63 63 63 63 63 63 3B 63 43 4A 63 63 63",
                  "#18 EA 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 63 31 63 63 32 63",
                  "18 C2 63 63 63 63 63 63 63 63 63 4D 63 63 63 63 63 63 3C 00 11 4B 00 30 63"});
}

// Records that a host wrote without normalising, or with digit bytes out of
// range, are read as the values they stand for by every operation: a leading
// zero digit, trailing zero digits, a digit byte read modulo 100.
TEST(NumberArithmetic, OddRecordsReadAsTheirValues) {
    const struct {
        const char *record;
        const char *value;
    } odd[] = {
        {"03 C1 00 05", "0.05"},
        {"04 C1 05 00 00", "5"},
        {"02 C1 69", "5"},
        {"04 3E 00 5F 65", "-0.05"},
    };
    const BinaryOp ops[] = {NumAddition, NumSubtract, NumMultiply, NumDivide};
    for (const auto &row : odd) {
        const NUMBER record = Bytes(row.record), value = Parse(row.value);
        for (const char *text : {"3", "-7.25", "123456789012345678901234567890", "0.0000000000000001"}) {
            const NUMBER other = Parse(text);
            for (const BinaryOp op : ops) {
                NUMBER expected{}, actual{};
                op(&expected, &value, &other);
                op(&actual, &record, &other);
                EXPECT_EQ(Hex(actual), Hex(expected)) << row.record << " with " << text;
                op(&expected, &other, &value);
                op(&actual, &other, &record);
                EXPECT_EQ(Hex(actual), Hex(expected)) << text << " with " << row.record;
            }
        }
    }
}

TEST(NumberArithmetic, NegationLosesTheTwentyThirdDigit) {
    NUMBER n = Parse("1");
    EXPECT_EQ(NumNegate(&n), 3);
    EXPECT_EQ(Hex(n), "03 3E 63 65");
    n = Parse("0");
    EXPECT_EQ(NumNegate(&n), 1);
    EXPECT_EQ(Hex(n), "01 C0");
    n = Parse(("1" + Repeat("0", 43) + "51").c_str()); // 23 base-100 digits
    NumNegate(&n);
    EXPECT_EQ(n.bLength, 24);
    EXPECT_EQ(test::Text(n), "-1" + Repeat("0", 42) + "100");
    for (const char *invalid : {"00", "19 C1 01"}) {
        n = Bytes(invalid);
        EXPECT_EQ(NumNegate(&n), 0);
        EXPECT_EQ(Hex(n), Hex(Bytes(invalid)));
    }
}

struct CompareRow {
    const char *a;
    const char *b;
    int result;
};

// Each row is checked both ways round.
TEST(NumberComparison, OrderNullsAndLengths) {
    const CompareRow rows[] = {
        {"#00", "-5", -1},
        {"#00", "#00", 0},
        {"-2", "-10", 1},
        {"1.5", "#03 C1 01 32 00", 0},
        {"0", "-1", 1},
        {"0", "1", -1},
        {"1", "2", -1},
        {"100", "99", 1},
        {"-100", "-99", -1},
        {"1.01", "1.0101", -1},
        {"#19 C1 01", "1", 0},
        // With the top bit set only the low four bits are the length.
        {"#82 C1 05", "5", 0},
    };
    for (const CompareRow &row : rows) {
        const NUMBER a = Value(row.a), b = Value(row.b);
        EXPECT_EQ(NumCompare(&a, &b), row.result) << row.a << " vs " << row.b;
        if (row.result != 0 || (a.bLength < 25 && b.bLength < 25)) {
            EXPECT_EQ(NumCompare(&b, &a), -row.result) << row.b << " vs " << row.a;
        }
    }
}

TEST(NumberComparison, DatesCompareWithATolerance) {
    const CompareRow rows[] = {
        {"45000.5", "45000.50000000000000001", 0},
        {"45000.5", "45000.500000000000001", -1},
        {"1e-17", "0", 1},
        {"#00", "1", -1},
        {"-1", "1", -1},
        {"2", "1", 1},
    };
    for (const CompareRow &row : rows) {
        NUMBER a = Value(row.a), b = Value(row.b);
        EXPECT_EQ(DateCompare(&a, &b), row.result) << row.a << " vs " << row.b;
        EXPECT_EQ(DateCompare(&b, &a), -row.result) << row.b << " vs " << row.a;
    }
    // Operands longer than 12 bytes are cut in place.
    NUMBER a = Parse("1.23456789012345678901234"), b = Parse("1");
    DateCompare(&a, &b);
    EXPECT_EQ(a.bLength, 12);
}

struct RoundRow {
    const char *value;
    int places;
    const char *result;
};

TEST(NumberRounding, HalfAwayFromZero) {
    const RoundRow rows[] = {
        {"2.5", 0, "3"},     {"-2.5", 0, "-3"},      {"0.004", 2, "0"},      {"0.006", 2, ".01"},
        {"99.96", 1, "100"}, {"1234", -2, "1200"},   {"1250", -2, "1300"},   {"0.5", 0, "1"},
        {"0.4", 0, "0"},     {"12.345", 2, "12.35"}, {"12.344", 2, "12.34"}, {"12.3", 5, "12.3"},
        {"-0.05", 1, "-.1"}, {"999.95", 1, "1000"},  {"7", -3, "0"},         {"0", 3, "0"},
        {"1e50", -200, "0"}, {"5", 2000000000, "5"},
    };
    for (const RoundRow &row : rows) {
        const NUMBER value = Parse(row.value);
        NUMBER result{};
        NumRound(&result, &value, row.places);
        EXPECT_EQ(test::Text(result), row.result) << row.value << " to " << row.places;
    }
    NUMBER null = Bytes("00"), result{};
    NumRound(&result, &null, 2);
    EXPECT_EQ(Hex(result), "01 C0");
}

TEST(NumberTruncation, PrecisionAndScale) {
    const struct {
        const char *value;
        int precision, scale;
        const char *result;
    } rows[] = {
        {"12345.678", 4, 2, "45.67"},
        {"12345.678", 10, 0, "12345"},
        {"-12345.678", 5, 1, "-2345.6"},
        {"0.999", 3, 2, ".99"},
        {"123", 2, 0, "23"},
        {"123", 1, 0, "3"},
        {"100", 2, 0, "0"},
        {"0", 5, 2, "0"},
    };
    for (const auto &row : rows) {
        NUMBER value = Parse(row.value);
        EXPECT_EQ(NumTruncate(&value, row.precision, row.scale), 1);
        EXPECT_EQ(test::Text(value), row.result) << row.value;
    }
    NUMBER null = Bytes("00");
    EXPECT_EQ(NumTruncate(&null, 4, 2), 0);
    EXPECT_EQ(null.bLength, 0);
}

TEST(NumberScaling, PowersOfTen) {
    const struct {
        const char *value;
        int power;
        const char *result;
    } rows[] = {
        {"1.5", 3, "1500"},     {"1.5", -1, ".15"},      {"1.5", 0, "1.5"}, {"-2", 5, "-200000"},
        {"1", 60, "1.000E+60"}, {"1", -60, "1.000E-60"}, {"7", 1, "70"},    {"7", -2, ".07"},
    };
    for (const auto &row : rows) {
        const NUMBER value = Parse(row.value);
        NUMBER result{};
        EXPECT_GT(NumPower10(&result, &value, row.power), 0);
        EXPECT_EQ(test::Text(result, 9), row.result) << row.value << " e " << row.power;
    }
    const NUMBER value = Parse("1.5");
    NUMBER result = Parse("3");
    EXPECT_EQ(NumPower10(&result, &value, 61), 0);
    EXPECT_EQ(result.bLength, 0);
    EXPECT_EQ(NumPower10(&result, &value, -61), 0);
}

} // namespace
