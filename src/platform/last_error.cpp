// The calling thread's last-error code.
#include <windows.h>

namespace {
thread_local DWORD tLastError = 0;
}

extern "C" {
DWORD WINAPI GetLastError(void) { return tLastError; }
void WINAPI SetLastError(DWORD error) { tLastError = error; }
}
