/* orvexrt: common definitions of the public headers.
 *
 * Every export is a plain C function with the Win32 calling convention
 * (__stdcall on 32-bit Windows, the platform default elsewhere).  Records that
 * cross the boundary are byte-packed; each header checks their sizes and
 * offsets for 32- and 64-bit pointers. */
#ifndef ORVEXRT_BASE_H
#define ORVEXRT_BASE_H

#include <stddef.h>
#include <stdint.h>
#include <windows.h>

#define ORVEXAPI WINAPI

#ifdef __cplusplus
#define ORVEX_BEGIN_DECLS extern "C" {
#define ORVEX_END_DECLS }
#else
#define ORVEX_BEGIN_DECLS
#define ORVEX_END_DECLS
#endif

/* Exported data: imported from the DLL by hosts, defined plainly by the
 * library itself. */
#ifdef ORVEXRT_BUILDING
#define ORVEXDATA extern
#else
#define ORVEXDATA extern DECLSPEC_IMPORT
#endif

/* Layout checks usable from C and C++ headers. */
#ifdef __cplusplus
#define ORVEX_LAYOUT(cond, what) static_assert(cond, what)
#else
#define ORVEX_LAYOUT(cond, what) _Static_assert(cond, what)
#endif

/* Chooses the expected value of a layout check by pointer width. */
#define ORVEX_BY_POINTER(v32, v64) (sizeof(void *) == 8 ? (v64) : (v32))

#endif
