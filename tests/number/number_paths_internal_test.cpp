// The fast arithmetic (digit words for sums, vectors for products and
// quotients) against the careful paths: the same bytes for every pair of
// records, valid or not.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "number/number_bytes.h"
#include "number/number_vectors.h"
#include "number/number_words.h"

namespace {

using Operation = int32_t(ORVEXAPI *)(NUMBER *, const NUMBER *, const NUMBER *);

// Records of every shape: values read from text (up to 46 digits, so that
// rounding and long runs of 9s occur), and raw bytes of any length.
NUMBER RandomRecord(std::mt19937 &random) {
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    if (below(4) == 0) {
        NUMBER n;
        auto *bytes = reinterpret_cast<uint8_t *>(&n);
        for (size_t i = 0; i < sizeof n; ++i) bytes[i] = static_cast<uint8_t>(random());
        n.bLength = static_cast<uint8_t>(below(3) == 0 ? random() : below(25));
        return n;
    }
    std::string text = below(2) ? "-" : "";
    const int digits = 1 + below(46);
    const bool nines = below(4) == 0;
    for (int i = 0; i < digits; ++i) text += nines && i < digits - 1 ? '9' : static_cast<char>('0' + below(10));
    text += "e" + std::to_string(below(120) - 60);
    return test::Parse(text.c_str());
}

// Turns the fast paths off, or back on where the processor has them.
void UseFastPaths(bool on) {
    numwords::enabled = on;
#if defined(NUM_HAVE_VECTORS)
    numvec::enabled = on && numvec::ProcessorHasShuffles();
#endif
}

TEST(NumberPaths, FastPathsGiveTheBytesOfTheCarefulOnes) {
    const struct {
        const char *name;
        Operation operation;
    } operations[] = {{"add", NumAddition}, {"subtract", NumSubtract}, {"multiply", NumMultiply}, {"divide", NumDivide}};
    std::mt19937 random(20261207);
    for (int i = 0; i < 100000; ++i) {
        const NUMBER a = RandomRecord(random), b = RandomRecord(random);
        for (const auto &op : operations) {
            NUMBER fast{}, other{};
            const int32_t fastLength = op.operation(&fast, &a, &b);
            UseFastPaths(false);
            const int32_t otherLength = op.operation(&other, &a, &b);
            UseFastPaths(true);
            ASSERT_EQ(test::Hex(fast), test::Hex(other)) << op.name << " " << test::Hex(a) << " | " << test::Hex(b);
            ASSERT_EQ(fastLength, otherLength) << op.name;
        }
    }
}

} // namespace
