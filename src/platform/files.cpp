// Files: opening with Win32 access and sharing, reading, writing, closing,
// deleting; directories.
//
// A file handle is its descriptor d as (d + 1) * 4, a multiple of four as
// Win32 file handles are; so any copy of this stand-in in the process can
// use a handle that another opened.
//
// Sharing is kept with open-file-description locks on bytes far beyond any
// data, which every open file of the process and of other processes sees:
// an open holds a shared lock on the byte of each access it has and on the
// byte of each access it denies to others, and fails when a byte that
// conflicts with it is held by another open.  The locks go with the
// descriptor when it is closed.
#include <windows.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "unix_paths.h"

namespace {

constexpr uintptr_t kLargestHandle = uintptr_t{INT_MAX} * 4;

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>((static_cast<uintptr_t>(fd) + 1) * 4); }

int DescriptorOf(HANDLE file) {
    const auto value = reinterpret_cast<uintptr_t>(file);
    if (value < 4 || value % 4 != 0 || value > kLargestHandle) return -1;
    return static_cast<int>(value / 4 - 1);
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

HANDLE FailOpen(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// --- sharing ------------------------------------------------------------

constexpr off_t kShareBytes = off_t{1} << 62;
enum ShareByte : off_t { kHasRead = 0, kHasWrite = 1, kDeniesRead = 2, kDeniesWrite = 3 };

bool LockByte(int fd, ShareByte byte) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kShareBytes + byte;
    lock.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Whether another open holds the byte.
bool HeldByOthers(int fd, ShareByte byte) {
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = kShareBytes + byte;
    probe.l_len = 1;
    return fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

// Takes the share bytes of an open with the given access and sharing;
// false when it conflicts with another open.  A file system without locks
// shares everything.
bool TakeShareBytes(int fd, bool read, bool write, DWORD share) {
    const bool deniesRead = !(share & FILE_SHARE_READ);
    const bool deniesWrite = !(share & FILE_SHARE_WRITE);
    if ((read && !LockByte(fd, kHasRead)) || (write && !LockByte(fd, kHasWrite)) ||
        (deniesRead && !LockByte(fd, kDeniesRead)) || (deniesWrite && !LockByte(fd, kDeniesWrite)))
        return errno != EAGAIN;
    return !((read && HeldByOthers(fd, kDeniesRead)) || (write && HeldByOthers(fd, kDeniesWrite)) ||
             (deniesRead && HeldByOthers(fd, kHasRead)) || (deniesWrite && HeldByOthers(fd, kHasWrite)));
}

// --- opening --------------------------------------------------------------

bool Exists(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// A missing file in an existing folder, or a missing folder.
DWORD MissingError(const std::string &path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    return Exists(folder) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

int CreationFlags(DWORD disposition) {
    switch (disposition) {
    case CREATE_NEW:
        return O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        return O_CREAT;
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING:
        return 0;
    default:
        return -1;
    }
}

HANDLE OpenByPath(const std::string &path, DWORD access, DWORD share, DWORD disposition) {
    const int creation = CreationFlags(disposition);
    if (path.empty()) return FailOpen(ERROR_PATH_NOT_FOUND);
    if (creation < 0) return FailOpen(ERROR_INVALID_PARAMETER);
    const bool read = (access & GENERIC_READ) != 0;
    const bool write = (access & GENERIC_WRITE) != 0;
    if (disposition == TRUNCATE_EXISTING && !write) return FailOpen(ERROR_INVALID_PARAMETER);
    const bool existed = Exists(path);
    // Share bytes need a descriptor that can read; a write-only open asks for
    // reading too when the file allows it.
    int fd = open(path.c_str(), (write ? O_RDWR : O_RDONLY) | creation | O_CLOEXEC, 0666);
    if (fd < 0 && write && errno == EACCES) fd = open(path.c_str(), O_WRONLY | creation | O_CLOEXEC, 0666);
    if (fd < 0) return FailOpen(errno == ENOENT ? MissingError(path) : platform::FileErrorOf(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return FailOpen(ERROR_ACCESS_DENIED);
    }
    if (!TakeShareBytes(fd, read, write, share)) {
        close(fd);
        return FailOpen(ERROR_SHARING_VIOLATION);
    }
    // Creating over a file empties it whatever access the open asks for.
    const bool empties = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    if (empties && st.st_size != 0 && (write ? ftruncate(fd, 0) : truncate(path.c_str(), 0)) != 0) {
        const int error = errno;
        close(fd);
        return FailOpen(platform::FileErrorOf(error));
    }
    const bool reportsExisting = existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
    SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return HandleOf(fd);
}

BOOL Unlink(const std::string &path) {
    if (unlink(path.c_str()) == 0) return TRUE;
    return Fail(errno == ENOENT ? MissingError(path) : platform::FileErrorOf(errno == EISDIR ? EACCES : errno));
}

} // namespace

extern "C" {

HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD,
                          HANDLE) {
    return OpenByPath(platform::UnixPathOfWide(name), access, share, disposition);
}

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD,
                          HANDLE) {
    return OpenByPath(platform::UnixPathOf(name), access, share, disposition);
}

BOOL WINAPI CloseHandle(HANDLE object) {
    const int fd = DescriptorOf(object);
    if (fd < 0 || close(fd) != 0) return Fail(ERROR_INVALID_HANDLE);
    return TRUE;
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED) {
    const int fd = DescriptorOf(file);
    if (done) *done = 0;
    DWORD total = 0;
    while (total < size) {
        const ssize_t n = read(fd, static_cast<char *>(buffer) + total, size - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(platform::FileErrorOf(errno));
        if (n == 0) break;
        total += static_cast<DWORD>(n);
    }
    if (done) *done = total;
    return TRUE;
}

BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED) {
    const int fd = DescriptorOf(file);
    if (done) *done = 0;
    DWORD total = 0;
    while (total < size) {
        const ssize_t n = write(fd, static_cast<const char *>(buffer) + total, size - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(platform::FileErrorOf(errno));
        total += static_cast<DWORD>(n);
    }
    if (done) *done = total;
    return TRUE;
}

DWORD WINAPI GetFileSize(HANDLE file, LPDWORD high) {
    struct stat st {};
    if (fstat(DescriptorOf(file), &st) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<uint64_t>(st.st_size);
    if (high) *high = static_cast<DWORD>(size >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(size);
}

BOOL WINAPI DeleteFileA(LPCSTR name) { return Unlink(platform::UnixPathOf(name)); }

BOOL WINAPI DeleteFileW(LPCWSTR name) { return Unlink(platform::UnixPathOfWide(name)); }

BOOL WINAPI CreateDirectoryW(LPCWSTR name, LPSECURITY_ATTRIBUTES) {
    if (mkdir(platform::UnixPathOfWide(name).c_str(), 0777) != 0)
        return Fail(errno == EEXIST   ? ERROR_ALREADY_EXISTS
                    : errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                      : platform::FileErrorOf(errno));
    return TRUE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR name) {
    if (rmdir(platform::UnixPathOfWide(name).c_str()) != 0) return Fail(platform::FileErrorOf(errno));
    return TRUE;
}

} // extern "C"
