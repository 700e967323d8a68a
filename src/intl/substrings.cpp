// Substrings: copies of the start, a middle part or the end of a text, and
// a text with a part replaced.  The plain forms count characters in
// double-byte mode (bytes otherwise) and copy whole characters; the B forms
// count bytes and write a space for a double-byte character that their byte
// range cuts, so that no result ever holds half a character.
//
// A null text reads as an empty one; a null destination gets nothing.
#include "intl/char_walk.h"
#include "orvexrt/intl.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kAll = std::numeric_limits<int32_t>::max();

const char *OrEmpty(const char *s) { return s != nullptr ? s : ""; }

int32_t Empty(char *dst) {
    *dst = '\0';
    return 0;
}

// Copies [begin, end) to out, without terminating; returns the new end.
char *Append(char *out, const char *begin, const char *end) {
    const auto bytes = static_cast<size_t>(end - begin);
    std::memmove(out, begin, bytes);
    return out + bytes;
}

struct Copied {
    char *end;     // the end of what was written
    int32_t count; // characters (bytes outside double-byte mode) written
};

// Appends the first n characters of begin (bytes outside double-byte mode;
// fewer when the text ends first), without terminating.
Copied AppendCharacters(char *out, const char *begin, int32_t n, bool dbcs) {
    const IntlSpan span = IntlCopyableSpan(begin, n, dbcs);
    return {Append(out, begin, span.end), span.count};
}

int32_t CopyCharacters(char *dst, const char *begin, int32_t n, bool dbcs) {
    const Copied copied = AppendCharacters(dst, begin, n, dbcs);
    *copied.end = '\0';
    return copied.count;
}

// Appends bytes [from, from + count) of s, which the caller keeps inside the
// text.  In double-byte mode a character that the range cuts, at either end,
// is written as one space in place of its part inside the range, and so is a
// lead byte whose trail byte is missing (it would pair with whatever follows
// in the result); so exactly `count` bytes are written.
char *AppendByteRange(char *out, const char *s, int32_t from, int32_t count, bool dbcs) {
    if (count < 1) return out;
    const char *p = s + from;
    const char *end = p + count;
    if (!dbcs) return Append(out, p, end);
    if (IntlCharStartAt(s, p, true) != p) { // p holds a trail byte
        *out++ = ' ';
        ++p;
    }
    while (p < end) {
        const int32_t width = IntlCharWidth(p, true);
        // A lead byte of width 1 is one whose trail byte is missing.
        const bool whole = p + width <= end && !(width == 1 && IsDBCSLeadByte(static_cast<BYTE>(*p)));
        if (!whole) {
            *out++ = ' ';
            p += 1;
            continue;
        }
        out = Append(out, p, p + width);
        p += width;
    }
    return out;
}

int32_t CopyByteRange(char *dst, const char *s, int32_t from, int32_t count, bool dbcs) {
    char *end = AppendByteRange(dst, s, from, count, dbcs);
    *end = '\0';
    return static_cast<int32_t>(end - dst);
}

int32_t ByteLength(const char *s) { return static_cast<int32_t>(std::strlen(s)); }

// min(a, b) for a length that may be negative, without overflow.
int32_t ClampedLength(int64_t available, int32_t wanted) {
    return static_cast<int32_t>(std::min<int64_t>(available, wanted));
}

} // namespace

char *ORVEXAPI IntlStrnCpy(char *dst, const char *src, uint16_t n) {
    if (dst == nullptr) return dst;
    const Copied copied = AppendCharacters(dst, OrEmpty(src), n, IntlInDBCSMode());
    // As strncpy does: one zero byte for each character that src lacks, the
    // first of them its terminator.
    std::memset(copied.end, 0, static_cast<size_t>(n - copied.count));
    return dst;
}

int32_t ORVEXAPI IntlStrLeft(char *dst, const char *src, int32_t n) {
    if (dst == nullptr) return 0;
    return CopyCharacters(dst, OrEmpty(src), n, IntlInDBCSMode());
}

int32_t ORVEXAPI IntlStrMid(char *dst, const char *src, int32_t start, int32_t len) {
    if (dst == nullptr) return 0;
    const bool dbcs = IntlInDBCSMode();
    const int32_t from = std::max(start, 0);
    const IntlSpan head = IntlAdvance(OrEmpty(src), from, dbcs);
    if (head.count < from || len < 0) return Empty(dst);
    return CopyCharacters(dst, head.end, len, dbcs);
}

int32_t ORVEXAPI IntlStrRight(char *dst, const char *src, int32_t n) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    if (n < 1 || *src == '\0') return Empty(dst);
    const bool dbcs = IntlInDBCSMode();
    const int32_t length = IntlLengthInUnits(src, dbcs);
    const int32_t keep = std::min(n, length);
    return CopyCharacters(dst, IntlAdvance(src, length - keep, dbcs).end, keep, dbcs);
}

int32_t ORVEXAPI IntlStrReplace(char *dst, const char *src, const char *repl, int32_t start, int32_t count) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    const bool dbcs = IntlInDBCSMode();
    const int32_t from = std::max(start, 0);
    const int32_t to = ClampedLength(int64_t{from} + std::max(count, 0), kAll);
    char *out = AppendCharacters(dst, src, from, dbcs).end;
    out = AppendCharacters(out, OrEmpty(repl), kAll, dbcs).end;
    out = AppendCharacters(out, IntlAdvance(src, to, dbcs).end, kAll, dbcs).end;
    *out = '\0';
    // Counted afresh: the parts may meet in a character of their own.
    return dbcs ? IntlCharCount(dst) : static_cast<int32_t>(out - dst);
}

int32_t ORVEXAPI IntlStrLeftB(char *dst, const char *src, int32_t n) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    return CopyByteRange(dst, src, 0, std::clamp(n, 0, ByteLength(src)), IntlInDBCSMode());
}

int32_t ORVEXAPI IntlStrMidB(char *dst, const char *src, int32_t start, int32_t len) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    const int32_t from = std::max(start, 0);
    const int32_t k = ClampedLength(int64_t{ByteLength(src)} - from, len);
    if (k < 0) return Empty(dst);
    return CopyByteRange(dst, src, from, k, IntlInDBCSMode());
}

int32_t ORVEXAPI IntlStrRightB(char *dst, const char *src, int32_t n) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    const int32_t length = ByteLength(src);
    if (n < 1 || length == 0) return Empty(dst);
    const int32_t keep = std::min(n, length);
    return CopyByteRange(dst, src, length - keep, keep, IntlInDBCSMode());
}

int32_t ORVEXAPI IntlStrReplaceB(char *dst, const char *src, const char *repl, int32_t start, int32_t count) {
    if (dst == nullptr) return 0;
    src = OrEmpty(src);
    repl = OrEmpty(repl);
    const bool dbcs = IntlInDBCSMode();
    const int32_t length = ByteLength(src);
    const int32_t from = std::clamp(start, 0, length);
    const int32_t to = ClampedLength(int64_t{from} + std::max(count, 0), length);
    char *out = AppendByteRange(dst, src, 0, from, dbcs);
    out = AppendByteRange(out, repl, 0, ByteLength(repl), dbcs);
    out = AppendByteRange(out, src, to, length - to, dbcs);
    *out = '\0';
    return static_cast<int32_t>(out - dst);
}
