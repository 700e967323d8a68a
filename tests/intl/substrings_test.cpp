// Substrings and lengths, in single-byte and double-byte mode.  Every result
// goes into a buffer just as large as the source text (plus the
// replacement) and its terminator.
#include "intl/intl_text.h"
#include "orvexrt/intl.h"

#include <gtest/gtest.h>

#include <climits>

using namespace intl_text;

namespace {

enum class Op { kLeft, kLeftB, kMid, kMidB, kRight, kRightB, kReplace, kReplaceB };

struct Row {
    Op op;
    std::string src;
    int32_t a; // n, or start
    int32_t b; // len, or count
    Result expected;
    std::string repl = "";
};

Result Run(const Row &row) {
    const auto src = Exact(row.src);
    const auto repl = Exact(row.repl);
    return IntoBuffer(row.src.size() + row.repl.size() + 1, [&](char *dst) {
        switch (row.op) {
        case Op::kLeft:
            return IntlStrLeft(dst, src.data(), row.a);
        case Op::kLeftB:
            return IntlStrLeftB(dst, src.data(), row.a);
        case Op::kMid:
            return IntlStrMid(dst, src.data(), row.a, row.b);
        case Op::kMidB:
            return IntlStrMidB(dst, src.data(), row.a, row.b);
        case Op::kRight:
            return IntlStrRight(dst, src.data(), row.a);
        case Op::kRightB:
            return IntlStrRightB(dst, src.data(), row.a);
        case Op::kReplace:
            return IntlStrReplace(dst, src.data(), repl.data(), row.a, row.b);
        case Op::kReplaceB:
            return IntlStrReplaceB(dst, src.data(), repl.data(), row.a, row.b);
        }
        return -99;
    });
}

void ExpectRows(std::initializer_list<Row> rows) {
    for (const Row &row : rows) {
        EXPECT_EQ(Run(row), row.expected) << "op " << static_cast<int>(row.op) << " on "
                                          << testing::PrintToString(row.src) << " " << row.a << " " << row.b;
    }
}

// Single-byte text gives the same results in either mode, and the B forms
// agree with the plain ones.
void ExpectSingleByteRows() {
    for (Op op : {Op::kMid, Op::kMidB}) {
        ExpectRows({
            {op, "abcdef", 2, 3, {"cde", 3}},
            {op, "abcdef", 2, -1, {"", 0}},
            {op, "abcdef", 10, 1, {"", 0}},
            {op, "abcdef", 6, 1, {"", 0}},
            {op, "abcdef", -2, 2, {"ab", 2}},
            {op, "abcdef", 4, INT_MAX, {"ef", 2}},
        });
    }
    for (Op op : {Op::kLeft, Op::kLeftB}) {
        ExpectRows({{op, "abc", 2, 0, {"ab", 2}}, {op, "abc", 9, 0, {"abc", 3}}, {op, "abc", -1, 0, {"", 0}}});
    }
    for (Op op : {Op::kRight, Op::kRightB}) {
        ExpectRows({{op, "abc", 5, 0, {"abc", 3}}, {op, "abc", 0, 0, {"", 0}}, {op, "", 3, 0, {"", 0}}});
    }
    for (Op op : {Op::kReplace, Op::kReplaceB}) {
        ExpectRows({
            {op, "abcdef", 2, 2, {"abXYef", 6}, "XY"},
            {op, "abcdef", -5, 2, {"XYcdef", 6}, "XY"},
            {op, "abcdef", 99, 2, {"abcdefXY", 8}, "XY"},
            {op, "abcdef", 2, -3, {"abXYcdef", 8}, "XY"},
            {op, "abcdef", 2, INT_MAX, {"abXY", 4}, "XY"},
            {op, "abcdef", 1, 4, {"af", 2}, ""},
        });
    }
}

// IntlStrnCpy writes exactly n bytes when the source is shorter (zero
// padding) and no terminator when it is as long or longer.
std::string CopyN(const std::string &src, uint16_t n, size_t capacity) {
    std::vector<char> dst(capacity, '#');
    const auto text = Exact(src);
    EXPECT_EQ(IntlStrnCpy(dst.data(), text.data(), n), dst.data());
    return std::string(dst.data(), dst.size());
}

} // namespace

TEST(Substrings, SingleByteText) { ExpectSingleByteRows(); }
TEST(SubstringsOnJapaneseSystem, SingleByteText) { ExpectSingleByteRows(); }

TEST(Substrings, CopyNPadsLikeStrncpy) {
    EXPECT_EQ(CopyN("abc", 2, 3), "ab#");
    EXPECT_EQ(CopyN("abc", 5, 5), std::string("abc\0\0", 5));
}

TEST(SubstringsOnJapaneseSystem, CountInCharacters) {
    const std::string text = kA + kHyo + "c" + kPo;
    EXPECT_EQ(IntlStrLen(text.c_str()), 4);
    EXPECT_EQ(IntlStrLenB(text.c_str()), 7);
    ExpectRows({
        {Op::kLeft, text, 2, 0, {kA + kHyo, 2}},
        {Op::kMid, text, 1, 2, {kHyo + "c", 2}},
        {Op::kMid, text, 3, 5, {kPo, 1}},
        {Op::kRight, text, 2, 0, {"c" + kPo, 2}},
        {Op::kReplace, text, 1, 1, {kA + "x" + "c" + kPo, 4}, "x"},
        {Op::kReplace, text, 0, 9, {kHyo, 1}, kHyo},
        // A lead byte that lost its trail byte is not copied.
        {Op::kLeft, "a\x83", 5, 0, {"a", 1}},
        {Op::kReplace, "a\x83", 9, 0, {"aA", 2}, "A"},
    });
}

// A byte limit that cuts a double-byte character leaves a space in the place
// of the part that survives; the byte count is kept.
TEST(SubstringsOnJapaneseSystem, ByteFormsRepairCutCharacters) {
    const std::string text = kA + kHyo + kPo; // bytes: 83 41 95 5C 83 7C
    ExpectRows({
        {Op::kLeftB, kA + "b", 1, 0, {" ", 1}},
        {Op::kLeftB, text, 3, 0, {kA + " ", 3}},
        {Op::kLeftB, text, 4, 0, {kA + kHyo, 4}},
        {Op::kMidB, text, 1, 2, {"  ", 2}}, // a trail byte, then a lead byte without its trail
        {Op::kMidB, text, 1, 3, {" " + kHyo, 3}},
        {Op::kMidB, text, 2, 1, {" ", 1}},
        {Op::kMidB, text, 2, 2, {kHyo, 2}},
        {Op::kRightB, text, 3, 0, {" " + kPo, 3}},
        {Op::kRightB, text, 1, 0, {" ", 1}},
        {Op::kRightB, text, 2, 0, {kPo, 2}},
        {Op::kReplaceB, text, 1, 2, {" x " + kPo, 5}, "x"},
        {Op::kReplaceB, text, 2, 2, {kA + "x" + kPo, 5}, "x"},
        {Op::kReplaceB, text, 6, 0, {text + "x", 7}, "x"},
        // A lead byte without its trail, at the end of the source or of the
        // replacement, must not pair with the byte that follows it.
        {Op::kLeftB, "a\x83", 2, 0, {"a ", 2}},
        {Op::kReplaceB, "ab", 1, 0, {"a b", 3}, "\x83"},
    });
}

TEST(SubstringsOnJapaneseSystem, CopyNCountsCharacters) {
    EXPECT_EQ(CopyN(kA + kHyo, 1, 3), kA + "#");
    EXPECT_EQ(CopyN(kA, 3, 4), kA + std::string("\0\0", 2));
    EXPECT_EQ(CopyN("a\x83", 2, 2), std::string("a\0", 2));
}
