// The module loader of the stand-in: calls the library's DllMain when the
// shared library is loaded and unloaded, and when a thread that stored
// thread-local values ends, as the Windows loader does for a DLL.
#include <windows.h>

#include <dlfcn.h>
#include <pthread.h>

#include "loader_hooks.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

pthread_key_t gThreadExitKey;
bool gThreadExitKeyMade = false;

// The instance handle of a module is its load address.
HINSTANCE ThisModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ThisModule), &info) && info.dli_fbase)
        return static_cast<HINSTANCE>(info.dli_fbase);
    return nullptr;
}

void OnThreadExit(void *) { DllMain(ThisModule(), DLL_THREAD_DETACH, nullptr); }

void WatchThisThread() {
    if (gThreadExitKeyMade) pthread_setspecific(gThreadExitKey, reinterpret_cast<void *>(1));
}

__attribute__((constructor)) void OnLoad() {
    gThreadExitKeyMade = pthread_key_create(&gThreadExitKey, OnThreadExit) == 0;
    platform::gThreadStoresValues = WatchThisThread;
    DllMain(ThisModule(), DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void OnUnload() {
    DllMain(ThisModule(), DLL_PROCESS_DETACH, nullptr);
    platform::gThreadStoresValues = nullptr;
    // Threads still running must not call into an unloaded module.
    if (gThreadExitKeyMade) pthread_key_delete(gThreadExitKey);
    gThreadExitKeyMade = false;
}

} // namespace
