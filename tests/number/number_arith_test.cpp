// Arithmetic, comparison, rounding, truncation and scaling of NUMBERs.
#include <gtest/gtest.h>

#include <string>

#include "number/number_bytes.h"
#include "number/number_examples.h"

namespace {

using test::Bytes;
using test::Hex;
using test::Parse;

using test::Value;

using BinaryOp = int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);
// By number_examples::Op.
constexpr BinaryOp kExports[] = {NumAddition, NumSubtract, NumMultiply, NumDivide};

// Each operation into a fresh result and into each operand, which the
// result may alias.
TEST(NumberArithmetic, BinaryOperations) {
    for (const auto &row : number_examples::kBinary) {
        const BinaryOp op = kExports[static_cast<int>(row.op)];
        const NUMBER a = Value(row.a), b = Value(row.b);
        NUMBER result{};
        const int length = op(&result, &a, &b);
        EXPECT_EQ(Hex(result), row.bytes) << row.a << " , " << row.b;
        EXPECT_EQ(length, result.bLength);
        NUMBER first = a, second = b;
        op(&first, &first, &b);
        EXPECT_EQ(Hex(first), row.bytes) << "result aliasing a";
        op(&second, &a, &second);
        EXPECT_EQ(Hex(second), row.bytes) << "result aliasing b";
    }
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
    n = Parse(("1" + number_examples::Repeat("0", 43) + "51").c_str()); // 23 base-100 digits
    NumNegate(&n);
    EXPECT_EQ(n.bLength, 24);
    EXPECT_EQ(test::Text(n), "-1" + number_examples::Repeat("0", 42) + "100");
    for (const char *invalid : {"00", "19 C1 01"}) {
        n = Bytes(invalid);
        EXPECT_EQ(NumNegate(&n), 0);
        EXPECT_EQ(Hex(n), Hex(Bytes(invalid)));
    }
}

// Each row both ways round; an invalid length compares equal either way.
TEST(NumberComparison, OrderNullsAndLengths) {
    for (const auto &row : number_examples::kCompared) {
        const NUMBER a = Value(row.a), b = Value(row.b);
        EXPECT_EQ(NumCompare(&a, &b), row.result) << row.a << " vs " << row.b;
        if (row.result != 0 || (a.bLength < 25 && b.bLength < 25)) {
            EXPECT_EQ(NumCompare(&b, &a), -row.result) << row.b << " vs " << row.a;
        }
    }
}

TEST(NumberComparison, DatesCompareWithATolerance) {
    for (const auto &row : number_examples::kDateCompared) {
        NUMBER a = Value(row.a), b = Value(row.b);
        EXPECT_EQ(DateCompare(&a, &b), row.result) << row.a << " vs " << row.b;
        EXPECT_EQ(DateCompare(&b, &a), -row.result) << row.b << " vs " << row.a;
    }
    // Operands longer than 12 bytes are cut in place.
    NUMBER a = Parse("1.23456789012345678901234"), b = Parse("1");
    DateCompare(&a, &b);
    EXPECT_EQ(a.bLength, 12);
}

TEST(NumberRounding, HalfAwayFromZero) {
    for (const auto &row : number_examples::kRounded) {
        const NUMBER value = Value(row.value);
        NUMBER result{};
        NumRound(&result, &value, row.places);
        EXPECT_EQ(test::Text(result), row.result) << row.value << " to " << row.places;
    }
    NUMBER null = Bytes("00"), result{};
    NumRound(&result, &null, 2);
    EXPECT_EQ(Hex(result), "01 C0");
}

TEST(NumberTruncation, PrecisionAndScale) {
    for (const auto &row : number_examples::kTruncated) {
        NUMBER value = Parse(row.value);
        EXPECT_EQ(NumTruncate(&value, row.precision, row.scale), 1);
        EXPECT_EQ(test::Text(value), row.result) << row.value;
    }
    NUMBER null = Bytes("00");
    EXPECT_EQ(NumTruncate(&null, 4, 2), 0);
    EXPECT_EQ(null.bLength, 0);
}

TEST(NumberScaling, PowersOfTen) {
    for (const auto &row : number_examples::kScaled) {
        const NUMBER value = Parse(row.value);
        NUMBER result{};
        EXPECT_GT(NumPower10(&result, &value, row.places), 0);
        EXPECT_EQ(test::Text(result, 9), row.result) << row.value << " e " << row.places;
    }
    const NUMBER value = Parse("1.5");
    NUMBER result = Parse("3");
    EXPECT_EQ(NumPower10(&result, &value, 61), 0);
    EXPECT_EQ(result.bLength, 0);
    EXPECT_EQ(NumPower10(&result, &value, -61), 0);
}

} // namespace
