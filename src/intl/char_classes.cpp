// Per-character tests.  Whether a position holds a double-byte character is
// always the system walker's verdict (CharNextA), never a table of our own,
// so the answers follow the ANSI code page the process really runs with.
#include "datetime/intl_state.h"
#include "orvexrt/intl.h"

#include <windows.h>

namespace {

// Bytes taken by the character at p: 2 for a double-byte character, 1 for a
// single byte (including a lead byte right before the terminator), 0 at the
// terminator itself.
int32_t CharWidthAt(const char *p) { return static_cast<int32_t>(CharNextA(p) - p); }

bool IsDoubleByteAt(const char *p) { return CharWidthAt(p) > 1; }

uint8_t ByteAt(const char *p) { return static_cast<uint8_t>(*p); }

bool InRange(uint8_t b, uint8_t low, uint8_t high) { return b >= low && b <= high; }

// The positional tests answer 0 outside DBCS mode and for a null text or a
// negative position.
bool IsPositionalQuery(const char *s, int32_t n) { return gIntlState.DBCSEnabled != 0 && s != nullptr && n >= 0; }

} // namespace

int32_t ORVEXAPI IntlIsDBChar(const char *p) { return p != nullptr && IsDoubleByteAt(p) ? 1 : 0; }

int32_t ORVEXAPI IntlBytesInNextChar(const char *p) { return p != nullptr ? CharWidthAt(p) : 0; }

char *ORVEXAPI IntlNextDBCInStr(const char *s) {
    if (s == nullptr) return nullptr;
    // Every character before the first double-byte one is a single byte, so
    // stepping byte by byte is stepping character by character here.
    for (const char *p = s; *p != '\0'; ++p) {
        if (IsDoubleByteAt(p)) return const_cast<char *>(p);
    }
    return nullptr;
}

uint16_t ORVEXAPI IntlDBCSChar(const char *p) {
    if (p == nullptr) return 0;
    if (IsDoubleByteAt(p)) return static_cast<uint16_t>(ByteAt(p) << 8 | ByteAt(p + 1));
    return ByteAt(p);
}

int32_t ORVEXAPI IntlIsNthCharDB(const char *s, int32_t n) {
    if (!IsPositionalQuery(s, n)) return 0;
    const char *p = s;
    for (int32_t i = 0; i < n; ++i) {
        if (*p == '\0') return 0;
        p = CharNextA(p);
    }
    return IsDoubleByteAt(p) ? 1 : 0;
}

int32_t ORVEXAPI IntlIsNthByteDB(const char *s, int32_t n) {
    if (!IsPositionalQuery(s, n)) return 0;
    // Walk whole characters (offsets, not pointers, so nothing is formed past
    // the terminator) until the one that covers byte n.
    int32_t offset = 0;
    for (;;) {
        const int32_t width = CharWidthAt(s + offset);
        if (width == 0) return 0; // n lies at or beyond the end
        if (n < offset + width) {
            if (width == 1) return 0;
            return n == offset ? 1 : 2;
        }
        offset += width;
    }
}

int32_t ORVEXAPI IntlIsKanji(uint8_t b) {
    if (gIntlState.DBCSEnabled == 0) return 0;
    if (gIntlState.DBCSLanguage == INTL_DBCS_JAPANESE) {
        // The fixed lead-byte ranges of the Japanese code page.
        return InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC) ? 1 : 0;
    }
    return IsDBCSLeadByte(b) ? 1 : 0;
}

int32_t ORVEXAPI IntlIsKatakana(uint8_t b) {
    return gIntlState.DBCSLanguage == INTL_DBCS_JAPANESE && InRange(b, 0xA0, 0xDF) ? 1 : 0;
}

int32_t ORVEXAPI IntlCharIsHexDigit(uint16_t c) {
    const bool digit = c >= '0' && c <= '9';
    const bool upper = c >= 'A' && c <= 'F';
    const bool lower = c >= 'a' && c <= 'f';
    return digit || upper || lower ? 1 : 0;
}
