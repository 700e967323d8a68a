// Blanks at the ends of texts and between words.  Each function has its own
// blank set; all of them take the double-byte blank of the language for a
// blank in double-byte mode:
//   white space   0x09..0x0D and the space (StripStart/EndSpace, StrStripSpace,
//                 IsNextChSpace, and TrimTrailing in double-byte mode);
//   trim blanks   TAB, VT, FF and the space: CR and LF are text (Trim, and
//                 TrimTrailing in single-byte mode);
//   spaces        the space alone (StripStartBlank).
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <cstring>

namespace {

enum class BlankSet { kWhiteSpace, kTrimBlanks, kSpaces };

bool InSet(char c, BlankSet set) {
    switch (set) {
    case BlankSet::kWhiteSpace:
        return IntlIsWhiteSpace(c);
    case BlankSet::kTrimBlanks:
        return c == ' ' || c == '\t' || c == '\v' || c == '\f';
    case BlankSet::kSpaces:
        return c == ' ';
    }
    return false;
}

bool IsBlankAt(const char *p, BlankSet set, bool dbcs) { return InSet(*p, set) || (dbcs && IntlIsDBCSBlankAt(p)); }

char *Next(const char *p, bool dbcs) { return const_cast<char *>(IntlNextChar(p, dbcs)); }

char *SkipBlanks(const char *p, BlankSet set, bool dbcs) {
    while (*p != '\0' && IsBlankAt(p, set, dbcs)) p = Next(p, dbcs);
    return const_cast<char *>(p);
}

struct Cut {
    char *end;     // where the terminator goes
    int32_t count; // characters (bytes outside double-byte mode) before it
};

// Where s ends once its trailing blanks are cut, keeping at least its first
// `keep` characters (0 or 1).
Cut TrailingBlanksCut(char *s, BlankSet set, bool dbcs, int32_t keep) {
    Cut cut{s, 0};
    int32_t count = 0;
    for (char *p = s; *p != '\0';) {
        char *next = Next(p, dbcs);
        ++count;
        if (count <= keep || !IsBlankAt(p, set, dbcs)) cut = {next, count};
        p = next;
    }
    return cut;
}

} // namespace

int32_t ORVEXAPI IntlStrTrim(char *dst, const char *src) {
    if (dst == nullptr) return 0;
    if (src == nullptr) src = "";
    const bool dbcs = IntlInDBCSMode();
    // The result never runs ahead of the source, so dst may equal src.
    char *out = dst;
    int32_t count = 0;
    bool blanksBefore = false;
    for (const char *p = SkipBlanks(src, BlankSet::kTrimBlanks, dbcs); *p != '\0';) {
        if (IsBlankAt(p, BlankSet::kTrimBlanks, dbcs)) {
            blanksBefore = true;
            p = Next(p, dbcs);
            continue;
        }
        if (blanksBefore) {
            *out++ = ' ';
            ++count;
            blanksBefore = false;
        }
        const int32_t width = IntlCharWidth(p, dbcs);
        std::memmove(out, p, static_cast<size_t>(width));
        out += width;
        p += width;
        ++count;
    }
    *out = '\0';
    return count;
}

int32_t ORVEXAPI IntlStrTrimTrailing(char *s) {
    if (s == nullptr) return 0;
    const bool dbcs = IntlInDBCSMode();
    const Cut cut = TrailingBlanksCut(s, dbcs ? BlankSet::kWhiteSpace : BlankSet::kTrimBlanks, dbcs, 1);
    *cut.end = '\0';
    return cut.count;
}

char *ORVEXAPI IntlStripStartSpace(const char *s) { return const_cast<char *>(IntlSkipSpace(s)); }

char *ORVEXAPI IntlStripStartBlank(const char *s) {
    if (s == nullptr) return nullptr;
    return SkipBlanks(s, BlankSet::kSpaces, IntlInDBCSMode());
}

char *ORVEXAPI IntlStripEndSpace(char *dst, const char *src) {
    if (dst == nullptr || src == nullptr) return nullptr;
    std::memmove(dst, src, std::strlen(src) + 1);
    *TrailingBlanksCut(dst, BlankSet::kWhiteSpace, IntlInDBCSMode(), 0).end = '\0';
    return dst;
}

char *ORVEXAPI IntlStrStripSpace(char *s) {
    if (s == nullptr) return nullptr;
    const char *text = IntlSkipSpace(s);
    std::memmove(s, text, std::strlen(text) + 1);
    return IntlStripEndSpace(s, s);
}

int32_t ORVEXAPI IntlStrIsNextChSpace(const char *p) {
    if (p == nullptr) return 0;
    return IntlIsSpaceAt(p, IntlInDBCSMode()) ? 1 : 0;
}
