// Critical regions held, unwound and rewound across real threads.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "orvexrt/frame.h"

namespace {

using namespace std::chrono_literals;

// A region of the host's own, following the take/give-up protocol.
class Region {
public:
    Region() {
        InitializeCriticalSection(&region_.csSection);
        region_.lLockCount = 0;
    }
    ~Region() { DeleteCriticalSection(&region_.csSection); }
    CR_SECT *get() { return &region_; }
    void Take() {
        EnterCriticalSection(&region_.csSection);
        ++region_.lLockCount;
    }
    void GiveUp() {
        --region_.lLockCount;
        LeaveCriticalSection(&region_.csSection);
    }

private:
    CR_SECT region_;
};

bool OtherThreadCanEnter(CR_SECT *region) {
    return std::async(std::launch::async,
                      [region] {
                          if (!TryEnterCriticalSection(&region->csSection)) return false;
                          LeaveCriticalSection(&region->csSection);
                          return true;
                      })
        .get();
}

TEST(CriticalRegion, UnwindFreesTheRegionAndRewindRestoresTheDepth) {
    Region region;
    for (int i = 0; i < 3; ++i) region.Take();
    EXPECT_EQ(CR_LockCount(region.get()), 3);
    EXPECT_FALSE(OtherThreadCanEnter(region.get()));

    EXPECT_EQ(CR_Unwind(region.get()), 3);
    EXPECT_TRUE(OtherThreadCanEnter(region.get()));
    EXPECT_EQ(region.get()->lLockCount, 0);

    CR_Rewind(region.get(), 3);
    EXPECT_EQ(CR_LockCount(region.get()), 3);
    EXPECT_FALSE(OtherThreadCanEnter(region.get()));
    for (int i = 0; i < 3; ++i) region.GiveUp();
    EXPECT_TRUE(OtherThreadCanEnter(region.get()));
}

TEST(CriticalRegion, NoRegionPointersAreRefusedQuietly) {
    for (CR_SECT *none : {static_cast<CR_SECT *>(nullptr), reinterpret_cast<CR_SECT *>(~uintptr_t{0}),
                          reinterpret_cast<CR_SECT *>(uintptr_t{0xFFFFFFFF})}) {
        EXPECT_EQ(CR_Unwind(none), 0);
        EXPECT_EQ(CR_LockCount(none), 0);
        CR_Rewind(none, 2);
    }
}

TEST(CriticalRegion, AFreeRegionStaysFreeUnderUnwindAndRewindByZeroOrLess) {
    Region region;
    EXPECT_EQ(CR_Unwind(region.get()), 0);
    EXPECT_TRUE(OtherThreadCanEnter(region.get()));
    for (int depth : {0, -1, -100}) {
        CR_Rewind(region.get(), depth);
        EXPECT_EQ(CR_LockCount(region.get()), 0);
        EXPECT_TRUE(OtherThreadCanEnter(region.get()));
    }
}

TEST(CriticalRegion, LockCountFromAnotherThreadWaitsForTheHolderAndReadsZero) {
    Region region;
    region.Take();
    region.Take();
    EXPECT_EQ(CR_LockCount(region.get()), 2);
    auto reader = std::async(std::launch::async, [&] { return CR_LockCount(region.get()); });
    EXPECT_EQ(reader.wait_for(50ms), std::future_status::timeout);
    region.GiveUp();
    region.GiveUp();
    EXPECT_EQ(reader.get(), 0);
}

TEST(CriticalRegion, MainRegionIsReachableWhileLoaded) {
    ASSERT_EQ(gpCRSECTMain, &gCRMainSect);
    EXPECT_EQ(CR_LockCount(gpCRSECTMain), 0);
    // The host may take the main region with the same protocol.
    EnterCriticalSection(&gpCRSECTMain->csSection);
    ++gpCRSECTMain->lLockCount;
    EXPECT_EQ(CR_LockCount(gpCRSECTMain), 1);
    const int32_t depth = CR_Unwind(gpCRSECTMain);
    EXPECT_EQ(depth, 1);
    EXPECT_TRUE(OtherThreadCanEnter(gpCRSECTMain));
    CR_Rewind(gpCRSECTMain, depth);
    --gpCRSECTMain->lLockCount;
    LeaveCriticalSection(&gpCRSECTMain->csSection);
    EXPECT_TRUE(OtherThreadCanEnter(gpCRSECTMain));
}

} // namespace
