// The product and file version strings of a module's version resource.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "frame/version_strings.h"
#include "orvexrt/frame.h"

namespace {

constexpr DWORD kModuleNameSize = 520;
// US English in Unicode first, then in Windows-1252.
constexpr const char *kStringBlocks[] = {"040904b0", "040904E4"};

// Reads the value `name` of the module's version resource into buffer.
bool ReadModuleVersionString(HMODULE module, const char *name, char *buffer) {
    if (!buffer) return false;
    char fileName[kModuleNameSize];
    const DWORD length = GetModuleFileNameA(module, fileName, kModuleNameSize);
    if (length == 0 || length >= kModuleNameSize) return false; // none, or cut short
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName, &ignored);
    if (size == 0) return false;
    void *info = MemAlloc(size);
    if (!info) return false;
    const bool found = GetFileVersionInfoA(fileName, 0, size, info) && VERCopyStringValue(info, name, buffer);
    MemFree(info);
    return found;
}

} // namespace

bool VERCopyStringValue(const void *info, const char *name, char *buffer) {
    for (const char *block : kStringBlocks) {
        char path[96];
        std::snprintf(path, sizeof path, "\\StringFileInfo\\%s\\%s", block, name);
        void *value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(info, path, &value, &length) || !value) continue;
        std::strcpy(buffer, static_cast<const char *>(value));
        return true;
    }
    return false;
}

extern "C" {

int32_t ORVEXAPI VERGetVersionString(HMODULE module, char *buffer) {
    return ReadModuleVersionString(module, "ProductVersion", buffer) ? 1 : 0;
}

int32_t ORVEXAPI VERGetBuildString(HMODULE module, char *buffer) {
    return ReadModuleVersionString(module, "FileVersion", buffer) ? 1 : 0;
}

} // extern "C"
