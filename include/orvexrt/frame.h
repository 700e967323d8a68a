/* orvexrt: runtime frame — critical regions, thread-local items, memory blocks,
 * version strings, the assertion box and file open. */
#ifndef ORVEXRT_FRAME_H
#define ORVEXRT_FRAME_H

#include "orvexrt/base.h"

#pragma pack(push, 1)
/* A critical region: a recursive critical section and the depth at which its
 * owner holds it.  To take a region, enter the section, then add 1 to the
 * count; to give it up, subtract 1, then leave the section. */
typedef struct CR_SECT {
    CRITICAL_SECTION csSection;
    int32_t lLockCount;
} CR_SECT;
#pragma pack(pop)

/* The main region object's type; it is laid out exactly as a CR_SECT. */
typedef CR_SECT CRSect;

ORVEX_LAYOUT(offsetof(CR_SECT, lLockCount) == ORVEX_BY_POINTER(24, 40), "CR_SECT.lLockCount");
ORVEX_LAYOUT(sizeof(CR_SECT) == ORVEX_BY_POINTER(28, 44), "CR_SECT size");

/* Release function of a thread-local item: disposes of the value. */
typedef void(ORVEXAPI *TLS_RELEASEPROC)(uintptr_t value);

ORVEX_BEGIN_DECLS

/* The main region, and a pointer to it that is null before load and after unload. */
ORVEXDATA CRSect gCRMainSect;
ORVEXDATA CR_SECT *gpCRSECTMain;

/* Critical regions. */
int32_t ORVEXAPI CR_LockCount(CR_SECT *region);
int32_t ORVEXAPI CR_Unwind(CR_SECT *region);
void ORVEXAPI CR_Rewind(CR_SECT *region, int32_t depth);

/* Thread-local items: 200 slots a thread; indexes 100..199 are handed out. */
uint32_t ORVEXAPI TLS_AllocIndex(void);
void ORVEXAPI TLS_FreeIndex(uint32_t index);
uintptr_t ORVEXAPI TLS_GetItem(uint32_t index);
void ORVEXAPI TLS_SetItem(uint32_t index, uintptr_t value, TLS_RELEASEPROC release);
void ORVEXAPI TLS_Free(uint32_t index);
void ORVEXAPI TLS_FreeAll(void);

/* Zero-filled blocks of the process heap. */
void *ORVEXAPI MemAlloc(uint32_t size);
void *ORVEXAPI MemRealloc(void *block, uint32_t size);
void ORVEXAPI MemFree(void *block);
uint32_t ORVEXAPI MemSize(void *block);
int32_t ORVEXAPI MemCheck(void *block);
int32_t ORVEXAPI MemCheckAll(void);

/* Version strings of a module's version resource: the product version
 * (VERGetVersionString) or the file version (VERGetBuildString), from the
 * US-English block in Unicode, else in Windows-1252.  1 when copied (the
 * buffer must hold the text), else 0. */
int32_t ORVEXAPI VERGetVersionString(HMODULE module, char *buffer);
int32_t ORVEXAPI VERGetBuildString(HMODULE module, char *buffer);

/* Shows "Internal Error: " with the file name (its two-character extension
 * dropped) and the line, as in "Internal Error: fmtdate120" for fmtdate.ab
 * and 120; returns the box's result. */
int32_t ORVEXAPI AssertBox(const char *fileName, int32_t line);

/* Opens, creates, deletes or locates a file by the flag word of OpenFile
 * (OF_READ 0, OF_WRITE 1, OF_READWRITE 2, OF_SHARE_EXCLUSIVE 0x10,
 * OF_SHARE_DENY_WRITE 0x20, OF_SHARE_DENY_NONE 0x40, OF_PARSE 0x100,
 * OF_DELETE 0x200, OF_CREATE 0x1000, OF_EXIST 0x4000), without its path
 * length limit.  Returns the file handle; 0 for parse, exist and a
 * successful delete; INVALID_HANDLE_VALUE on failure, with the last error
 * set.  A resolved path is copied to `resolved` (room for 2048 bytes) when
 * it is given. */
HANDLE ORVEXAPI CBOpenFile(const char *path, char *resolved, uint32_t flags);

/* 0 when running under Wine, else 1. */
int32_t ORVEXAPI RNW(void);

ORVEX_END_DECLS

#endif
