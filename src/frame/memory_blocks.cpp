// Zero-filled blocks of the process heap, every heap call serialised through
// the main region.
#include <windows.h>

#include "frame/critical_region.h"
#include "frame/memory_state.h"

MEMSTATE gMemState{};

namespace {

// Called with the main region held.
HANDLE ProcessHeap() {
    if (!gMemState.hProcessHeap) gMemState.hProcessHeap = GetProcessHeap();
    return gMemState.hProcessHeap;
}

} // namespace

extern "C" {

void *ORVEXAPI MemAlloc(uint32_t size) {
    if (size == 0) return nullptr;
    CRMainRegionHold hold;
    return HeapAlloc(ProcessHeap(), HEAP_ZERO_MEMORY, size);
}

void *ORVEXAPI MemRealloc(void *block, uint32_t size) {
    if (!block) return MemAlloc(size);
    if (size == 0) {
        MemFree(block);
        return MemAlloc(0);
    }
    CRMainRegionHold hold;
    return HeapReAlloc(ProcessHeap(), HEAP_ZERO_MEMORY, block, size);
}

void ORVEXAPI MemFree(void *block) {
    if (!block) return;
    CRMainRegionHold hold;
    HeapFree(ProcessHeap(), 0, block);
}

uint32_t ORVEXAPI MemSize(void *block) {
    if (!block) return 0;
    CRMainRegionHold hold;
    return static_cast<uint32_t>(HeapSize(ProcessHeap(), 0, block));
}

int32_t ORVEXAPI MemCheck(void *) { return 0; }

int32_t ORVEXAPI MemCheckAll(void) { return 0; }

} // extern "C"
