// The subset of the Win32 API that orvexrt calls, for systems without it.
// Names, types and signatures are those of <windows.h>; the implementations
// in this folder give the behaviour the library relies on.
#ifndef ORVEXRT_PLATFORM_WINDOWS_H
#define ORVEXRT_PLATFORM_WINDOWS_H

#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define CALLBACK
#define DECLSPEC_IMPORT

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef uint16_t LANGID;
typedef uint32_t LCID;
typedef char CHAR;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *LPVOID;
typedef const void *LPCVOID;
typedef void *HANDLE;
typedef size_t SIZE_T;
typedef uintptr_t ULONG_PTR;
typedef struct HINSTANCE__ *HINSTANCE;
typedef HINSTANCE HMODULE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define TLS_OUT_OF_INDEXES ((DWORD)0xFFFFFFFF)
#define HEAP_ZERO_MEMORY 0x00000008

#define VER_PLATFORM_WIN32_NT 2

#define LANG_NEUTRAL 0x00
#define PRIMARYLANGID(lgid) ((WORD)(lgid)&0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define LANGIDFROMLCID(lcid) ((WORD)(lcid))

// A critical section: the same size and alignment as the Win32 record, its
// contents private to the implementation (a recursive mutex).
typedef struct _RTL_CRITICAL_SECTION {
    union {
        void *pointerAlignment;
        unsigned char bytes[40];
    } opaque;
} CRITICAL_SECTION, *LPCRITICAL_SECTION;

typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef uint16_t USHORT;
typedef uint32_t ULONG;

// The OLE currency record: a 64-bit integer, low word first.
typedef union tagCY {
    struct {
        ULONG Lo;
        LONG Hi;
    };
    LONGLONG int64;
} CY;

// The OLE decimal record: a 96-bit magnitude divided by 10^scale.
typedef struct tagDEC {
    USHORT wReserved;
    BYTE scale;
    BYTE sign;
    ULONG Hi32;
    ULONG Lo32;
    ULONG Mid32;
} DECIMAL;

typedef struct _OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA, *LPOSVERSIONINFOA;


// --- registry, locale information, string resources, system time ---------
typedef struct HKEY__ *HKEY;
typedef HKEY *PHKEY;
typedef LONG LSTATUS;
typedef DWORD REGSAM;
typedef BYTE *LPBYTE;
typedef DWORD *LPDWORD;
typedef DWORD LCTYPE;
typedef struct HWND__ *HWND;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_MORE_DATA 234L

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define REG_OPTION_NON_VOLATILE 0

#define REG_NONE 0
#define REG_SZ 1

#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_SCURRENCY 0x00000014

typedef uint16_t WCHAR;
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef BOOL *LPBOOL;

#define CP_ACP 0
#define CP_UTF8 65001

typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *LPSYSTEMTIME;

#ifdef __cplusplus
extern "C" {
#endif

// kernel: synchronisation and threads
void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section);
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section);
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section);
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section);
BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section);
DWORD WINAPI GetCurrentThreadId(void);

// kernel: thread-local storage
DWORD WINAPI TlsAlloc(void);
BOOL WINAPI TlsFree(DWORD index);
LPVOID WINAPI TlsGetValue(DWORD index);
BOOL WINAPI TlsSetValue(DWORD index, LPVOID value);

// kernel: process heap
HANDLE WINAPI GetProcessHeap(void);
LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T size);
LPVOID WINAPI HeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size);
BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, LPVOID block);
SIZE_T WINAPI HeapSize(HANDLE heap, DWORD flags, LPCVOID block);

// kernel: system information and languages
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info);
LANGID WINAPI GetSystemDefaultLangID(void);
LANGID WINAPI GetUserDefaultLangID(void);
LCID WINAPI GetUserDefaultLCID(void);
UINT WINAPI GetACP(void);
BOOL WINAPI IsDBCSLeadByte(BYTE testChar);
BOOL WINAPI IsDBCSLeadByteEx(UINT codePage, BYTE testChar);

// user: the double-byte character walker
LPSTR WINAPI CharNextA(LPCSTR p);


// advapi: the registry (a settings file; see registry.cpp)
LSTATUS WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result);
LSTATUS WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                               REGSAM desired, void *security, PHKEY result, LPDWORD disposition);
LSTATUS WINAPI RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD dataSize);
LSTATUS WINAPI RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE *data,
                              DWORD dataSize);
LSTATUS WINAPI RegDeleteValueA(HKEY key, LPCSTR name);
LSTATUS WINAPI RegCloseKey(HKEY key);

// kernel: locale information and the clock
int WINAPI GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR data, int dataSize);
BOOL WINAPI SetLocaleInfoA(LCID locale, LCTYPE type, LPCSTR data);
void WINAPI GetSystemTime(LPSYSTEMTIME time);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

// kernel: code-page conversion
int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textSize, LPWSTR wide, int wideSize);
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideSize, LPSTR text, int textSize,
                               LPCSTR defaultChar, LPBOOL usedDefault);

// kernel: modules
HMODULE WINAPI GetModuleHandleA(LPCSTR name);

// user: string resources
int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);

#ifdef __cplusplus
}
#endif

#endif
