// Stepping back one character.  Where a character begins can only be told
// by walking from the start of the text, so both walk forward from `start`
// to the last character that begins before `current`; they stop early at a
// terminator, and answer `start` when `current` does not lie after it.
#include <windows.h>

namespace {

LPCSTR NextOnCodePage(UINT codePage, LPCSTR p) {
    if (*p == '\0') return p;
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(p[0])) && p[1] != '\0') return p + 2;
    return p + 1;
}

LPSTR PreviousOnCodePage(UINT codePage, LPCSTR start, LPCSTR current) {
    while (*start != '\0' && start < current) {
        LPCSTR next = NextOnCodePage(codePage, start);
        if (next >= current) break;
        start = next;
    }
    return const_cast<LPSTR>(start);
}

} // namespace

extern "C" {

LPSTR WINAPI CharPrevA(LPCSTR start, LPCSTR current) { return PreviousOnCodePage(GetACP(), start, current); }

// Code page 0 is the ANSI code page; the flags change nothing here.
LPSTR WINAPI CharPrevExA(WORD codePage, LPCSTR start, LPCSTR current, DWORD /*flags*/) {
    return PreviousOnCodePage(codePage == 0 ? GetACP() : codePage, start, current);
}

} // extern "C"
