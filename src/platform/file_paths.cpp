// Path resolution: full path names, and the search for a file along the
// default search order (the program's folder, the current folder, then the
// folders of PATH).
#include <windows.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "unix_paths.h"

namespace {

bool Exists(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string ProgramFolder() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    const std::string program(path, static_cast<size_t>(n));
    return program.substr(0, program.rfind('/'));
}

std::vector<std::string> Split(const std::string &list, char separator) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= list.size()) {
        const size_t end = std::min(list.find(separator, at), list.size());
        if (end > at) parts.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

std::vector<std::string> DefaultSearchFolders() {
    std::vector<std::string> folders{ProgramFolder(), "."};
    if (const char *path = std::getenv("PATH")) {
        const std::vector<std::string> more = Split(path, ':');
        folders.insert(folders.end(), more.begin(), more.end());
    }
    return folders;
}

// A name that says where it is: absolute, or relative to the current folder
// by "./" or "../".
bool NamesItsFolder(const std::string &name) {
    return name[0] == '/' || name.rfind("./", 0) == 0 || name.rfind("../", 0) == 0;
}

// The extension is added to a name whose last step has none.
std::string WithExtension(const std::string &name, const std::string &extension) {
    const size_t slash = name.rfind('/');
    const size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? name : name + extension;
}

template <typename Unit> void SetFilePart(Unit *buffer, DWORD length, DWORD size, Unit **filePart) {
    if (!filePart) return;
    *filePart = nullptr;
    if (length >= size || length == 0) return;
    DWORD last = length;
    while (last > 0 && buffer[last - 1] != '/') --last;
    *filePart = buffer + last;
}

} // namespace

extern "C" {

DWORD WINAPI SearchPathA(LPCSTR path, LPCSTR fileName, LPCSTR extension, DWORD size, LPSTR buffer, LPSTR *filePart) {
    const std::string name = platform::UnixPathOf(fileName);
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::string wanted = WithExtension(name, platform::UnixPathOf(extension));
    std::vector<std::string> candidates;
    if (NamesItsFolder(wanted)) {
        candidates.push_back(wanted);
    } else {
        const std::vector<std::string> folders = path ? Split(platform::UnixPathOf(path), ';') : DefaultSearchFolders();
        for (const std::string &folder : folders) candidates.push_back(folder + "/" + wanted);
    }
    for (const std::string &candidate : candidates) {
        if (!Exists(candidate)) continue;
        const DWORD length =
            platform::DeliverPath(platform::AnsiPathOf(platform::AbsolutePath(candidate)), buffer, size);
        SetFilePart(buffer, length, size, filePart);
        return length;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
}

DWORD WINAPI GetFullPathNameA(LPCSTR name, DWORD size, LPSTR buffer, LPSTR *filePart) {
    const std::string path = platform::UnixPathOf(name);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return 0;
    }
    const DWORD length = platform::DeliverPath(platform::AnsiPathOf(platform::AbsolutePath(path)), buffer, size);
    SetFilePart(buffer, length, size, filePart);
    return length;
}

DWORD WINAPI GetFullPathNameW(LPCWSTR name, DWORD size, LPWSTR buffer, LPWSTR *filePart) {
    const std::string path = platform::UnixPathOfWide(name);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return 0;
    }
    const std::vector<WCHAR> full = platform::WidePathOf(platform::AbsolutePath(path));
    const auto needed = static_cast<DWORD>(full.size()); // with the terminator
    if (!buffer || needed > size) return needed;
    std::memcpy(buffer, full.data(), needed * sizeof(WCHAR));
    SetFilePart(buffer, needed - 1, size, filePart);
    return needed - 1;
}

} // extern "C"
