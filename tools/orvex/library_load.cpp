// orvex carries the library's objects: it attaches them once, as the loader
// attaches the library, before any command runs.
#include <windows.h>

#include "command.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace orvex {

void LoadLibraryObjects() { DllMain(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr); }

} // namespace orvex
