// What the module loader of the stand-in learns from the other stand-in parts.
#pragma once

namespace platform {

// Called when the calling thread first stores a thread-local value, so that
// the loader can tell the library when that thread ends (thread detach).
// Null while no loader listens (programs that link the stand-in directly).
extern void (*gThreadStoresValues)();

} // namespace platform
