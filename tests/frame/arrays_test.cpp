// Arrays in movable global memory: the head, insertion and deletion at every
// kind of position, element access by lock, and a random sequence of
// operations against a std::vector.  Every operation must leave the block
// unlocked.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "orvexrt/containers.h"

namespace {

UINT LockCount(HGLOBAL array) { return GlobalFlags(array) & GMEM_LOCKCOUNT; }

// The elements of an array of int32_t, read one by one through
// ARYArrayLock, and checked against the head and the block size.
std::vector<int32_t> Contents(HGLOBAL array) {
    const uint32_t size = ARYArraySize(array);
    EXPECT_EQ(size & 0xFFFF, 4u);
    const int32_t count = static_cast<int32_t>(size >> 16);
    EXPECT_GE(GlobalSize(array), sizeof(ARYBLOCK) + 4 * static_cast<size_t>(count));
    std::vector<int32_t> values;
    for (int32_t i = 0; i < count; ++i) {
        const auto *element = static_cast<const int32_t *>(ARYArrayLock(array, i));
        EXPECT_NE(element, nullptr) << i;
        if (!element) break;
        values.push_back(*element);
        ARYArrayUnlock(array);
    }
    EXPECT_EQ(LockCount(array), 0u);
    return values;
}

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

TEST(Arrays, InsertAtEveryKindOfPosition) {
    struct Row {
        int32_t index;
        std::vector<int32_t> expected;
    } rows[] = {
        {0, {0, A, B, C}}, {1, {A, 0, B, C}},  {2, {A, B, 0, C}},
        {3, {A, B, C, 0}}, {-1, {A, B, C, 0}}, {7, {A, B, C, 0}},
    };
    for (const Row &row : rows) {
        HGLOBAL array = MakeArray({A, B, C});
        HGLOBAL grown = ARYArrayInsert(array, row.index);
        ASSERT_NE(grown, nullptr) << row.index;
        EXPECT_EQ(Contents(grown), row.expected) << row.index;
        ARYArrayFree(grown);
    }
}

TEST(Arrays, DeleteAtEveryKindOfPosition) {
    struct Row {
        int32_t index;
        std::vector<int32_t> expected;
    } rows[] = {
        {0, {B, C}}, {1, {A, C}}, {2, {A, B}}, {7, {A, B}}, {3, {A, B}}, {-1, {A, B}},
    };
    for (const Row &row : rows) {
        HGLOBAL array = MakeArray({A, B, C});
        HGLOBAL shrunk = ARYArrayDelete(array, row.index);
        ASSERT_NE(shrunk, nullptr) << row.index;
        EXPECT_EQ(Contents(shrunk), row.expected) << row.index;
        ARYArrayFree(shrunk);
    }
    EXPECT_EQ(ARYArrayDelete(nullptr, 0), nullptr);
}

// A deleted element's bytes do not come back: growth is zeroed.
TEST(Arrays, RegrownElementsAreZero) {
    HGLOBAL array = MakeArray({A, B, C});
    array = ARYArrayDelete(array, 2);
    array = ARYArrayInsert(array, 2);
    EXPECT_EQ(Contents(array), (std::vector<int32_t>{A, B, 0}));
    array = ARYArrayDelete(array, 0);
    array = ARYArrayDelete(array, 0);
    array = ARYArrayDelete(array, 0);
    EXPECT_EQ(Contents(array), std::vector<int32_t>{});
    array = ARYArrayInsert(array, 0);
    EXPECT_EQ(Contents(array), std::vector<int32_t>{0});
    ARYArrayFree(array);
}

// Elements of 3 bytes, so that an offset computed with the wrong size shows.
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
}

} // namespace
