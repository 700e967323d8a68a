// The thread-local item store's life inside the library (the exported
// functions are declared in orvexrt/frame.h).
#pragma once

#include <cstdint>

#include "orvexrt/frame.h"

// Creates the empty thread map at load; destroys it, with any tables still
// entered, at unload.
void TLSCreateThreadMap();
void TLSDestroyThreadMap();

// Allocates the Win32 slot of the store unless it is allocated already.
void TLSEnsureSlot();
// Frees the slot at unload.
void TLSReleaseSlot();

// Release function of the per-thread objects: deletes one.
template <typename T> void ORVEXAPI TLSDeleteObject(uintptr_t value) { delete reinterpret_cast<T *>(value); }

// The per-thread object of an item index: returns the calling thread's
// object, creating it with make() (which returns a pointer from new, or
// null) and handing it to the store, which deletes it when the thread's
// items are released.  A failed make() stores nothing that needs releasing,
// so the next call tries again.
template <typename T, typename Make> T *TLSThreadObject(uint32_t index, Make make) {
    if (uintptr_t value = TLS_GetItem(index)) return reinterpret_cast<T *>(value);
    T *object = make();
    TLS_SetItem(index, reinterpret_cast<uintptr_t>(object), &TLSDeleteObject<T>);
    return object;
}
