// The process heap: malloc blocks with a small header that remembers the
// requested size, so that HeapSize answers exactly and HeapReAlloc can zero
// what it adds.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

struct alignas(16) BlockHeader {
    SIZE_T size;
};

// Any non-null value serves: there is one heap.
HANDLE const kProcessHeap = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x50000));

BlockHeader *HeaderOf(LPCVOID block) { return const_cast<BlockHeader *>(static_cast<const BlockHeader *>(block)) - 1; }

bool SizeFits(SIZE_T size) { return size <= SIZE_MAX - sizeof(BlockHeader); }

} // namespace

extern "C" {

HANDLE WINAPI GetProcessHeap(void) { return kProcessHeap; }

LPVOID WINAPI HeapAlloc(HANDLE, DWORD flags, SIZE_T size) {
    if (!SizeFits(size)) return nullptr;
    auto *header = static_cast<BlockHeader *>((flags & HEAP_ZERO_MEMORY) ? std::calloc(1, sizeof(BlockHeader) + size)
                                                                         : std::malloc(sizeof(BlockHeader) + size));
    if (!header) return nullptr;
    header->size = size;
    return header + 1;
}

LPVOID WINAPI HeapReAlloc(HANDLE, DWORD flags, LPVOID block, SIZE_T size) {
    if (!block || !SizeFits(size)) return nullptr;
    const SIZE_T old_size = HeaderOf(block)->size;
    auto *header = static_cast<BlockHeader *>(std::realloc(HeaderOf(block), sizeof(BlockHeader) + size));
    if (!header) return nullptr; // the old block is untouched
    header->size = size;
    if ((flags & HEAP_ZERO_MEMORY) && size > old_size)
        std::memset(reinterpret_cast<char *>(header + 1) + old_size, 0, size - old_size);
    return header + 1;
}

BOOL WINAPI HeapFree(HANDLE, DWORD, LPVOID block) {
    if (block) std::free(HeaderOf(block));
    return TRUE;
}

SIZE_T WINAPI HeapSize(HANDLE, DWORD, LPCVOID block) { return block ? HeaderOf(block)->size : static_cast<SIZE_T>(-1); }

} // extern "C"
