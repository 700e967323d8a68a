// Lengths, positions and the first and last characters of a text.
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <windows.h>

namespace {

// The code of a character as FirstChar and LastChar report it: a double-byte
// character as lead * 256 + trail, a single byte sign-extended.
int16_t SignedCodeAt(const char *p, int32_t width) {
    if (width == 2) return static_cast<int16_t>(IntlCodeAt(p, 2));
    return static_cast<int8_t>(*p);
}

} // namespace

int32_t ORVEXAPI IntlStrLen(const char *s) { return IntlLengthInUnits(s, IntlInDBCSMode()); }

int32_t ORVEXAPI IntlStrLenB(const char *s) { return lstrlenA(s); }

char *ORVEXAPI IntlStrNthChar(const char *s, int32_t n) {
    if (s == nullptr || n < 0) return nullptr;
    const IntlSpan head = IntlAdvance(s, n, IntlInDBCSMode());
    // Character n exists, or n is the length and names the terminator.
    return head.count == n ? const_cast<char *>(head.end) : nullptr;
}

int16_t ORVEXAPI IntlStrFirstChar(const char *s) {
    if (s == nullptr || *s == '\0') return 0;
    return SignedCodeAt(s, IntlCharWidth(s, IntlInDBCSMode()));
}

int16_t ORVEXAPI IntlStrLastChar(const char *s) {
    if (s == nullptr || *s == '\0') return 0;
    const bool dbcs = IntlInDBCSMode();
    const char *last = s;
    for (const char *next = IntlNextChar(s, dbcs); *next != '\0'; next = IntlNextChar(next, dbcs)) last = next;
    return SignedCodeAt(last, IntlCharWidth(last, dbcs));
}
