// The library entry: what a process attach, a thread detach and a process
// detach do.
#include <windows.h>

#include "datetime/intl_state.h"
#include "datetime/name_tables.h"
#include "frame/static_objects.h"
#include "frame/thread_items.h"
#include "orvexrt/intl.h"

namespace {

// Done once per process: the instance handle in the state record tells
// whether it was done already.
void FrameFirstAttach(HINSTANCE instance) {
    if (gIntlState.hInstance) return;
    gIntlState.hInstance = instance;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version; // 148
    if (GetVersionExA(&version)) gIntlState.dwPlatformId = version.dwPlatformId;
    IntlInit();
    FMTLoadNames();
    gIntlState.bProfileStale = 1;  // read the user's settings at first use
    gIntlState.bLoaded = 1;
}

void FrameProcessAttach(HINSTANCE instance) {
    FrameCreateStatics();
    FrameFirstAttach(instance);
    TLSEnsureSlot();
}

void FrameProcessDetach() {
    TLS_FreeAll();
    TLSReleaseSlot();
    FrameDestroyStatics();
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        FrameProcessAttach(instance);
        break;
    case DLL_THREAD_DETACH:
        TLS_FreeAll();
        break;
    case DLL_PROCESS_DETACH:
        FrameProcessDetach();
        break;
    default:
        break;
    }
    return TRUE;
}
