// Movable global memory as the arrays use it, Win32 and our stand-in alike:
// a handle is not an address, and locks are counted.  Reallocation keeping
// the data is exercised through the arrays' random sequence, which makes the
// same calls with the same flags (the arrays zero new elements themselves).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

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

} // namespace
