#include "intl/char_walk.h"

#include <windows.h>

#include <cstring>
#include <limits>

#include "datetime/intl_state.h"
#include "orvexrt/intl.h"

namespace {

// A lead byte with the terminator for trail: the walker takes it for a
// character of one byte, but it is the broken end of a double-byte one.
bool IsLoneLeadByte(const char *p) { return p[1] == '\0' && IsDBCSLeadByte(static_cast<BYTE>(p[0])); }

// The search behind IntlFindChar and its variants.  byCharacter walks with
// the code page's walker (else byte by byte); outsideParens counts nesting
// levels of single-byte parentheses and lets single bytes match only at the
// outer level.
template <bool byCharacter, bool outsideParens> char *FindCode(const char *s, uint16_t code) {
    int64_t depth = 0;
    const char *p = s;
    while (*p != '\0') {
        if (byCharacter && IsLoneLeadByte(p)) break;
        const int32_t width = byCharacter ? IntlCharWidth(p, true) : 1;
        if (width == 2) {
            if (IntlCodeAt(p, 2) == code) return const_cast<char *>(p);
        } else {
            const auto b = static_cast<uint8_t>(*p);
            if (outsideParens && b == '(') ++depth;
            if (b == code && (!outsideParens || depth < 1)) return const_cast<char *>(p);
            if (outsideParens && b == ')') --depth;
        }
        p += width;
    }
    if (code == 0) return const_cast<char *>(p + std::strlen(p));
    return nullptr;
}

// Up to n characters of s by the code page's walker; stopAtLoneLead ends the
// run at a lead byte before the terminator.
IntlSpan WalkCharacters(const char *s, int32_t n, bool stopAtLoneLead) {
    IntlSpan span{s, 0};
    while (span.count < n && *span.end != '\0' && !(stopAtLoneLead && IsLoneLeadByte(span.end))) {
        span.end = CharNextA(span.end);
        ++span.count;
    }
    return span;
}

} // namespace

bool IntlInDBCSMode() { return gIntlState.DBCSEnabled != 0; }

// The blank's lead byte leads on its code page, and its trail byte is not
// zero, so at the start of a character its two bytes are the character.
bool IntlIsDBCSBlankAt(const char *p) {
    const uint16_t blank = IntlDBCSBlank();
    return blank != 0 && static_cast<uint8_t>(p[0]) == blank >> 8 && static_cast<uint8_t>(p[1]) == (blank & 0xFF);
}

const char *IntlCharStartAt(const char *s, const char *p, bool dbcs) {
    if (!dbcs) return p;
    const char *start = s;
    for (const char *next = CharNextA(start); next <= p && next != start; next = CharNextA(start)) start = next;
    return start;
}

int32_t IntlCharCount(const char *s) {
    if (s == nullptr) return 0;
    int32_t count = 0;
    for (const char *p = s; *p != '\0'; p = CharNextA(p)) ++count;
    return count;
}

int32_t IntlCharBytes(const char *s, int32_t n) {
    if (s == nullptr || n < 1) return 0;
    return static_cast<int32_t>(IntlAdvance(s, n, true).end - s);
}

int32_t IntlLengthInUnits(const char *s, bool dbcs) {
    if (s == nullptr) return 0;
    return dbcs ? IntlCharCount(s) : static_cast<int32_t>(std::strlen(s));
}

IntlSpan IntlAdvance(const char *s, int32_t n, bool dbcs) {
    if (dbcs) return WalkCharacters(s, n, false);
    if (n < 1) return {s, 0};
    const auto bytes = static_cast<int32_t>(strnlen(s, static_cast<size_t>(n)));
    return {s + bytes, bytes};
}

IntlSpan IntlCopyableSpan(const char *s, int32_t n, bool dbcs) {
    return dbcs ? WalkCharacters(s, n, true) : IntlAdvance(s, n, false);
}

char *IntlFindChar(const char *s, uint16_t code) { return s != nullptr ? FindCode<true, false>(s, code) : nullptr; }

char *IntlFindCharOutsideParens(const char *s, uint16_t code) {
    return s != nullptr ? FindCode<true, true>(s, code) : nullptr;
}

char *IntlFindByteOutsideParens(const char *s, uint16_t code) {
    return s != nullptr ? FindCode<false, true>(s, code) : nullptr;
}

char *IntlFindCharInMode(const char *s, uint16_t code, bool dbcs) {
    if (s == nullptr) return nullptr;
    if (dbcs) return IntlFindChar(s, code);
    if (code > std::numeric_limits<uint8_t>::max()) return nullptr;
    return const_cast<char *>(std::strchr(s, code));
}

const char *IntlSkipSpace(const char *s) {
    if (s == nullptr) return nullptr;
    const bool dbcs = IntlInDBCSMode();
    while (*s != '\0' && IntlIsSpaceAt(s, dbcs)) s = IntlNextChar(s, dbcs);
    return s;
}
