// Version information: this stand-in reports a current Windows NT family
// system, which is what the library's platform checks expect to find.
#include <windows.h>

#include <cstring>

extern "C" BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info) {
    // The record's size field tells which record the caller passes: the plain
    // one (148 bytes) or the extended one (156), whose extra fields stay as
    // the caller set them.
    constexpr DWORD kPlainSize = sizeof(OSVERSIONINFOA);
    constexpr DWORD kExtendedSize = 156;
    if (!info || (info->dwOSVersionInfoSize != kPlainSize && info->dwOSVersionInfoSize != kExtendedSize)) return FALSE;
    info->dwMajorVersion = 10;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 19045;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}
