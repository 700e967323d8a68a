// The thread-local item store: every thread has a table of 200 items, each a
// value and the function that releases it.  A map from thread id to table
// lets an index be released in every thread at once.
#include "frame/thread_items.h"

#include <windows.h>

#include <array>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "frame/critical_region.h"

namespace {

constexpr uint32_t kItemCount = 200;
constexpr uint32_t kFirstDynamicIndex = 100;
constexpr uint32_t kDynamicCount = kItemCount - kFirstDynamicIndex;
constexpr uint32_t kNoIndex = 0xFFFFFFFF;

struct Item {
    uintptr_t value = 0;
    TLS_RELEASEPROC release = nullptr;
};

void Release(const Item &item) {
    if (item.value && item.release) item.release(item.value);
}

// A thread's items.  The owner reads and writes them, and so does a thread
// that frees an index in every table; the table's own lock keeps the two
// apart and is never held while a release function runs.
class ItemTable {
public:
    uintptr_t Get(uint32_t index) {
        std::lock_guard lock(lock_);
        return items_[index].value;
    }
    Item Exchange(uint32_t index, Item item) {
        std::lock_guard lock(lock_);
        return std::exchange(items_[index], item);
    }
    Item Take(uint32_t index) { return Exchange(index, Item{}); }

private:
    std::mutex lock_;
    std::array<Item, kItemCount> items_{};
};

DWORD gSlot = TLS_OUT_OF_INDEXES;
std::array<bool, kDynamicCount> gIndexTaken{};
std::unordered_map<DWORD, ItemTable *> *gThreadMap = nullptr;

bool IsItemIndex(uint32_t index) { return index < kItemCount; }

ItemTable *CurrentTable() {
    return gSlot == TLS_OUT_OF_INDEXES ? nullptr : static_cast<ItemTable *>(TlsGetValue(gSlot));
}

void EnterInThreadMap(ItemTable *table) {
    CRMainRegionHold hold;
    if (gThreadMap) (*gThreadMap)[GetCurrentThreadId()] = table;
}

void RemoveFromThreadMap() {
    CRMainRegionHold hold;
    if (gThreadMap) gThreadMap->erase(GetCurrentThreadId());
}

// The calling thread's table, made on first use; null when it cannot be made
// or attached to the slot, in which case the item reads as empty.
ItemTable *CurrentOrNewTable() {
    if (ItemTable *table = CurrentTable()) return table;
    if (gSlot == TLS_OUT_OF_INDEXES) return nullptr;
    auto table = std::unique_ptr<ItemTable>(new (std::nothrow) ItemTable());
    if (!table || !TlsSetValue(gSlot, table.get())) return nullptr;
    EnterInThreadMap(table.get());
    return table.release();
}

} // namespace

void TLSCreateThreadMap() { gThreadMap = new std::unordered_map<DWORD, ItemTable *>(); }

void TLSDestroyThreadMap() {
    // Tables of threads that are still running stay theirs; only the map goes.
    delete std::exchange(gThreadMap, nullptr);
}

void TLSEnsureSlot() {
    if (gSlot == TLS_OUT_OF_INDEXES) gSlot = TlsAlloc();
}

void TLSReleaseSlot() {
    if (gSlot == TLS_OUT_OF_INDEXES) return;
    TlsFree(gSlot);
    gSlot = TLS_OUT_OF_INDEXES;
}

extern "C" {

uint32_t ORVEXAPI TLS_AllocIndex(void) {
    TLSEnsureSlot();
    for (uint32_t i = 0; i < kDynamicCount; ++i) {
        if (!gIndexTaken[i]) {
            gIndexTaken[i] = true;
            return kFirstDynamicIndex + i;
        }
    }
    return kNoIndex;
}

void ORVEXAPI TLS_FreeIndex(uint32_t index) {
    if (!IsItemIndex(index)) return;
    CRMainRegionHold hold;
    if (index >= kFirstDynamicIndex) gIndexTaken[index - kFirstDynamicIndex] = false;
    if (!gThreadMap) return;
    for (auto &[thread, table] : *gThreadMap) Release(table->Take(index));
}

uintptr_t ORVEXAPI TLS_GetItem(uint32_t index) {
    if (!IsItemIndex(index)) return 0;
    ItemTable *table = CurrentOrNewTable();
    return table ? table->Get(index) : 0;
}

void ORVEXAPI TLS_SetItem(uint32_t index, uintptr_t value, TLS_RELEASEPROC release) {
    if (!IsItemIndex(index)) return;
    if (ItemTable *table = CurrentOrNewTable()) Release(table->Exchange(index, Item{value, release}));
}

void ORVEXAPI TLS_Free(uint32_t index) {
    if (!IsItemIndex(index)) return;
    if (ItemTable *table = CurrentTable()) Release(table->Take(index));
}

void ORVEXAPI TLS_FreeAll(void) {
    if (gSlot == TLS_OUT_OF_INDEXES) return;
    ItemTable *table = CurrentTable();
    if (table) {
        for (uint32_t index = 0; index < kItemCount; ++index) Release(table->Take(index));
        RemoveFromThreadMap();
        delete table;
    }
    TlsSetValue(gSlot, nullptr);
}

} // extern "C"
