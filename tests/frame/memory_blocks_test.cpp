// Zero fill on allocation and growth, and the null and zero-size rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "orvexrt/frame.h"

namespace {

bool AllZero(const void *p, size_t from, size_t to) {
    const auto *bytes = static_cast<const unsigned char *>(p);
    return std::all_of(bytes + from, bytes + to, [](unsigned char b) { return b == 0; });
}

TEST(MemoryBlocks, AllocationIsZeroFilledAndSized) {
    EXPECT_EQ(MemAlloc(0), nullptr);
    for (uint32_t size : {1u, 16u, 4096u, 1u << 20}) {
        void *block = MemAlloc(size);
        ASSERT_NE(block, nullptr) << size;
        EXPECT_TRUE(AllZero(block, 0, size)) << size;
        EXPECT_GE(MemSize(block), size);
        MemFree(block);
    }
}

TEST(MemoryBlocks, GrowthKeepsTheDataAndZeroesTheRest) {
    auto *block = static_cast<unsigned char *>(MemAlloc(16));
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xAB, 16);
    block = static_cast<unsigned char *>(MemRealloc(block, 64));
    ASSERT_NE(block, nullptr);
    EXPECT_GE(MemSize(block), 64u);
    EXPECT_TRUE(std::all_of(block, block + 16, [](unsigned char b) { return b == 0xAB; }));
    EXPECT_TRUE(AllZero(block, 16, 64));
    // Shrink, then grow again: the regrown bytes are zero, not the old data.
    block = static_cast<unsigned char *>(MemRealloc(block, 8));
    ASSERT_NE(block, nullptr);
    block = static_cast<unsigned char *>(MemRealloc(block, 32));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(AllZero(block, 8, 32));
    MemFree(block);
}

TEST(MemoryBlocks, NullAndZeroSizeRules) {
    void *block = MemRealloc(nullptr, 8);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(AllZero(block, 0, 8));
    EXPECT_EQ(MemRealloc(block, 0), nullptr); // frees the block
    EXPECT_EQ(MemRealloc(nullptr, 0), nullptr);
    MemFree(nullptr);
    EXPECT_EQ(MemSize(nullptr), 0u);
}

} // namespace
