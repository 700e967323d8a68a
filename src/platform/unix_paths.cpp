// File names between the Win32 calls and the file system.
#include "unix_paths.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr char kLongPathPrefix[] = "\\\\?\\";

std::string DropLongPathPrefix(std::string path) {
    if (path.rfind(kLongPathPrefix, 0) == 0) path.erase(0, sizeof kLongPathPrefix - 1);
    return path;
}

// Converts between UTF-16 and a multi-byte code page through the stand-in's
// own conversions.
std::string NarrowOf(LPCWSTR wide, UINT codePage) {
    const int size = WideCharToMultiByte(codePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(static_cast<size_t>(size) - 1);
    return text;
}

std::vector<WCHAR> WideOf(const std::string &text, UINT codePage) {
    const int size = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0) return {0};
    std::vector<WCHAR> wide(static_cast<size_t>(size));
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), size);
    return wide;
}

} // namespace

std::string UnixPathOfWide(LPCWSTR name) { return name ? DropLongPathPrefix(NarrowOf(name, CP_UTF8)) : std::string(); }

std::string UnixPathOf(LPCSTR name) {
    if (!name) return {};
    return UnixPathOfWide(WideOf(name, CP_ACP).data());
}

std::string AnsiPathOf(const std::string &path) { return NarrowOf(WideOf(path, CP_UTF8).data(), CP_ACP); }

std::vector<WCHAR> WidePathOf(const std::string &path) { return WideOf(path, CP_UTF8); }

std::string AbsolutePath(const std::string &path) {
    std::string whole = path;
    if (whole.empty() || whole[0] != '/') {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd)) return path;
        whole = std::string(cwd) + "/" + whole;
    }
    std::vector<std::string> steps;
    size_t at = 0;
    while (at <= whole.size()) {
        const size_t slash = std::min(whole.find('/', at), whole.size());
        const std::string step = whole.substr(at, slash - at);
        if (step == "..") {
            if (!steps.empty()) steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        at = slash + 1;
    }
    std::string absolute;
    for (const std::string &step : steps) absolute += "/" + step;
    return absolute.empty() ? "/" : absolute;
}

DWORD DeliverPath(const std::string &name, LPSTR buffer, DWORD size) {
    if (!buffer || name.size() >= size) return static_cast<DWORD>(name.size() + 1);
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    return static_cast<DWORD>(name.size());
}

DWORD FileErrorOf(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

} // namespace platform
