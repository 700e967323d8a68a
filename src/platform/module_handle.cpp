// Module handles: a module's handle is its load address.
#include <windows.h>

#include <dlfcn.h>
#include <link.h>

namespace {

// The load address of a module opened with dlopen.  A program linked at a
// fixed address has no load offset; it starts where such programs start.
HMODULE LoadAddressOf(void *module) {
    link_map *map = nullptr;
    if (!module || dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map) return nullptr;
    return reinterpret_cast<HMODULE>(map->l_addr ? map->l_addr : ElfW(Addr){0x400000});
}

} // namespace

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    void *module = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    const HMODULE handle = LoadAddressOf(module);
    if (module) dlclose(module);
    return handle;
}
