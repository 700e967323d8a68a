// Global memory: movable blocks addressed by a handle that must be locked to
// reach the data.  The library asks for nothing else; a request for a fixed
// block is refused.
//
// A movable handle is the address of its bookkeeping record with bit 62 set,
// a non-canonical address: using a handle as a pointer faults at once
// instead of reading something plausible.  The record counts locks (what
// GlobalFlags reports), and every reallocation moves the data, so a pointer
// kept from before a reallocation is caught by the address sanitizer.
//
// Handles describe themselves rather than living in a table, because the
// library and a program that links this stand-in as well each carry their
// own copy of it: a block allocated by one copy is locked and freed by the
// other.  A value that is not a live block is refused with
// ERROR_INVALID_HANDLE, as Win32 refuses it.
#include <windows.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

static_assert(sizeof(uintptr_t) == 8, "handles are tagged 64-bit addresses");

constexpr uintptr_t kHandleTag = uintptr_t{1} << 62;
constexpr uint64_t kMovableSeal = 0x4D4F5641424C4521; // "MOVABLE!"
constexpr UINT kInvalidHandleFlags = 0x8000;          // GlobalFlags of a bad handle

struct alignas(64) MovableRecord {
    uint64_t seal; // kMovableSeal ^ the record's address while the block lives
    void *data;    // null while the block is discarded (size 0)
    SIZE_T size;
    UINT lockCount;
};

// Serialises this copy's callers; a record is changed only under it.
std::mutex gLock;

uint64_t SealOf(uint64_t seal, const void *at) { return seal ^ reinterpret_cast<uintptr_t>(at); }

// Whether the page holding p is mapped, so that a stray value can be read
// without a fault.
bool IsMapped(const void *p) {
    static const uintptr_t pageSize = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t page = reinterpret_cast<uintptr_t>(p) & ~(pageSize - 1);
    return page != 0 && msync(reinterpret_cast<void *>(page), pageSize, MS_ASYNC) == 0;
}

MovableRecord *MovableOf(HGLOBAL memory) {
    const auto value = reinterpret_cast<uintptr_t>(memory);
    if ((value & (kHandleTag | (alignof(MovableRecord) - 1))) != kHandleTag) return nullptr;
    auto *record = reinterpret_cast<MovableRecord *>(value & ~kHandleTag);
    if (!IsMapped(record) || record->seal != SealOf(kMovableSeal, record)) return nullptr;
    return record;
}

HGLOBAL HandleOf(MovableRecord *record) {
    return reinterpret_cast<HGLOBAL>(reinterpret_cast<uintptr_t>(record) | kHandleTag);
}

void *AllocateData(SIZE_T size, bool zeroed) {
    if (size == 0) return nullptr;
    return zeroed ? std::calloc(1, size) : std::malloc(size);
}

HGLOBAL Refuse(DWORD error) {
    SetLastError(error);
    return nullptr;
}

HGLOBAL AllocateMovable(SIZE_T size, bool zeroed) {
    void *data = AllocateData(size, zeroed);
    if (size != 0 && !data) return Refuse(ERROR_NOT_ENOUGH_MEMORY);
    auto *record = new (std::nothrow) MovableRecord{0, data, size, 0};
    if (!record) {
        std::free(data);
        return Refuse(ERROR_NOT_ENOUGH_MEMORY);
    }
    record->seal = SealOf(kMovableSeal, record);
    return HandleOf(record);
}

// Moves the data of a movable block to a new allocation of the new size;
// growth is zeroed on request.
bool ResizeMovable(MovableRecord &record, SIZE_T size, bool zeroed) {
    if (size == 0) {
        // Discarding needs an unlocked block.
        if (record.lockCount != 0) return false;
        std::free(record.data);
        record.data = nullptr;
        record.size = 0;
        return true;
    }
    void *data = std::malloc(size);
    if (!data) return false;
    const SIZE_T kept = record.size < size ? record.size : size;
    if (kept) std::memcpy(data, record.data, kept);
    if (size > kept) std::memset(static_cast<char *>(data) + kept, zeroed ? 0 : 0xCD, size - kept);
    std::free(record.data);
    record.data = data;
    record.size = size;
    return true;
}

} // namespace

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T size) {
    std::lock_guard hold(gLock);
    const bool zeroed = (flags & GMEM_ZEROINIT) != 0;
    if (!(flags & GMEM_MOVEABLE)) return Refuse(ERROR_INVALID_PARAMETER);
    return AllocateMovable(size, zeroed);
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL memory, SIZE_T size, UINT flags) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) {
        if (flags & GMEM_MODIFY) return memory;
        // A locked block moves only when the caller allows it.
        if (record->lockCount != 0 && !(flags & GMEM_MOVEABLE) && size > record->size)
            return Refuse(ERROR_NOT_ENOUGH_MEMORY);
        if (!ResizeMovable(*record, size, (flags & GMEM_ZEROINIT) != 0)) return Refuse(ERROR_NOT_ENOUGH_MEMORY);
        return memory;
    }
    return Refuse(ERROR_INVALID_HANDLE);
}

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) {
        if (!record->data) return nullptr; // discarded
        ++record->lockCount;
        return record->data;
    }
    return Refuse(ERROR_INVALID_HANDLE);
}

BOOL WINAPI GlobalUnlock(HGLOBAL memory) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) {
        if (record->lockCount == 0) {
            SetLastError(ERROR_NOT_LOCKED);
            return FALSE;
        }
        if (--record->lockCount != 0) return TRUE;
        SetLastError(NO_ERROR);
        return FALSE;
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

SIZE_T WINAPI GlobalSize(HGLOBAL memory) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) return record->size;
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}

UINT WINAPI GlobalFlags(HGLOBAL memory) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) {
        const UINT locks = record->lockCount < GMEM_LOCKCOUNT ? record->lockCount : GMEM_LOCKCOUNT;
        return locks | (record->data ? 0 : GMEM_DISCARDED);
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return kInvalidHandleFlags;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
    std::lock_guard hold(gLock);
    if (MovableRecord *record = MovableOf(memory)) {
        std::free(record->data);
        record->seal = 0;
        delete record;
        return nullptr;
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return memory;
}

} // extern "C"
