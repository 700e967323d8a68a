// Modules by handle: their files, the module that holds an address, and
// their exported functions.  A module's handle is the address at which it
// is mapped, as GetModuleHandleA gives it.
#include <windows.h>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "unix_paths.h"

namespace {

struct LoadedModule {
    uintptr_t base = 0;
    std::string file; // empty for the program itself
    bool found = false;
};

// The address where a module's first loaded segment starts.
uintptr_t MappedBase(const dl_phdr_info &info) {
    for (int i = 0; i < info.dlpi_phnum; ++i)
        if (info.dlpi_phdr[i].p_type == PT_LOAD)
            return info.dlpi_addr + (info.dlpi_phdr[i].p_vaddr & ~uintptr_t{0xFFF});
    return info.dlpi_addr;
}

LoadedModule FindModule(HMODULE handle) {
    LoadedModule wanted;
    wanted.base = reinterpret_cast<uintptr_t>(handle);
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto &module = *static_cast<LoadedModule *>(data);
            if (MappedBase(*info) != module.base) return 0;
            module.file = info->dlpi_name ? info->dlpi_name : "";
            module.found = true;
            return 1;
        },
        &wanted);
    return wanted;
}

std::string ProgramFile() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

} // namespace

extern "C" {

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR name, DWORD size) {
    std::string file;
    if (module) {
        const LoadedModule found = FindModule(module);
        if (!found.found) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return 0;
        }
        file = found.file;
    }
    if (file.empty()) file = ProgramFile();
    const std::string text = platform::AnsiPathOf(platform::AbsolutePath(file));
    if (!name || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // A name that does not fit is cut and terminated, and the full size told.
    if (text.size() >= size) {
        std::memcpy(name, text.data(), size - 1);
        name[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(name, text.c_str(), text.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(text.size());
}

BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE *module) {
    if (!module) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *module = nullptr;
    if (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) {
        Dl_info info{};
        if (dladdr(name, &info) && info.dli_fbase) *module = static_cast<HMODULE>(info.dli_fbase);
    } else {
        *module = GetModuleHandleA(name);
    }
    if (*module) return TRUE;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
    // Exports by ordinal (a name whose high bits are zero) do not exist here.
    const LoadedModule found = FindModule(module);
    if (!found.found || (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0) {
        SetLastError(found.found ? ERROR_PROC_NOT_FOUND : ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    void *opened = dlopen(found.file.empty() ? nullptr : found.file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    void *symbol = opened ? dlsym(opened, name) : nullptr;
    if (opened) dlclose(opened);
    if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
    return reinterpret_cast<FARPROC>(symbol);
}

} // extern "C"
