// Token cutters, the token pointer and the keyword finder.  In double-byte
// mode no delimiter, parenthesis or separator is ever found in a trail byte.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

using namespace intl_text;

namespace {

enum class Cutter { kPlain, kNested, kQuoted };

struct CutRow {
    Cutter cutter;
    std::string src;
    std::string skip;
    std::string delims;
    uint16_t prefix;
    int32_t dstSize; // 0: unchecked, the buffer is as large as src
    Result expected;
};

Result Cut(const CutRow &row) {
    const auto src = Exact(row.src);
    const auto skip = Exact(row.skip);
    const auto delims = Exact(row.delims);
    const size_t capacity = row.dstSize > 0 ? static_cast<size_t>(row.dstSize) : row.src.size() + 1;
    return IntoBuffer(capacity, [&](char *dst) {
        *dst = '\0';
        switch (row.cutter) {
        case Cutter::kPlain:
            return IntlStrGetToken(dst, src.data(), skip.data(), delims.data(), row.prefix, row.dstSize);
        case Cutter::kNested:
            return IntlStrGetTokenNestedParens(dst, src.data(), skip.data(), delims.data(), row.prefix, row.dstSize);
        case Cutter::kQuoted:
            return IntlStrGetTokenQuoted(dst, src.data(), skip.data(), delims.data(), row.prefix, '\'', row.dstSize);
        }
        return -99;
    });
}

void ExpectCuts(std::initializer_list<CutRow> rows) {
    for (const CutRow &row : rows)
        EXPECT_EQ(Cut(row), row.expected) << static_cast<int>(row.cutter) << " " << testing::PrintToString(row.src);
}

// Offset of IntlStrFindToken's result, -1 for null.
int FindToken(const std::string &str, const std::string &token, int32_t useScan, int32_t needParen) {
    const auto text = Exact(str);
    const auto word = Exact(token);
    return OffsetIn(text.data(), IntlStrFindToken(text.data(), word.data(), useScan, needParen));
}

void ExpectSingleByteRows() {
    ExpectCuts({
        {Cutter::kPlain, "  abc,def", " ", ",", 0, 0, {"abc", 5}},
        {Cutter::kPlain, ",def", ",", ",", 0, 0, {"def", 4}},
        {Cutter::kPlain, "=x;y", "", ";", '=', 0, {"x", 2}},
        {Cutter::kPlain, "x;y", "", ";", '=', 0, {"", 0}},
        // the token and its terminator must fit dstSize
        {Cutter::kPlain, "abcde", "", ",", 0, 5, {"", 0}},
        {Cutter::kPlain, "abcde", "", ",", 0, 6, {"abcde", 5}},
        {Cutter::kNested, "f(a,b),c", "", ",", 0, 0, {"f(a,b)", 6}},
        {Cutter::kNested, "f(a,(b,c)),d", "", ",", 0, 0, {"f(a,(b,c))", 10}},
        {Cutter::kNested, "a),b", "", ",", 0, 0, {"a)", 2}},
        {Cutter::kQuoted, "'a,b',c", "", ",", 0, 0, {"'a,b'", 5}},
        {Cutter::kQuoted, "x'a,b'y'c,d',e", "", ",", 0, 0, {"x'a,b'y'c,d'", 12}},
        {Cutter::kQuoted, "'a,b", "", ",", 0, 0, {"'a", 2}},
    });
    const auto src = Exact("  ab cd");
    char *token = nullptr;
    EXPECT_EQ(IntlStrGetTokenPtr(&token, src.data(), " ", " "), 4);
    EXPECT_EQ(token, src.data());
    EXPECT_EQ(IntlStrGetTokenPtr(&token, src.data(), " ", ";"), 7);

    EXPECT_EQ(FindToken("x = SUM (a)", "sum", 0, 1), 4);
    EXPECT_EQ(FindToken("'sum (a)'", "sum", 0, 1), -1);
    EXPECT_EQ(FindToken("\"sum\" sum(a)", "sum", 0, 1), 6);
    EXPECT_EQ(FindToken("summary sum(x)", "sum", 0, 1), 8);
    EXPECT_EQ(FindToken("countries(1)", "count", 0, 1), -1);
    EXPECT_EQ(FindToken("x'y z' sum", "sum", 0, 0), 7);
    EXPECT_EQ(FindToken("ab", "abc", 0, 0), -1);
    EXPECT_EQ(FindToken("a xsumx", "SUM", 1, 0), 3);
}

} // namespace

TEST(Tokens, SingleByteText) { ExpectSingleByteRows(); }
TEST(TokensOnJapaneseSystem, SingleByteText) { ExpectSingleByteRows(); }

TEST(TokensOnJapaneseSystem, TrailBytesAreNoDelimiters) {
    ExpectCuts({
        {Cutter::kPlain, kA + "A,b", "", "A", 0, 0, {kA, 2}},
        {Cutter::kPlain, kHyo + "\\x", "", "\\", 0, 0, {kHyo, 2}},
        {Cutter::kPlain, kPo + "|x", "", "|", 0, 0, {kPo, 2}},
        {Cutter::kPlain, "a" + kHyo + "b", "", kHyo, 0, 0, {"a", 1}},
        {Cutter::kNested, kPo + "(x|y)|z", "", "|", 0, 0, {kPo + "(x|y)", 7}},
        {Cutter::kQuoted, "'" + kPo + "|'|z", "", "|", 0, 0, {"'" + kPo + "|'", 5}},
    });
    const auto src = Exact(kA + "A" + kHyo);
    char *token = nullptr;
    EXPECT_EQ(IntlStrGetTokenPtr(&token, src.data(), "", "A"), 2);
    EXPECT_EQ(FindToken(kWideBlank + kA + " sum(1)", "SUM", 0, 1), 5);
    EXPECT_EQ(FindToken(kA + "sum", kA + "SUM", 0, 0), 0);
    EXPECT_EQ(FindToken("\x83\x61", "\x83\x41", 0, 0), -1);
    EXPECT_EQ(FindToken("x" + kA + "y", kA + "Y", 1, 0), 1);
}
