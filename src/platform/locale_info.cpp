// Locale information: the user's overridable settings come from the same
// key as the registry's international settings, as on Windows.
#include <windows.h>

#include <cstring>

#include "settings_file.h"

namespace {

constexpr const char *kInternational = "HKEY_CURRENT_USER\\Control Panel\\International";
constexpr DWORD kErrorInvalidFlags = 1004;

const char *SettingNameOf(LCTYPE type) {
    switch (type & 0xFFFF) {
    case LOCALE_SCURRENCY:
        return "sCurrency";
    default:
        return nullptr;
    }
}

} // namespace

extern "C" BOOL WINAPI SetLocaleInfoA(LCID, LCTYPE type, LPCSTR data) {
    const char *name = SettingNameOf(type);
    if (!name || !data) {
        SetLastError(kErrorInvalidFlags);
        return FALSE;
    }
    return platform::WriteSetting(kInternational, name, {data, true}) ? TRUE : FALSE;
}

extern "C" int WINAPI GetLocaleInfoA(LCID, LCTYPE type, LPSTR data, int dataSize) {
    const char *name = SettingNameOf(type);
    if (!name) {
        SetLastError(kErrorInvalidFlags);
        return 0;
    }
    const auto value = platform::ReadSetting(kInternational, name);
    const std::string text = value ? value->text : std::string();
    const int needed = static_cast<int>(text.size()) + 1;
    if (dataSize == 0) return needed;
    if (!data || dataSize < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(data, text.c_str(), static_cast<size_t>(needed));
    return needed;
}
