// Critical sections and thread identifiers: a recursive mutex laid into the
// opaque record, and the kernel's thread id.
#include <windows.h>

#include <mutex>
#include <new>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

static_assert(sizeof(std::recursive_mutex) <= sizeof(CRITICAL_SECTION));
static_assert(alignof(std::recursive_mutex) <= alignof(CRITICAL_SECTION));

std::recursive_mutex &MutexOf(LPCRITICAL_SECTION section) {
    return *std::launder(reinterpret_cast<std::recursive_mutex *>(section->opaque.bytes));
}

} // namespace

extern "C" {

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section) {
    new (section->opaque.bytes) std::recursive_mutex();
}

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section).~recursive_mutex(); }

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section).lock(); }

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section) { MutexOf(section).unlock(); }

BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section) { return MutexOf(section).try_lock() ? TRUE : FALSE; }

DWORD WINAPI GetCurrentThreadId(void) {
    // The kernel's id is unique among live threads, as a Win32 thread id is.
    thread_local const DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
    return id;
}

} // extern "C"
