// Critical regions: a recursive critical section with the depth at which its
// owner holds it, so that a holder can give the region up entirely and take
// it back later to the same depth.
#include "frame/critical_region.h"

#include <cstdint>

namespace {

// The all-ones pointer value that hosts pass for "no region".
bool IsNoRegion(const CR_SECT *region) {
    return region == nullptr || reinterpret_cast<uintptr_t>(region) == UINTPTR_MAX ||
           reinterpret_cast<uintptr_t>(region) == 0xFFFFFFFFu;
}

} // namespace

void CRSectCreate(CR_SECT *region) {
    InitializeCriticalSection(&region->csSection);
    region->lLockCount = 0;
}

void CRSectDelete(CR_SECT *region) { DeleteCriticalSection(&region->csSection); }

void CRSectEnter(CR_SECT *region) {
    EnterCriticalSection(&region->csSection);
    ++region->lLockCount;
}

void CRSectLeave(CR_SECT *region) {
    --region->lLockCount;
    LeaveCriticalSection(&region->csSection);
}

extern "C" {

int32_t ORVEXAPI CR_LockCount(CR_SECT *region) {
    if (IsNoRegion(region)) return 0;
    EnterCriticalSection(&region->csSection);
    const int32_t count = region->lLockCount;
    LeaveCriticalSection(&region->csSection);
    return count;
}

int32_t ORVEXAPI CR_Unwind(CR_SECT *region) {
    if (IsNoRegion(region)) return 0;
    EnterCriticalSection(&region->csSection);
    const int32_t depth = region->lLockCount;
    if (depth < 0) {
        // A broken protocol: give back only our own entry and release nothing.
        LeaveCriticalSection(&region->csSection);
        return depth;
    }
    region->lLockCount = 0;
    for (int32_t i = 0; i <= depth; ++i) LeaveCriticalSection(&region->csSection);
    return depth;
}

void ORVEXAPI CR_Rewind(CR_SECT *region, int32_t depth) {
    if (IsNoRegion(region)) return;
    for (int32_t i = 0; i < depth; ++i) CRSectEnter(region);
}

} // extern "C"
