// Cutting tokens off a text, pointing at the next token, and finding a
// keyword among the words of a text.  Delimiters, quotes and separators are
// searched for by character in double-byte mode, so that a trail byte that
// looks like one of them is never taken for it.
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <windows.h>

#include <cstring>

namespace {

using CodeSearch = const char *(*)(const char *s, uint16_t code, bool dbcs);

const char *FindPlain(const char *s, uint16_t code, bool dbcs) { return IntlFindCharInMode(s, code, dbcs); }

const char *FindOutsideParens(const char *s, uint16_t code, bool dbcs) {
    return dbcs ? IntlFindCharOutsideParens(s, code) : IntlFindByteOutsideParens(s, code);
}

// The earliest place from `from` on that holds a character of `set`; null
// when there is none.
const char *EarliestOf(const char *from, const char *set, bool dbcs, CodeSearch find = FindPlain) {
    const char *earliest = nullptr;
    for (const char *d = set; *d != '\0'; d = IntlNextChar(d, dbcs)) {
        const char *found = find(from, IntlCodeAt(d, IntlCharWidth(d, dbcs)), dbcs);
        if (found != nullptr && (earliest == nullptr || found < earliest)) earliest = found;
    }
    return earliest;
}

// The earliest delimiter that is not inside a quoted section.  A section
// runs from a quote to the next one; a quote without a partner opens none.
// The quotes stay part of the token.
const char *DelimiterOutsideQuotes(const char *token, const char *delims, char quote, bool dbcs) {
    const char *from = token;
    for (;;) {
        const char *delimiter = EarliestOf(from, delims, dbcs);
        if (delimiter == nullptr || quote == '\0') return delimiter;
        const char *open = IntlFindCharInMode(from, static_cast<uint8_t>(quote), dbcs);
        const char *close = open != nullptr ? IntlFindCharInMode(open + 1, static_cast<uint8_t>(quote), dbcs) : nullptr;
        if (close == nullptr || delimiter < open) return delimiter;
        from = close + 1;
    }
}

enum class DelimiterRule { kPlain, kOutsideParens, kOutsideQuotes };

struct TokenRequest {
    DelimiterRule rule;
    char quote; // kOutsideQuotes only
};

int32_t CutToken(char *dst, const char *src, const char *skip, const char *delims, uint16_t prefix, int32_t dstSize,
                 TokenRequest request) {
    if (dst == nullptr || src == nullptr || skip == nullptr || delims == nullptr) return 0;
    const bool dbcs = IntlInDBCSMode();
    const char *token = src + std::strspn(src, skip);
    if (prefix != 0) {
        const auto wanted = static_cast<char>(prefix & 0xFF);
        if (wanted == '\0' || *token != wanted) return 0;
        ++token;
    }
    const char *delimiter = nullptr;
    switch (request.rule) {
    case DelimiterRule::kPlain:
        delimiter = EarliestOf(token, delims, dbcs);
        break;
    case DelimiterRule::kOutsideParens:
        delimiter = EarliestOf(token, delims, dbcs, FindOutsideParens);
        break;
    case DelimiterRule::kOutsideQuotes:
        delimiter = DelimiterOutsideQuotes(token, delims, request.quote, dbcs);
        break;
    }
    const char *end = delimiter != nullptr ? delimiter : token + std::strlen(token);
    const auto length = static_cast<size_t>(end - token);
    if (dstSize >= 1 && length >= static_cast<size_t>(dstSize)) return 0; // no room for the terminator
    std::memmove(dst, token, length);
    dst[length] = '\0';
    return static_cast<int32_t>(end - src);
}

// ASCII case folding, whatever the C library's locale.
char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

enum class PrefixMatch { kMatch, kMismatch, kTextEnded };

// Whether `token` begins the text at w, ignoring the case of ASCII letters;
// a double-byte character must match exactly.  On a match *after is the end
// of the matched text.
PrefixMatch MatchPrefix(const char *w, const char *token, bool dbcs, const char **after) {
    const char *p = w;
    for (const char *t = token; *t != '\0';) {
        if (*p == '\0') return PrefixMatch::kTextEnded;
        const int32_t width = IntlCharWidth(t, dbcs);
        if (IntlCharWidth(p, dbcs) != width) return PrefixMatch::kMismatch;
        const bool same = width == 1 ? FoldAscii(*p) == FoldAscii(*t) : std::memcmp(p, t, 2) == 0;
        if (!same) return PrefixMatch::kMismatch;
        p += width;
        t += width;
    }
    *after = p;
    return PrefixMatch::kMatch;
}

constexpr char kQuotes[] = "'\"";
constexpr char kWordSeparators[] = " \t\n";

} // namespace

int32_t ORVEXAPI IntlStrGetToken(char *dst, const char *src, const char *skip, const char *delims, uint16_t prefix,
                                 int32_t dstSize) {
    return CutToken(dst, src, skip, delims, prefix, dstSize, {DelimiterRule::kPlain, '\0'});
}

int32_t ORVEXAPI IntlStrGetTokenNestedParens(char *dst, const char *src, const char *skip, const char *delims,
                                             uint16_t prefix, int32_t dstSize) {
    return CutToken(dst, src, skip, delims, prefix, dstSize, {DelimiterRule::kOutsideParens, '\0'});
}

int32_t ORVEXAPI IntlStrGetTokenQuoted(char *dst, const char *src, const char *skip, const char *delims,
                                       uint16_t prefix, uint8_t quote, int32_t dstSize) {
    return CutToken(dst, src, skip, delims, prefix, dstSize, {DelimiterRule::kOutsideQuotes, static_cast<char>(quote)});
}

int32_t ORVEXAPI IntlStrGetTokenPtr(char **token, const char *src, const char *skip, const char *delims) {
    if (token == nullptr || src == nullptr || skip == nullptr || delims == nullptr) return 0;
    // The skipped bytes only move the start of the delimiter search; the
    // token itself begins at src.
    const char *delimiter = EarliestOf(src + std::strspn(src, skip), delims, IntlInDBCSMode());
    *token = const_cast<char *>(src);
    return delimiter != nullptr ? static_cast<int32_t>(delimiter - src) : lstrlenA(src);
}

char *ORVEXAPI IntlStrFindToken(const char *str, const char *token, int32_t useScan, int32_t needParen) {
    if (str == nullptr || token == nullptr) return nullptr;
    if (useScan != 0) {
        const int32_t position = IntlStrScan(str, token);
        return position < 0 ? nullptr : IntlStrNthChar(str, position);
    }
    const bool dbcs = IntlInDBCSMode();
    const char *quote = EarliestOf(str, kQuotes, dbcs);
    const char *w = str;
    for (;;) {
        w = IntlSkipSpace(w);
        if (*w == '\0') return nullptr;
        if (quote != nullptr && quote <= w) {
            const char *closing = IntlFindCharInMode(quote + 1, static_cast<uint8_t>(*quote), dbcs);
            if (closing != nullptr && w < closing) { // w is inside a quoted section
                w = closing + 1;
                quote = EarliestOf(w, kQuotes, dbcs);
                continue;
            }
            quote = EarliestOf(w, kQuotes, dbcs);
        }
        const char *after = nullptr;
        const PrefixMatch match = MatchPrefix(w, token, dbcs, &after);
        if (match == PrefixMatch::kTextEnded) return nullptr;
        if (match == PrefixMatch::kMatch && (needParen == 0 || *IntlSkipSpace(after) == '('))
            return const_cast<char *>(w);
        w = EarliestOf(w, kWordSeparators, dbcs);
        if (w == nullptr) return nullptr;
    }
}
