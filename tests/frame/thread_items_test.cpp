// The thread-local item store with real threads: every release function
// runs exactly once, on thread exit, on an index freed from another thread,
// or when an item is replaced.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "orvexrt/frame.h"

namespace {

// What the release function saw: every value and the thread it ran on.
struct Releases {
    std::mutex lock;
    std::vector<uintptr_t> values;
    std::vector<DWORD> threads;

    void Record(uintptr_t value) {
        std::lock_guard hold(lock);
        values.push_back(value);
        threads.push_back(GetCurrentThreadId());
    }
    void Clear() {
        std::lock_guard hold(lock);
        values.clear();
        threads.clear();
    }
};

Releases gReleases;

// A meeting point for a fixed number of threads.  (A mutex and condition
// variable rather than std::barrier, whose atomic waits hang on some
// Windows runtimes.)
class Meeting {
public:
    explicit Meeting(int count) : left_(count) {}
    void ArriveAndWait() {
        std::unique_lock hold(lock_);
        if (--left_ == 0) all_.notify_all();
        all_.wait(hold, [this] { return left_ == 0; });
    }

private:
    std::mutex lock_;
    std::condition_variable all_;
    int left_;
};

void ORVEXAPI RecordRelease(uintptr_t value) { gReleases.Record(value); }

// An index of the host's own, returned when the test ends.
class ItemIndex {
public:
    ItemIndex() : index_(TLS_AllocIndex()) { gReleases.Clear(); }
    ~ItemIndex() { TLS_FreeIndex(index_); }
    uint32_t get() const { return index_; }

private:
    uint32_t index_;
};

TEST(ThreadItems, IndexesAreHandedOutFrom103LowestFirst) {
    // Load took 100..102 for the library's own per-thread records.
    std::vector<uint32_t> taken;
    for (uint32_t index; (index = TLS_AllocIndex()) != 0xFFFFFFFF;) taken.push_back(index);
    ASSERT_EQ(taken.size(), 97u);
    for (size_t i = 0; i < taken.size(); ++i) EXPECT_EQ(taken[i], 103 + i);
    TLS_FreeIndex(105);
    EXPECT_EQ(TLS_AllocIndex(), 105u);
    for (uint32_t index : taken) TLS_FreeIndex(index);
}

TEST(ThreadItems, ReplacingAnItemReleasesTheOldValueOnce) {
    ItemIndex index;
    TLS_SetItem(index.get(), 11, RecordRelease);
    TLS_SetItem(index.get(), 22, RecordRelease);
    EXPECT_EQ(gReleases.values, std::vector<uintptr_t>{11});
    EXPECT_EQ(TLS_GetItem(index.get()), 22u);
    std::thread([&] { EXPECT_EQ(TLS_GetItem(index.get()), 0u) << "a fresh thread reads zero"; }).join();
    TLS_Free(index.get());
    EXPECT_EQ(gReleases.values, (std::vector<uintptr_t>{11, 22}));
    EXPECT_EQ(TLS_GetItem(index.get()), 0u);
}

TEST(ThreadItems, ZeroValuesAreNeverReleased) {
    ItemIndex index;
    TLS_SetItem(index.get(), 0, RecordRelease);
    TLS_SetItem(index.get(), 0, RecordRelease);
    TLS_Free(index.get());
    std::thread([&] { TLS_SetItem(index.get(), 0, RecordRelease); }).join();
    EXPECT_TRUE(gReleases.values.empty());
}

TEST(ThreadItems, ThreadExitReleasesTheThreadsItemsOnce) {
    ItemIndex a, b;
    DWORD worker = 0;
    std::thread([&] {
        worker = GetCurrentThreadId();
        TLS_SetItem(a.get(), 1, RecordRelease);
        TLS_SetItem(b.get(), 2, RecordRelease);
    }).join();
    EXPECT_EQ(gReleases.values, (std::vector<uintptr_t>{1, 2}));
    EXPECT_EQ(gReleases.threads, (std::vector<DWORD>{worker, worker}));
}

TEST(ThreadItems, FreeIndexReleasesEveryThreadsItemOnTheCallingThread) {
    uint32_t lowestFree = 0;
    for (bool fixed : {false, true}) {
        ItemIndex dynamic;
        lowestFree = dynamic.get();
        // Indexes below 100 are the caller's fixed ones: released all the
        // same, and the allocation table is left alone.
        const uint32_t index = fixed ? 42 : dynamic.get();
        gReleases.Clear();
        Meeting set(4), freed(4);
        std::vector<std::thread> workers;
        for (uintptr_t value = 1; value <= 3; ++value) {
            workers.emplace_back([&, value] {
                TLS_SetItem(index, value, RecordRelease);
                set.ArriveAndWait();
                freed.ArriveAndWait();
                EXPECT_EQ(TLS_GetItem(index), 0u);
            });
        }
        set.ArriveAndWait();
        TLS_FreeIndex(index);
        {
            std::lock_guard hold(gReleases.lock);
            EXPECT_EQ(gReleases.values.size(), 3u) << "fixed " << fixed;
            for (DWORD thread : gReleases.threads) EXPECT_EQ(thread, GetCurrentThreadId());
        }
        freed.ArriveAndWait();
        for (auto &w : workers) w.join();
        EXPECT_EQ(gReleases.values.size(), 3u) << "nothing more at thread exit";
    }
    // Freeing the fixed index 42 left the allocation table alone: the lowest
    // free index is handed out next, as before.
    const uint32_t next = TLS_AllocIndex();
    EXPECT_EQ(next, lowestFree);
    TLS_FreeIndex(next);
}

TEST(ThreadItems, FreeAllGivesTheThreadANewEmptyTable) {
    ItemIndex index;
    TLS_SetItem(index.get(), 5, RecordRelease);
    TLS_FreeAll();
    EXPECT_EQ(gReleases.values, std::vector<uintptr_t>{5});
    EXPECT_EQ(TLS_GetItem(index.get()), 0u);
    TLS_SetItem(index.get(), 6, nullptr);
    EXPECT_EQ(TLS_GetItem(index.get()), 6u);
    TLS_Free(index.get());
}

TEST(ThreadItems, OutOfRangeIndexesReadAsEmpty) {
    gReleases.Clear();
    for (uint32_t index : {200u, 1000u, 0xFFFFFFFFu}) {
        TLS_SetItem(index, 9, RecordRelease);
        EXPECT_EQ(TLS_GetItem(index), 0u);
        TLS_Free(index);
        TLS_FreeIndex(index);
    }
    EXPECT_TRUE(gReleases.values.empty());
}

// Several threads set, read, replace and free items while another frees the
// indexes under them: every stored value is released exactly once.
TEST(ThreadItems, StressEveryValueIsReleasedExactlyOnce) {
    constexpr int kThreads = 4, kRounds = 2000, kIndexes = 4;
    static std::atomic<int> counts[kThreads * kRounds + 1];
    for (auto &c : counts) c = 0;
    struct Count {
        static void ORVEXAPI Release(uintptr_t value) { counts[value].fetch_add(1); }
    };
    std::vector<uint32_t> indexes;
    for (int i = 0; i < kIndexes; ++i) indexes.push_back(TLS_AllocIndex());

    std::atomic<bool> done{false};
    std::thread freer([&] {
        std::mt19937 random(7);
        while (!done) TLS_FreeIndex(indexes[random() % kIndexes]);
    });
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([&, t] {
            std::mt19937 random(t);
            for (int r = 0; r < kRounds; ++r) {
                const uint32_t index = indexes[random() % kIndexes];
                const uintptr_t value = uintptr_t(t) * kRounds + r + 1;
                TLS_SetItem(index, value, Count::Release);
                const uintptr_t seen = TLS_GetItem(index);
                EXPECT_TRUE(seen == 0 || seen == value);
                if (random() % 5 == 0) TLS_Free(index);
            }
        });
    }
    for (auto &w : workers) w.join();
    done = true;
    freer.join();
    for (uint32_t index : indexes) TLS_FreeIndex(index);
    for (uintptr_t value = 1; value <= kThreads * kRounds; ++value) ASSERT_EQ(counts[value], 1) << value;
}

} // namespace
