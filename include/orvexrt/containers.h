/* orvexrt: containers — growable arrays in movable global memory, and
 * doubly linked lists of 32-bit values. */
#ifndef ORVEXRT_CONTAINERS_H
#define ORVEXRT_CONTAINERS_H

#include "orvexrt/base.h"

#pragma pack(push, 1)
/* The head of an array block: the element size and count, followed by the
 * elements without gaps.  The block is movable global memory; lock it (or an
 * element, with ARYArrayLock) to reach it. */
typedef struct ARYBLOCK {
    int32_t lElementSize;
    int32_t lCount;
} ARYBLOCK;

/* A node of a list: its value and its neighbours. */
typedef struct LISTNODE {
    uint32_t dwValue;
    struct LISTNODE *lpNext;
    struct LISTNODE *lpPrev;
} LISTNODE;

/* A list: how many nodes it has, and the first and last of them. */
typedef struct LISTHEADER {
    int32_t lCount;
    LISTNODE *lpFirst;
    LISTNODE *lpLast;
} LISTHEADER;
#pragma pack(pop)

ORVEX_LAYOUT(sizeof(ARYBLOCK) == 8 && offsetof(ARYBLOCK, lCount) == 4, "ARYBLOCK");
ORVEX_LAYOUT(sizeof(LISTNODE) == ORVEX_BY_POINTER(12, 20) && offsetof(LISTNODE, lpNext) == 4 &&
                 offsetof(LISTNODE, lpPrev) == ORVEX_BY_POINTER(8, 12),
             "LISTNODE");
ORVEX_LAYOUT(sizeof(LISTHEADER) == ORVEX_BY_POINTER(12, 20) && offsetof(LISTHEADER, lpFirst) == 4 &&
                 offsetof(LISTHEADER, lpLast) == ORVEX_BY_POINTER(8, 12),
             "LISTHEADER");

ORVEX_BEGIN_DECLS

/* Arrays.  ARYArrayLock returns the address of one element and leaves the
 * block locked until ARYArrayUnlock; ARYArraySize packs the element size in
 * the low and the count in the high 16 bits.  Insert and Delete may move the
 * block and return its new handle (0 when Insert cannot grow it; the old
 * handle then stays valid).  An index outside the array means the end. */
HGLOBAL ORVEXAPI ARYArrayAlloc(int32_t elementSize, int32_t count);
HGLOBAL ORVEXAPI ARYArrayFree(HGLOBAL array);
void *ORVEXAPI ARYArrayLock(HGLOBAL array, int32_t index);
BOOL ORVEXAPI ARYArrayUnlock(HGLOBAL array);
uint32_t ORVEXAPI ARYArraySize(HGLOBAL array);
HGLOBAL ORVEXAPI ARYArrayInsert(HGLOBAL array, int32_t index);
HGLOBAL ORVEXAPI ARYArrayDelete(HGLOBAL array, int32_t index);

/* Lists.  Headers and nodes are blocks of MemAlloc. */
LISTHEADER *ORVEXAPI ListCreateHeader(void);
LISTNODE *ORVEXAPI ListAppendNode(LISTHEADER *list, uint32_t value);
int32_t ORVEXAPI ListDeleteNode(LISTHEADER *list, LISTNODE *node);
LISTNODE *ORVEXAPI ListIndexNode(LISTHEADER *list, int32_t index);
LISTHEADER *ORVEXAPI ListDestroyList(LISTHEADER *list, int32_t freeHeader);

ORVEX_END_DECLS

#endif
