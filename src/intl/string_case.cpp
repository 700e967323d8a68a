// Upper, lower and proper case of texts, and the case of single characters
// for the case-insensitive searches.
#include "intl/string_case.h"

#include "datetime/intl_state.h"
#include "intl/char_walk.h"
#include "intl/japan_width.h"
#include "orvexrt/intl.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace {

using CaseMapping = DWORD(WINAPI *)(LPSTR, DWORD);

bool IsLeadByte(uint8_t b) { return IsDBCSLeadByte(b) != FALSE; }

struct ByteCases {
    std::array<uint8_t, 256> upper;
    std::array<uint8_t, 256> lower;
};

// The case of every single byte, asked of the system once: the code page is
// fixed for the life of the process, and the searches look up the case of
// every character they compare.  Lead bytes are no characters on their own.
const ByteCases &ByteCaseTable() {
    static const ByteCases table = [] {
        ByteCases cases{};
        for (int b = 0; b < 256; ++b) {
            char upper = static_cast<char>(b);
            char lower = upper;
            if (b != 0 && !IsLeadByte(static_cast<uint8_t>(b))) {
                CharUpperBuffA(&upper, 1);
                CharLowerBuffA(&lower, 1);
            }
            cases.upper[b] = static_cast<uint8_t>(upper);
            cases.lower[b] = static_cast<uint8_t>(lower);
        }
        return cases;
    }();
    return table;
}

uint16_t MapDoubleByte(uint16_t code, CaseMapping map) {
    char pair[3] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), '\0'};
    if (map(pair, 2) != 2 || !IsLeadByte(static_cast<uint8_t>(pair[0])) || pair[1] == '\0') return code;
    return IntlCodeAt(pair, 2);
}

bool InJapaneseMode() { return gIntlState.DBCSEnabled != 0 && gIntlState.DBCSLanguage == INTL_DBCS_JAPANESE; }

// Upper-cases the character at p, the first of a word.  A full-width
// character is capitalised through its half-width form, so a full-width
// small letter becomes the full-width capital; this follows the Japanese
// width tables, which describe no other code page.
void CapitalizeAt(char *p, bool dbcs) {
    const int32_t width = IntlCharWidth(p, dbcs);
    if (width == 1) {
        *p = static_cast<char>(IntlUpperCode(static_cast<uint8_t>(*p)));
        return;
    }
    if (!InJapaneseMode()) return;
    const uint8_t half = IntlJapanHalfByte(IntlCodeAt(p, 2));
    if (half == 0) return;
    const uint16_t full = IntlJapanFullCode(static_cast<uint16_t>(IntlUpperCode(half) << 8));
    if (!IsLeadByte(static_cast<uint8_t>(full >> 8)) || (full & 0xFF) == 0) return;
    p[0] = static_cast<char>(full >> 8);
    p[1] = static_cast<char>(full & 0xFF);
}

} // namespace

uint16_t IntlUpperCode(uint16_t code) {
    return code > 0xFF ? MapDoubleByte(code, CharUpperBuffA) : ByteCaseTable().upper[code];
}

uint16_t IntlLowerCode(uint16_t code) {
    return code > 0xFF ? MapDoubleByte(code, CharLowerBuffA) : ByteCaseTable().lower[code];
}

bool IntlSameIgnoringCase(uint16_t a, uint16_t b) {
    if (a == b) return true;
    // Case never turns a single byte into a double-byte character.
    if ((a > 0xFF) != (b > 0xFF)) return false;
    return IntlUpperCode(a) == IntlUpperCode(b);
}

char *ORVEXAPI IntlStrUpper(char *s) {
    if (s != nullptr) CharUpperA(s);
    return s;
}

char *ORVEXAPI IntlStrLower(char *s) {
    if (s != nullptr) CharLowerA(s);
    return s;
}

int32_t ORVEXAPI IntlStrProper(char *dst, const char *src) {
    if (dst == nullptr) return 0;
    if (src == nullptr) src = "";
    std::memmove(dst, src, std::strlen(src) + 1);
    CharLowerA(dst);
    const bool dbcs = IntlInDBCSMode();
    for (char *p = dst; *p != '\0';) {
        while (*p != '\0' && IntlIsSpaceAt(p, dbcs)) p = const_cast<char *>(IntlNextChar(p, dbcs));
        if (*p == '\0') break;
        CapitalizeAt(p, dbcs);
        while (*p != '\0' && !IntlIsSpaceAt(p, dbcs)) p = const_cast<char *>(IntlNextChar(p, dbcs));
    }
    return IntlLengthInUnits(dst, dbcs);
}
