// Lead bytes of the double-byte ANSI code pages and the character walker.
#include <windows.h>

#include <array>
#include <initializer_list>

namespace {

struct LeadRange {
    BYTE first;
    BYTE last;
};

bool InRanges(BYTE b, std::initializer_list<LeadRange> ranges) {
    for (const LeadRange &r : ranges)
        if (b >= r.first && b <= r.last) return true;
    return false;
}

} // namespace

extern "C" {

BOOL WINAPI IsDBCSLeadByteEx(UINT codePage, BYTE testChar) {
    switch (codePage) {
    case 932: // Japanese Shift-JIS
        return InRanges(testChar, {{0x81, 0x9F}, {0xE0, 0xFC}});
    case 936: // Simplified Chinese GBK
    case 949: // Korean Unified Hangul
    case 950: // Traditional Chinese Big5
        return InRanges(testChar, {{0x81, 0xFE}});
    default:
        return FALSE;
    }
}

// The ANSI code page is fixed for the life of the process, so its lead bytes
// are looked up once: the character walker runs on every byte of every text.
BOOL WINAPI IsDBCSLeadByte(BYTE testChar) {
    static const auto leads = [] {
        std::array<bool, 256> table{};
        const UINT codePage = GetACP();
        for (int b = 0; b < 256; ++b) table[b] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != FALSE;
        return table;
    }();
    return leads[testChar] ? TRUE : FALSE;
}

// A lead byte followed by the terminator is a character of one byte: the
// walker never steps over the end of a string.
LPSTR WINAPI CharNextA(LPCSTR p) {
    if (!*p) return const_cast<LPSTR>(p);
    if (IsDBCSLeadByte(static_cast<BYTE>(p[0])) && p[1]) return const_cast<LPSTR>(p + 2);
    return const_cast<LPSTR>(p + 1);
}

} // extern "C"
