// Leading integers and doubles: the bytes read, overflow, and the rules of
// the double reader (its length limit, and zeros that were not written as
// zeros).
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace intl_text;

namespace {

constexpr int32_t kUntouched = 0x5A5A5A5A;

struct LongRow {
    std::string src;
    int32_t read;
    int32_t value;
};

void ExpectLongs(std::initializer_list<LongRow> rows) {
    for (const LongRow &row : rows) {
        const auto src = Exact(row.src);
        int32_t value = kUntouched;
        EXPECT_EQ(IntlFetchNextNumLong(&value, src.data()), row.read) << testing::PrintToString(row.src);
        EXPECT_EQ(value, row.value) << testing::PrintToString(row.src);
    }
}

struct DoubleRow {
    std::string src;
    int32_t read;
    double value; // NaN: untouched
};

void ExpectDoubles(std::initializer_list<DoubleRow> rows) {
    for (const DoubleRow &row : rows) {
        const auto src = Exact(row.src);
        double value = std::numeric_limits<double>::quiet_NaN();
        EXPECT_EQ(IntlFetchNextNumDouble(&value, src.data()), row.read) << testing::PrintToString(row.src);
        if (std::isnan(row.value))
            EXPECT_TRUE(std::isnan(value)) << testing::PrintToString(row.src);
        else
            EXPECT_EQ(value, row.value) << testing::PrintToString(row.src);
    }
}

constexpr double kUntouchedDouble = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

void ExpectSingleByteRows() {
    ExpectLongs({
        {" -42abc", 4, -42},
        {"+7", 2, 7},
        {"\t\n2147483647", 12, 2147483647},
        {"2147483648", 0, kUntouched},
        {"-2147483648", 0, kUntouched},
        {"-x", 0, kUntouched},
        {"", 0, kUntouched},
    });
    ExpectDoubles({
        {"1.5e3x", 5, 1500.0},
        {"0.0", 3, 0.0},
        {"0e0", 3, 0.0},
        {" 0", -1, 0.0},  // white space keeps the text from reading as written zero
        {"0e5", -1, 0.0}, // a digit other than 0: not written as zero
        {"1e-400", -1, 0.0},
        {"1e400", 5, kInfinity},
        {"-1e400", 6, -kInfinity},
        {".e5", 0, kUntouchedDouble},
        {"1e", 0, kUntouchedDouble},
        {"-.5", 3, -0.5},
        {"  +2.5E-1;", 9, 0.25},
        {"", 0, kUntouchedDouble},
        // 99 bytes are read; 100 are refused
        {"1" + std::string(98, '0'), 99, 1e98},
        {" 1" + std::string(98, '0'), -1, kUntouchedDouble},
    });
    double d = 0;
    int32_t n = 0;
    EXPECT_EQ(IntlFetchNextNumDouble(&d, nullptr), 0);
    EXPECT_EQ(IntlFetchNextNumLong(&n, nullptr), 0);
    EXPECT_EQ(IntlFetchNextNumLong(nullptr, "1"), 0);
}

} // namespace

TEST(EmbeddedNumbers, SingleByteText) { ExpectSingleByteRows(); }
TEST(EmbeddedNumbersOnJapaneseSystem, SingleByteText) { ExpectSingleByteRows(); }

TEST(EmbeddedNumbersOnJapaneseSystem, WideBlanksAreSkipped) {
    ExpectLongs({{kWideBlank + " 12", 5, 12}, {kA + "12", 0, kUntouched}});
    ExpectDoubles({{kWideBlank + "2.5", 5, 2.5}});
}
