// Movable global memory as the arrays use it, Win32 and our stand-in alike:
// a handle is not an address, locks are counted, reallocation keeps the
// data and zeroes the growth on request.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

UINT LockCount(HGLOBAL memory) { return GlobalFlags(memory) & GMEM_LOCKCOUNT; }

TEST(GlobalMemory, MovableBlocksCountTheirLocks) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 32);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(LockCount(memory), 0u);
    auto *data = static_cast<unsigned char *>(GlobalLock(memory));
    ASSERT_NE(data, nullptr);
    EXPECT_NE(static_cast<void *>(data), static_cast<void *>(memory));
    EXPECT_TRUE(std::all_of(data, data + 32, [](unsigned char b) { return b == 0; }));
    EXPECT_EQ(GlobalLock(memory), data);
    EXPECT_EQ(LockCount(memory), 2u);
    EXPECT_TRUE(GlobalUnlock(memory)); // still locked
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(GlobalUnlock(memory)); // unlocked now
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_FALSE(GlobalUnlock(memory)); // was not locked
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_GE(GlobalSize(memory), 32u);
    EXPECT_EQ(GlobalFree(memory), nullptr);
}

TEST(GlobalMemory, ReallocationKeepsTheDataAndZeroesGrowth) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
    ASSERT_NE(memory, nullptr);
    std::memset(GlobalLock(memory), 0xAB, 16);
    GlobalUnlock(memory);
    HGLOBAL grown = GlobalReAlloc(memory, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT);
    ASSERT_EQ(grown, memory); // a movable block keeps its handle
    const auto *data = static_cast<const unsigned char *>(GlobalLock(grown));
    EXPECT_TRUE(std::all_of(data, data + 16, [](unsigned char b) { return b == 0xAB; }));
    EXPECT_TRUE(std::all_of(data + 16, data + 4096, [](unsigned char b) { return b == 0; }));
    GlobalUnlock(grown);
    EXPECT_GE(GlobalSize(grown), 4096u);
    HGLOBAL shrunk = GlobalReAlloc(grown, 8, GMEM_MOVEABLE);
    ASSERT_NE(shrunk, nullptr);
    EXPECT_EQ(static_cast<const unsigned char *>(GlobalLock(shrunk))[7], 0xAB);
    GlobalUnlock(shrunk);
    EXPECT_EQ(GlobalFree(shrunk), nullptr);
}

TEST(GlobalMemory, FixedBlocksAreTheirAddress) {
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 24);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalLock(memory), memory);
    EXPECT_EQ(static_cast<unsigned char *>(memory)[23], 0);
    GlobalUnlock(memory);
    EXPECT_GE(GlobalSize(memory), 24u);
    EXPECT_EQ(GlobalFree(memory), nullptr);
}

} // namespace
