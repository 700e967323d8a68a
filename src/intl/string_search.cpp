// Finding characters, and comparing texts byte for byte.
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <cstring>

char *ORVEXAPI IntlStrChr(const char *s, uint16_t c) { return IntlFindCharInMode(s, c, IntlInDBCSMode()); }

char *ORVEXAPI IntlStrSearch(const char *s, const char *set) {
    if (s == nullptr || set == nullptr || *set == '\0') return nullptr;
    const bool dbcs = IntlInDBCSMode();
    if (!dbcs) return const_cast<char *>(std::strpbrk(s, set));
    // The first occurrence of each character of the set; the earliest wins.
    const char *earliest = nullptr;
    for (const char *q = set; *q != '\0'; q = IntlNextChar(q, dbcs)) {
        const char *found = IntlFindChar(s, IntlCodeAt(q, IntlCharWidth(q, dbcs)));
        if (found != nullptr && (earliest == nullptr || found < earliest)) earliest = found;
    }
    return const_cast<char *>(earliest);
}

int32_t ORVEXAPI IntlIsStrEqual(const char *a, const char *b) {
    if (a == nullptr || b == nullptr) return a == b ? 1 : 0;
    return std::strcmp(a, b) == 0 ? 1 : 0;
}

int32_t ORVEXAPI IntlIsStrnEqual(const char *a, const char *b, uint16_t n) {
    if (a == nullptr || b == nullptr) return a == b ? 1 : 0;
    return std::strncmp(a, b, n) == 0 ? 1 : 0;
}
