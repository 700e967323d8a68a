// Opening, creating, deleting and locating a file by the flag word of the
// platform's OpenFile, without its short path limit: a path longer than
// that opens through the platform's long-path form.
#include <windows.h>

#include <cstring>
#include <vector>

#include "datetime/intl_state.h"
#include "orvexrt/frame.h"

namespace {

// The flags of OpenFile that this function knows.
constexpr uint32_t kWrite = 0x0001;
constexpr uint32_t kReadWrite = 0x0002;
constexpr uint32_t kShareExclusive = 0x0010;
constexpr uint32_t kShareDenyWrite = 0x0020;
constexpr uint32_t kShareDenyNone = 0x0040;
constexpr uint32_t kParse = 0x0100;
constexpr uint32_t kDelete = 0x0200;
constexpr uint32_t kCreate = 0x1000;
constexpr uint32_t kExist = 0x4000;
constexpr uint32_t kKnownFlags =
    kWrite | kReadWrite | kShareExclusive | kShareDenyWrite | kShareDenyNone | kParse | kDelete | kCreate | kExist;
static_assert(kKnownFlags == 0x5373);

constexpr DWORD kWorkSize = 2048;
constexpr size_t kShortPathLimit = MAX_PATH;

HANDLE Failed(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

bool Has(uint32_t flags, uint32_t flag) { return (flags & flag) != 0; }

// Unknown bits, and requests that contradict each other.
bool FlagsConflict(uint32_t flags) {
    if (flags & ~kKnownFlags) return true;
    const int exclusive = Has(flags, kExist) + Has(flags, kCreate) + Has(flags, kDelete);
    return exclusive > 1;
}

bool HasFolderPart(const char *path) { return std::strpbrk(path, "\\/:") != nullptr; }

bool CopyPath(const char *path, char *work) {
    const size_t length = std::strlen(path);
    if (length >= kWorkSize) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    std::memcpy(work, path, length + 1);
    return true;
}

// A result of the path functions, which tell the size they need when the
// buffer is too small.
bool FitsWork(DWORD length) {
    if (length == 0) return false;
    if (length < kWorkSize) return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
}

// Resolves the path into work (kWorkSize bytes); false, with the last error
// set, when it cannot.  A file to create is named by its full path when the
// caller wants the path back; a name with a folder is taken as it is; any
// other name, and every name to locate, is searched for.
bool ResolvePath(const char *path, bool reportsPath, uint32_t flags, char *work) {
    if (Has(flags, kCreate))
        return reportsPath ? FitsWork(GetFullPathNameA(path, kWorkSize, work, nullptr)) : CopyPath(path, work);
    if (HasFolderPart(path) && !Has(flags, kExist)) return CopyPath(path, work);
    const DWORD length = SearchPathA(nullptr, path, nullptr, kWorkSize, work, nullptr);
    if (length == 0 && GetLastError() == ERROR_INVALID_PARAMETER) SetLastError(ERROR_FILE_NOT_FOUND);
    return FitsWork(length);
}

std::vector<WCHAR> WideOf(const char *text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 0) return {};
    std::vector<WCHAR> wide(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
    return wide;
}

// The "\\?\" form of a path: the platform takes such a name as it is,
// without a length limit and without completing it, so the name is made
// full first.  A network name \\server\share becomes \\?\UNC\server\share.
std::vector<WCHAR> LongPathFormOf(const char *path) {
    const std::vector<WCHAR> wide = WideOf(path);
    if (wide.empty()) return {};
    const DWORD size = GetFullPathNameW(wide.data(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::vector<WCHAR> full(size);
    if (GetFullPathNameW(wide.data(), size, full.data(), nullptr) >= size) return {};
    const auto startsWith = [&full](const char *prefix) {
        for (size_t i = 0; prefix[i]; ++i)
            if (i >= full.size() || full[i] != static_cast<WCHAR>(prefix[i])) return false;
        return true;
    };
    if (startsWith("\\\\?\\")) return full;
    const bool network = startsWith("\\\\");
    const char *prefix = network ? "\\\\?\\UNC" : "\\\\?\\";
    std::vector<WCHAR> form(prefix, prefix + std::strlen(prefix));
    form.insert(form.end(), full.begin() + (network ? 1 : 0), full.end());
    return form;
}

HANDLE OpenResolved(const char *path, DWORD access, DWORD share, DWORD disposition) {
    if (std::strlen(path) > kShortPathLimit && gIntlState.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        const std::vector<WCHAR> longForm = LongPathFormOf(path);
        if (longForm.empty()) return Failed(ERROR_FILENAME_EXCED_RANGE);
        return CreateFileW(longForm.data(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DWORD AccessOf(uint32_t flags) { return Has(flags, kWrite | kReadWrite) ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ; }

DWORD SharingOf(uint32_t flags) {
    if (Has(flags, kShareExclusive)) return 0;
    if (Has(flags, kShareDenyWrite)) return FILE_SHARE_READ;
    return FILE_SHARE_READ | FILE_SHARE_WRITE;
}

} // namespace

extern "C" HANDLE ORVEXAPI CBOpenFile(const char *path, char *resolved, uint32_t flags) {
    if (FlagsConflict(flags)) return Failed(ERROR_INVALID_PARAMETER);
    if (Has(flags, kParse)) return nullptr;
    if (!path) return Failed(ERROR_INVALID_PARAMETER);
    if (Has(flags, kDelete)) return DeleteFileA(path) ? nullptr : INVALID_HANDLE_VALUE;

    std::vector<char> work(kWorkSize);
    if (!ResolvePath(path, resolved != nullptr, flags, work.data())) return INVALID_HANDLE_VALUE;
    if (resolved) std::strcpy(resolved, work.data());
    if (Has(flags, kExist)) return nullptr;
    const DWORD disposition = Has(flags, kCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    return OpenResolved(work.data(), AccessOf(flags), SharingOf(flags), disposition);
}
