// Doubly linked lists of 32-bit values: a header that counts the nodes and
// knows the first and the last, every part a block of MemAlloc.
#include "orvexrt/containers.h"
#include "orvexrt/frame.h"

namespace {

void FreeNodes(LISTHEADER &list) {
    for (LISTNODE *node = list.lpFirst; node;) {
        LISTNODE *next = node->lpNext;
        MemFree(node);
        node = next;
    }
    list.lCount = 0;
    list.lpFirst = nullptr;
    list.lpLast = nullptr;
}

} // namespace

extern "C" {

LISTHEADER *ORVEXAPI ListCreateHeader(void) { return static_cast<LISTHEADER *>(MemAlloc(sizeof(LISTHEADER))); }

LISTNODE *ORVEXAPI ListAppendNode(LISTHEADER *list, uint32_t value) {
    if (!list) return nullptr;
    auto *node = static_cast<LISTNODE *>(MemAlloc(sizeof(LISTNODE)));
    if (!node) return nullptr;
    node->dwValue = value;
    node->lpPrev = list->lpLast;
    if (list->lpLast)
        list->lpLast->lpNext = node;
    else
        list->lpFirst = node;
    list->lpLast = node;
    ++list->lCount;
    return node;
}

int32_t ORVEXAPI ListDeleteNode(LISTHEADER *list, LISTNODE *node) {
    if (!list || !node || list->lCount == 0) return 0;
    if (node->lpPrev)
        node->lpPrev->lpNext = node->lpNext;
    else
        list->lpFirst = node->lpNext;
    if (node->lpNext)
        node->lpNext->lpPrev = node->lpPrev;
    else
        list->lpLast = node->lpPrev;
    --list->lCount;
    MemFree(node);
    return 1;
}

LISTNODE *ORVEXAPI ListIndexNode(LISTHEADER *list, int32_t index) {
    if (!list || index < 0) return nullptr;
    LISTNODE *node = list->lpFirst;
    for (; node && index > 0; --index) node = node->lpNext;
    return node;
}

LISTHEADER *ORVEXAPI ListDestroyList(LISTHEADER *list, int32_t freeHeader) {
    if (!list) return nullptr;
    FreeNodes(*list);
    if (!freeHeader) return list;
    MemFree(list);
    return nullptr;
}

} // extern "C"
