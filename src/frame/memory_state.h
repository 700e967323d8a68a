// The memory state shared by the block functions and the shared heap.
#pragma once

#include <windows.h>

struct MEMSTATE {
    HANDLE hProcessHeap; // 0 until a block function first needs it
};

extern MEMSTATE gMemState;
