// Thread-local storage slots: a fixed number of per-thread values, the slots
// handed out process-wide.
#include <windows.h>

#include <array>
#include <mutex>

#include "loader_hooks.h"

namespace platform {
void (*gThreadStoresValues)() = nullptr;
}

namespace {

// Windows guarantees at least 64 slots to a process.
constexpr DWORD kSlotCount = 64;

std::mutex gSlotLock;
std::array<bool, kSlotCount> gSlotTaken{};

thread_local std::array<LPVOID, kSlotCount> tValues{};
thread_local bool tAnnounced = false;

bool IsTaken(DWORD index) {
    std::lock_guard lock(gSlotLock);
    return index < kSlotCount && gSlotTaken[index];
}

} // namespace

extern "C" {

DWORD WINAPI TlsAlloc(void) {
    std::lock_guard lock(gSlotLock);
    for (DWORD i = 0; i < kSlotCount; ++i) {
        if (!gSlotTaken[i]) {
            gSlotTaken[i] = true;
            return i;
        }
    }
    return TLS_OUT_OF_INDEXES;
}

BOOL WINAPI TlsFree(DWORD index) {
    std::lock_guard lock(gSlotLock);
    if (index >= kSlotCount || !gSlotTaken[index]) return FALSE;
    gSlotTaken[index] = false;
    // Win32 clears the slot in the calling thread; other threads' values are
    // the owner's business, as there.
    tValues[index] = nullptr;
    return TRUE;
}

LPVOID WINAPI TlsGetValue(DWORD index) { return index < kSlotCount ? tValues[index] : nullptr; }

BOOL WINAPI TlsSetValue(DWORD index, LPVOID value) {
    if (!IsTaken(index)) return FALSE;
    tValues[index] = value;
    if (value && !tAnnounced && platform::gThreadStoresValues) {
        tAnnounced = true;
        platform::gThreadStoresValues();
    }
    return TRUE;
}

} // extern "C"
