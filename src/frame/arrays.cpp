// Growable arrays of fixed-size elements, each array one movable global
// memory block: the element size, the count, then the elements.
#include <windows.h>

#include <cstring>

#include "orvexrt/containers.h"

namespace {

constexpr UINT kArrayFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;
// Blocks stay below 2 GiB, so that every offset fits the 32-bit fields.
constexpr int64_t kLargestBlock = INT32_MAX;

int64_t BlockBytes(int64_t elementSize, int64_t count) {
    return static_cast<int64_t>(sizeof(ARYBLOCK)) + elementSize * count;
}

// An array block locked for the life of the object.  A block whose head
// does not describe its own size is refused like a block that cannot be
// locked.
class LockedArray {
public:
    explicit LockedArray(HGLOBAL array) : array_(array) {
        if (!array_) return;
        head_ = static_cast<ARYBLOCK *>(GlobalLock(array_));
        if (head_ && !HeadFitsBlock()) Release();
    }
    ~LockedArray() { Release(); }
    LockedArray(const LockedArray &) = delete;
    LockedArray &operator=(const LockedArray &) = delete;

    explicit operator bool() const { return head_ != nullptr; }
    ARYBLOCK &Head() const { return *head_; }
    char *Element(int32_t index) const {
        return reinterpret_cast<char *>(head_ + 1) +
               static_cast<size_t>(index) * static_cast<size_t>(head_->lElementSize);
    }
    void Release() {
        if (head_) GlobalUnlock(array_);
        head_ = nullptr;
    }

private:
    bool HeadFitsBlock() const {
        return head_->lElementSize >= 1 && head_->lCount >= 0 &&
               BlockBytes(head_->lElementSize, head_->lCount) <= static_cast<int64_t>(GlobalSize(array_));
    }

    HGLOBAL array_;
    ARYBLOCK *head_ = nullptr;
};

// Element size and count of an array, read under a short lock.
bool ReadHead(HGLOBAL array, ARYBLOCK &head) {
    LockedArray locked(array);
    if (!locked) return false;
    head = locked.Head();
    return true;
}

bool IsInside(int32_t index, int32_t count) { return index >= 0 && index < count; }

} // namespace

extern "C" {

HGLOBAL ORVEXAPI ARYArrayAlloc(int32_t elementSize, int32_t count) {
    if (elementSize < 1 || count < 0) return nullptr;
    const int64_t bytes = BlockBytes(elementSize, count);
    if (bytes > kLargestBlock) return nullptr;
    HGLOBAL array = GlobalAlloc(kArrayFlags, static_cast<SIZE_T>(bytes));
    if (!array) return nullptr;
    auto *head = static_cast<ARYBLOCK *>(GlobalLock(array));
    if (!head) {
        GlobalFree(array);
        return nullptr;
    }
    head->lElementSize = elementSize;
    head->lCount = count;
    GlobalUnlock(array);
    return array;
}

HGLOBAL ORVEXAPI ARYArrayFree(HGLOBAL array) { return GlobalFree(array); }

void *ORVEXAPI ARYArrayLock(HGLOBAL array, int32_t index) {
    LockedArray locked(array);
    if (!locked || !IsInside(index, locked.Head().lCount)) return nullptr;
    void *element = locked.Element(index);
    GlobalLock(array); // the caller's lock, given up by ARYArrayUnlock
    return element;
}

BOOL ORVEXAPI ARYArrayUnlock(HGLOBAL array) { return GlobalUnlock(array); }

uint32_t ORVEXAPI ARYArraySize(HGLOBAL array) {
    ARYBLOCK head{};
    if (!ReadHead(array, head)) return 0;
    return static_cast<uint32_t>(head.lCount & 0xFFFF) << 16 | static_cast<uint32_t>(head.lElementSize & 0xFFFF);
}

HGLOBAL ORVEXAPI ARYArrayInsert(HGLOBAL array, int32_t index) {
    ARYBLOCK head{};
    if (!ReadHead(array, head) || head.lCount == INT32_MAX) return nullptr;
    const int32_t count = head.lCount;
    const int64_t bytes = BlockBytes(head.lElementSize, int64_t{count} + 1);
    if (bytes > kLargestBlock) return nullptr;
    HGLOBAL grown = GlobalReAlloc(array, static_cast<SIZE_T>(bytes), kArrayFlags);
    if (!grown) return nullptr;
    LockedArray locked(grown);
    if (!locked) return nullptr;
    const size_t size = static_cast<size_t>(head.lElementSize);
    // An index beyond either end appends.
    const int32_t at = index >= 0 && index <= count ? index : count;
    std::memmove(locked.Element(at + 1), locked.Element(at), static_cast<size_t>(count - at) * size);
    std::memset(locked.Element(at), 0, size);
    locked.Head().lCount = count + 1;
    return grown;
}

HGLOBAL ORVEXAPI ARYArrayDelete(HGLOBAL array, int32_t index) {
    LockedArray locked(array);
    if (!locked) return nullptr;
    const int32_t count = locked.Head().lCount;
    if (count == 0) return array; // nothing to delete
    const size_t size = static_cast<size_t>(locked.Head().lElementSize);
    // An index beyond either end deletes the last element.
    const int32_t at = IsInside(index, count) ? index : count - 1;
    std::memmove(locked.Element(at), locked.Element(at + 1), static_cast<size_t>(count - 1 - at) * size);
    locked.Head().lCount = count - 1;
    const int64_t bytes = BlockBytes(locked.Head().lElementSize, count - 1);
    locked.Release();
    HGLOBAL shrunk = GlobalReAlloc(array, static_cast<SIZE_T>(bytes), kArrayFlags);
    return shrunk ? shrunk : array; // a block that cannot shrink is still a valid array
}

} // extern "C"
