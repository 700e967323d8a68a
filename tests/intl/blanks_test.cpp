// Blanks: each function's own blank set, and the double-byte blank of the
// language in double-byte mode.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

using namespace intl_text;

namespace {

Result Trim(const std::string &src) {
    const auto text = Exact(src);
    return IntoBuffer(src.size() + 1, [&](char *dst) { return IntlStrTrim(dst, text.data()); });
}

Result TrimTrailing(const std::string &src) {
    auto text = Exact(src);
    const int32_t length = IntlStrTrimTrailing(text.data());
    return {text.data(), length};
}

std::string StripEnd(const std::string &src) {
    auto text = Exact(src);
    EXPECT_EQ(IntlStripEndSpace(text.data(), text.data()), text.data());
    return text.data();
}

std::string StripBoth(const std::string &src) {
    auto text = Exact(src);
    EXPECT_EQ(IntlStrStripSpace(text.data()), text.data());
    return text.data();
}

int StartSpace(const std::string &src) {
    const auto text = Exact(src);
    return static_cast<int>(IntlStripStartSpace(text.data()) - text.data());
}

int StartBlank(const std::string &src) {
    const auto text = Exact(src);
    return static_cast<int>(IntlStripStartBlank(text.data()) - text.data());
}

void ExpectSingleByteRows() {
    EXPECT_EQ(Trim("  a \t b  "), (Result{"a b", 3}));
    EXPECT_EQ(Trim(" \t\v\f "), (Result{"", 0}));
    EXPECT_EQ(Trim("a\r\nb"), (Result{"a\r\nb", 4}));
    EXPECT_EQ(TrimTrailing("   "), (Result{" ", 1}));
    EXPECT_EQ(TrimTrailing("ab \t\v\f"), (Result{"ab", 2}));
    EXPECT_EQ(TrimTrailing("a"), (Result{"a", 1}));
    EXPECT_EQ(TrimTrailing(""), (Result{"", 0}));
    EXPECT_EQ(StripEnd("ab \r\n\t"), "ab");
    EXPECT_EQ(StripEnd(" \n "), "");
    EXPECT_EQ(StripBoth("\t a b \n"), "a b");
    EXPECT_EQ(StartSpace("\r\n x"), 3);
    EXPECT_EQ(StartBlank("  \tx"), 2);
    EXPECT_EQ(IntlStrIsNextChSpace("\v"), 1);
    EXPECT_EQ(IntlStrIsNextChSpace("x"), 0);
}

} // namespace

TEST(Blanks, SingleByteText) { ExpectSingleByteRows(); }
TEST(BlanksOnJapaneseSystem, SingleByteText) { ExpectSingleByteRows(); }

// CR and LF end the trim of trailing blanks in single-byte mode only.
TEST(Blanks, TrimTrailingKeepsLineEnds) { EXPECT_EQ(TrimTrailing("ab\r\n "), (Result{"ab\r\n", 4})); }
TEST(BlanksOnJapaneseSystem, TrimTrailingTakesLineEnds) { EXPECT_EQ(TrimTrailing("ab\r\n "), (Result{"ab", 2})); }

// Outside double-byte mode the ideographic space is two ordinary bytes.
TEST(Blanks, WideBlankIsText) {
    EXPECT_EQ(Trim(kWideBlank + "a"), (Result{kWideBlank + "a", 3}));
    EXPECT_EQ(IntlStrIsNextChSpace(kWideBlank.c_str()), 0);
}

TEST(BlanksOnJapaneseSystem, WideBlankIsABlank) {
    const std::string b = kWideBlank;
    EXPECT_EQ(Trim(b + "a" + b + b + "\t" + kA + b), (Result{"a " + kA, 3}));
    EXPECT_EQ(TrimTrailing(b + b), (Result{b, 1}));
    EXPECT_EQ(TrimTrailing(kA + b + " "), (Result{kA, 1}));
    EXPECT_EQ(StripEnd("x" + b + "\n"), "x");
    EXPECT_EQ(StripBoth(b + kHyo + b), kHyo);
    EXPECT_EQ(StartSpace(b + " " + kA), 3);
    EXPECT_EQ(StartBlank(" " + b + "\t"), 3);
    EXPECT_EQ(IntlStrIsNextChSpace(b.c_str()), 1);
    // A double-byte character whose trail byte is 0x40 like the blank's.
    const std::string notBlank = "\x82\x40";
    EXPECT_EQ(Trim(notBlank + "a"), (Result{notBlank + "a", 2}));
}

TEST(BlanksOnKoreanSystem, KoreanWideBlank) {
    const std::string b = "\xA1\xA1";
    EXPECT_EQ(Trim(b + "a" + b + "b"), (Result{"a b", 3}));
    EXPECT_EQ(Trim(kWideBlank + "a"), (Result{kWideBlank + "a", 2}));
}
