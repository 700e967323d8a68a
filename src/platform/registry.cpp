// The registry functions over the settings file: a key handle names the
// full path of its key.
#include <windows.h>

#include <cstring>
#include <string>

#include "settings_file.h"

namespace {

struct KeyHandle {
    std::string path;
};

// The predefined keys, by their handle values.
struct RootKey {
    ULONG_PTR handle;
    const char *name;
};

constexpr RootKey kRoots[] = {
    {0x80000000, "HKEY_CLASSES_ROOT"},
    {0x80000001, "HKEY_CURRENT_USER"},
    {0x80000002, "HKEY_LOCAL_MACHINE"},
};

const RootKey *FindRoot(HKEY key) {
    for (const RootKey &root : kRoots)
        if (root.handle == reinterpret_cast<ULONG_PTR>(key)) return &root;
    return nullptr;
}

// The full path of a key handle, or null for an invalid one.
const std::string *PathOf(HKEY key, std::string &scratch) {
    if (const RootKey *root = FindRoot(key)) {
        scratch = root->name;
        return &scratch;
    }
    return key ? &reinterpret_cast<KeyHandle *>(key)->path : nullptr;
}

LSTATUS OpenKey(HKEY key, LPCSTR subKey, PHKEY result, bool create) {
    if (!result) return ERROR_INVALID_HANDLE;
    std::string scratch;
    const std::string *base = PathOf(key, scratch);
    if (!base) return ERROR_INVALID_HANDLE;
    std::string path = *base;
    if (subKey && *subKey) path += "\\" + std::string(subKey);
    if (!create && !platform::SettingKeyExists(path)) return ERROR_FILE_NOT_FOUND;
    *result = reinterpret_cast<HKEY>(new KeyHandle{path});
    return ERROR_SUCCESS;
}

} // namespace

extern "C" {

LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    return OpenKey(key, subKey, result, false);
}

LSTATUS WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, void *, PHKEY result,
                               LPDWORD disposition) {
    if (disposition) *disposition = 1; // a new key, or one that was opened: the caller cannot tell here
    return OpenKey(key, subKey, result, true);
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (!FindRoot(key)) delete reinterpret_cast<KeyHandle *>(key);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    std::string scratch;
    const std::string *path = PathOf(key, scratch);
    if (!path) return ERROR_INVALID_HANDLE;
    const auto value = platform::ReadSetting(*path, name ? name : "");
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (type) *type = REG_SZ;
    const DWORD size = static_cast<DWORD>(value->text.size() + (value->terminated ? 1 : 0));
    if (!data) {
        if (dataSize) *dataSize = size;
        return ERROR_SUCCESS;
    }
    if (!dataSize) return ERROR_INVALID_HANDLE;
    if (*dataSize < size) {
        *dataSize = size;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, value->text.data(), value->text.size());
    if (value->terminated) data[value->text.size()] = 0;
    *dataSize = size;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD, const BYTE *data, DWORD dataSize) {
    std::string scratch;
    const std::string *path = PathOf(key, scratch);
    if (!path) return ERROR_INVALID_HANDLE;
    platform::SettingValue value;
    if (data && dataSize > 0) {
        const auto *bytes = reinterpret_cast<const char *>(data);
        value.text.assign(bytes, strnlen(bytes, dataSize));
        value.terminated = true;
    } else {
        value.terminated = false;
    }
    return platform::WriteSetting(*path, name ? name : "", value) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI RegDeleteValueA(HKEY key, LPCSTR name) {
    std::string scratch;
    const std::string *path = PathOf(key, scratch);
    if (!path) return ERROR_INVALID_HANDLE;
    return platform::DeleteSetting(*path, name ? name : "") ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

} // extern "C"
