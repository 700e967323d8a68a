// Arrays in movable global memory: the head, element access by lock, and a
// random sequence of insertions, deletions and writes at every kind of
// position (inside, at either end, beyond either end) against a std::vector,
// which also shows that growth is zeroed.  Every operation must leave the
// block unlocked.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "orvexrt/containers.h"

namespace {

UINT LockCount(HGLOBAL array) { return GlobalFlags(array) & GMEM_LOCKCOUNT; }

HGLOBAL MakeArray(const std::vector<int32_t> &values) {
    HGLOBAL array = ARYArrayAlloc(4, static_cast<int32_t>(values.size()));
    EXPECT_NE(array, nullptr);
    for (size_t i = 0; i < values.size(); ++i) {
        auto *element = static_cast<int32_t *>(ARYArrayLock(array, static_cast<int32_t>(i)));
        *element = values[i];
        ARYArrayUnlock(array);
    }
    return array;
}

constexpr int32_t A = 0x0A0A0A0A, B = 0x0B0B0B0B, C = 0x0C0C0C0C;

TEST(Arrays, AllocationAndSize) {
    HGLOBAL empty = ARYArrayAlloc(4, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(ARYArraySize(empty), 4u);
    EXPECT_EQ(ARYArrayLock(empty, 0), nullptr);
    EXPECT_EQ(ARYArrayFree(empty), nullptr);

    HGLOBAL array = ARYArrayAlloc(8, 3);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(ARYArraySize(array), 0x00030008u);
    // The handle is not the block's address; the head says what it holds.
    auto *head = static_cast<ARYBLOCK *>(GlobalLock(array));
    ASSERT_NE(head, nullptr);
    EXPECT_NE(static_cast<void *>(head), static_cast<void *>(array));
    EXPECT_EQ(head->lElementSize, 8);
    EXPECT_EQ(head->lCount, 3);
    const auto *bytes = reinterpret_cast<const unsigned char *>(head + 1);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(bytes[i], 0) << i;
    GlobalUnlock(array);
    EXPECT_EQ(ARYArrayFree(array), nullptr);

    EXPECT_EQ(ARYArrayAlloc(0, 1), nullptr);
    EXPECT_EQ(ARYArrayAlloc(1, -1), nullptr);
    EXPECT_EQ(ARYArraySize(nullptr), 0u);
}

TEST(Arrays, LockingAnElement) {
    HGLOBAL array = MakeArray({A, B, C});
    auto *element = static_cast<char *>(ARYArrayLock(array, 2));
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(LockCount(array), 1u); // held for the caller
    auto *head = static_cast<char *>(GlobalLock(array));
    EXPECT_EQ(element, head + sizeof(ARYBLOCK) + 8);
    GlobalUnlock(array);
    EXPECT_EQ(ARYArrayUnlock(array), FALSE); // the last lock
    EXPECT_EQ(LockCount(array), 0u);
    // Outside the array: nothing, and no lock left behind.
    for (int32_t index : {3, -1, 100}) {
        EXPECT_EQ(ARYArrayLock(array, index), nullptr) << index;
        EXPECT_EQ(LockCount(array), 0u) << index;
    }
    ARYArrayFree(array);
}

// Elements of 3 bytes, so that an offset computed with the wrong size shows.
// The model inserts zeroed elements, so bytes of a deleted element that came
// back with a later insertion would show as well.
TEST(Arrays, RandomOperationsAgainstAVector) {
    using Element = std::array<unsigned char, 3>;
    static_assert(sizeof(Element) == 3);
    std::mt19937 random(20240611);
    std::vector<Element> model;
    HGLOBAL array = ARYArrayAlloc(3, 0);
    ASSERT_NE(array, nullptr);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int step = 0; step < 3000; ++step) {
        const int n = static_cast<int>(model.size());
        switch (pick(0, 3)) {
        case 0:
        case 1: { // insert anywhere, or beyond either end (appends)
            const int index = pick(-2, n + 2);
            array = ARYArrayInsert(array, index);
            ASSERT_NE(array, nullptr);
            model.insert(index >= 0 && index <= n ? model.begin() + index : model.end(), Element{});
            break;
        }
        case 2: { // delete anywhere, or beyond either end (the last)
            if (n == 0) break;
            const int index = pick(-2, n + 1);
            array = ARYArrayDelete(array, index);
            ASSERT_NE(array, nullptr);
            model.erase(index >= 0 && index < n ? model.begin() + index : model.end() - 1);
            break;
        }
        default: { // write an element
            if (n == 0) break;
            const int index = pick(0, n - 1);
            const Element value{static_cast<unsigned char>(pick(1, 255)), static_cast<unsigned char>(pick(1, 255)),
                                static_cast<unsigned char>(pick(1, 255))};
            auto *element = static_cast<unsigned char *>(ARYArrayLock(array, index));
            ASSERT_NE(element, nullptr);
            std::memcpy(element, value.data(), 3);
            ARYArrayUnlock(array);
            model[static_cast<size_t>(index)] = value;
            break;
        }
        }
        ASSERT_EQ(LockCount(array), 0u) << step;
        ASSERT_EQ(ARYArraySize(array), static_cast<uint32_t>(model.size()) << 16 | 3u) << step;
        const auto *head = static_cast<const ARYBLOCK *>(GlobalLock(array));
        ASSERT_NE(head, nullptr);
        const bool same = model.empty() || std::memcmp(head + 1, model.data(), model.size() * 3) == 0;
        GlobalUnlock(array);
        ASSERT_TRUE(same) << "step " << step;
    }
    EXPECT_EQ(ARYArrayFree(array), nullptr);
    EXPECT_EQ(ARYArrayDelete(nullptr, 0), nullptr);
}

} // namespace
