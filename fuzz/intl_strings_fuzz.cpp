// Random texts and arguments into the string, token and number functions.
// Every text is copied into a heap buffer of exactly its length plus the
// terminator, and every destination is exactly as large as the function's
// contract asks, so the address sanitizer catches any access outside them.
// The checks: results within bounds, lengths that agree, and B functions
// that never leave half a double-byte character (the output is compared
// with the source character by character, as CharNextA walks them).
// Runs on an English and on a Japanese system.
#include "orvexrt/intl.h"

#include <windows.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

using Buffer = std::vector<char>;

Buffer Exact(const std::string &text) { return Buffer(text.c_str(), text.c_str() + text.size() + 1); }

std::string TextOf(FuzzedDataProvider &in, size_t maxLength) {
    std::string text = in.ConsumeRandomLengthString(maxLength);
    return text.substr(0, text.find('\0'));
}

int32_t Length(const char *s) { return static_cast<int32_t>(std::strlen(s)); }

bool Dbcs() { return IntlDBCSEnabled() != 0; }

// The characters of a text as the mode walks them: start offsets, and the
// end offset last.
std::vector<int32_t> CharacterStarts(const char *s) {
    std::vector<int32_t> starts;
    const bool dbcs = Dbcs();
    int32_t offset = 0;
    while (s[offset] != '\0') {
        starts.push_back(offset);
        offset += dbcs ? static_cast<int32_t>(CharNextA(s + offset) - (s + offset)) : 1;
    }
    starts.push_back(offset);
    return starts;
}

bool IsLoneLead(const char *s, int32_t offset) {
    return Dbcs() && s[offset + 1] == '\0' && IsDBCSLeadByte(static_cast<BYTE>(s[offset]));
}

// out[0, count) against bytes [from, from + count) of src: each whole
// character is copied unchanged; a character cut by either end of the range,
// or a lead byte without its trail, is one space per byte inside the range.
void CheckByteRange(const char *out, const char *src, int32_t from, int32_t count) {
    const std::vector<int32_t> starts = CharacterStarts(src);
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        const int32_t begin = starts[i], end = starts[i + 1];
        const int32_t low = std::max(begin, from), high = std::min(end, from + count);
        if (low >= high) continue;
        const bool whole = low == begin && high == end && !IsLoneLead(src, begin);
        for (int32_t b = low; b < high; ++b) {
            const char expected = whole ? src[b] : ' ';
            Require(out[b - from] == expected, "B function copies whole characters and repairs cut ones");
        }
    }
}

// A result of the plain substring functions: a run of whole characters.
void CheckCharacterRun(const char *out, int32_t count, const char *src, int32_t fromChar) {
    const std::vector<int32_t> starts = CharacterStarts(src);
    const auto characters = static_cast<int32_t>(starts.size()) - 1;
    Require(fromChar >= 0 && fromChar + count <= characters, "the run lies in the source");
    const int32_t begin = starts[fromChar], end = starts[fromChar + count];
    Require(Length(out) == end - begin && std::memcmp(out, src + begin, end - begin) == 0, "the run is copied");
    Require(IntlStrLen(out) == count, "the count is the length of the result");
}

void CheckLengths(const char *s) {
    Require(IntlStrLenB(s) == Length(s), "IntlStrLenB counts bytes");
    Require(IntlStrLen(s) <= IntlStrLenB(s), "IntlStrLen <= IntlStrLenB");
    Require(Dbcs() || IntlStrLen(s) == IntlStrLenB(s), "single-byte mode counts bytes");
}

void CheckSubstrings(const char *src, const char *repl, int32_t a, int32_t b) {
    const int32_t bytes = Length(src);
    const auto characters = static_cast<int32_t>(CharacterStarts(src).size()) - 1;
    const bool loneLead = bytes > 0 && IsLoneLead(src, CharacterStarts(src)[characters - 1]);
    const int32_t copyable = characters - (loneLead ? 1 : 0);
    Buffer dst(static_cast<size_t>(bytes) + Length(repl) + 1);

    int32_t n = IntlStrLeft(dst.data(), src, a);
    CheckCharacterRun(dst.data(), n, src, 0);
    Require(n == std::clamp(a, 0, copyable), "Left takes min(n, length)");

    n = IntlStrMid(dst.data(), src, a, b);
    if (n > 0) CheckCharacterRun(dst.data(), n, src, std::max(a, 0));
    Require(n >= 0 && n <= std::max(b, 0), "Mid takes at most len");

    n = IntlStrRight(dst.data(), src, a);
    Require(n >= 0 && n <= std::max(a, 0), "Right takes at most n");
    if (n > 0) CheckCharacterRun(dst.data(), n, src, copyable - n);

    n = IntlStrReplace(dst.data(), src, repl, a, b);
    Require(n == IntlStrLen(dst.data()), "Replace returns the length of its result");

    n = IntlStrLeftB(dst.data(), src, a);
    Require(n == std::clamp(a, 0, bytes) && n == Length(dst.data()), "LeftB keeps the byte count");
    CheckByteRange(dst.data(), src, 0, n);

    n = IntlStrMidB(dst.data(), src, a, b);
    const int64_t midBytes = std::min<int64_t>(int64_t{bytes} - std::max(a, 0), b);
    Require(n == (midBytes < 0 ? 0 : midBytes) && n == Length(dst.data()), "MidB keeps the byte count");
    if (n > 0) CheckByteRange(dst.data(), src, std::max(a, 0), n);

    n = IntlStrRightB(dst.data(), src, a);
    Require(n == (a < 1 ? 0 : std::min(a, bytes)) && n == Length(dst.data()), "RightB keeps the byte count");
    CheckByteRange(dst.data(), src, bytes - n, n);

    n = IntlStrReplaceB(dst.data(), src, repl, a, b);
    const int32_t from = std::clamp(a, 0, bytes);
    const auto to = static_cast<int32_t>(std::min<int64_t>(int64_t{from} + std::max(b, 0), bytes));
    Require(n == from + Length(repl) + (bytes - to) && n == Length(dst.data()), "ReplaceB keeps the byte count");
    CheckByteRange(dst.data(), src, 0, from);
    CheckByteRange(dst.data() + from, repl, 0, Length(repl));
    CheckByteRange(dst.data() + from + Length(repl), src, to, bytes - to);
}

// IntlStrnCpy writes the first n characters, then one zero byte for each
// character the source lacks: the destination is exactly that large.
void CheckCopyN(const char *src, uint16_t n) {
    const std::vector<int32_t> starts = CharacterStarts(src);
    auto characters = static_cast<int32_t>(starts.size()) - 1;
    if (characters > 0 && IsLoneLead(src, starts[characters - 1])) --characters;
    const int32_t copied = std::min<int32_t>(n, characters);
    const size_t size = static_cast<size_t>(starts[copied]) + (n - copied);
    Buffer dst(std::max<size_t>(size, 1), '#');
    Require(IntlStrnCpy(dst.data(), src, n) == dst.data(), "IntlStrnCpy returns dst");
    Require(std::memcmp(dst.data(), src, starts[copied]) == 0, "IntlStrnCpy copies the characters");
    for (size_t i = starts[copied]; i < size; ++i) Require(dst[i] == '\0', "IntlStrnCpy pads with zeros");
}

// Double-byte characters keep their place, and a trail byte is never mapped
// on its own.
void CheckSameCharacters(const char *before, const char *after) {
    Require(Length(before) == Length(after), "case mapping keeps the length");
    const std::vector<int32_t> starts = CharacterStarts(before);
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        const int32_t width = starts[i + 1] - starts[i];
        Require(IntlBytesInNextChar(after + starts[i]) == (Dbcs() ? width : IntlBytesInNextChar(after + starts[i])),
                "case mapping keeps the characters");
    }
}

// Trim leaves single spaces between words and none at the ends.  Spaces are
// characters here: the walker may pair a lead byte with a trail byte 0x20.
void CheckTrimmed(const char *trimmed) {
    const std::vector<int32_t> starts = CharacterStarts(trimmed);
    auto isSpace = [&](size_t i) { return starts[i + 1] - starts[i] == 1 && trimmed[starts[i]] == ' '; };
    const size_t characters = starts.size() - 1;
    for (size_t i = 0; i < characters; ++i) {
        Require(!(isSpace(i) && (i == 0 || i + 1 == characters || isSpace(i + 1))), "Trim leaves single spaces");
    }
}

void CheckCaseAndBlanks(const std::string &text) {
    Buffer upper = Exact(text);
    IntlStrUpper(upper.data());
    CheckSameCharacters(text.c_str(), upper.data());
    Buffer lower = Exact(text);
    IntlStrLower(lower.data());
    CheckSameCharacters(text.c_str(), lower.data());

    const Buffer src = Exact(text);
    Buffer dst(text.size() + 1);
    Require(IntlStrProper(dst.data(), src.data()) == IntlStrLen(dst.data()), "Proper returns the length");
    Require(Length(dst.data()) == Length(src.data()), "Proper keeps the length");
    Require(IntlStrTrim(dst.data(), src.data()) == IntlStrLen(dst.data()), "Trim returns the length");
    CheckTrimmed(dst.data());

    Buffer trailing = Exact(text);
    const int32_t kept = IntlStrTrimTrailing(trailing.data());
    Require(kept == IntlStrLen(trailing.data()), "TrimTrailing returns the length");
    Require(text.compare(0, std::strlen(trailing.data()), trailing.data()) == 0, "TrimTrailing cuts the end");
    Require(text.empty() || kept >= 1, "TrimTrailing keeps the first character");

    const char *start = IntlStripStartSpace(src.data());
    Require(start >= src.data() && start <= src.data() + text.size(), "StripStartSpace stays in the text");
    start = IntlStripStartBlank(src.data());
    Require(start >= src.data() && start <= src.data() + text.size(), "StripStartBlank stays in the text");
    Require(IntlStripEndSpace(dst.data(), src.data()) == dst.data(), "StripEndSpace returns dst");
    Require(text.compare(0, std::strlen(dst.data()), dst.data()) == 0, "StripEndSpace cuts the end");
    Buffer both = Exact(text);
    Require(IntlStrStripSpace(both.data()) == both.data(), "StrStripSpace returns s");
    Require(IntlStrIsNextChSpace(src.data()) <= 1, "IsNextChSpace is a flag");
}

bool IsCharacterStart(const char *s, const char *p) {
    const std::vector<int32_t> starts = CharacterStarts(s);
    return std::binary_search(starts.begin(), starts.end(), static_cast<int32_t>(p - s));
}

void CheckSearches(const char *s, const char *other, uint16_t code, int32_t n) {
    const char *found = IntlStrChr(s, code);
    if (found != nullptr) {
        Require(IsCharacterStart(s, found), "Chr finds a character");
        Require(code == 0 ? *found == '\0' : IntlDBCSChar(found) == code, "Chr finds the code");
    }
    found = IntlStrSearch(s, other);
    Require(found == nullptr || (IsCharacterStart(s, found) && *found != '\0'), "Search finds a character");
    const int32_t position = IntlStrScan(s, other);
    Require(position >= -1 && position <= IntlStrLen(s), "Scan stays in the text");
    found = IntlStrNthChar(s, n);
    Require(found == nullptr || IsCharacterStart(s, found), "NthChar finds a character");
    Require((IntlIsStrEqual(s, other) != 0) == (std::strcmp(s, other) == 0), "IsStrEqual is strcmp");
    Require((IntlIsStrnEqual(s, other, code) != 0) == (std::strncmp(s, other, code) == 0), "IsStrnEqual is strncmp");
    IntlStrFirstChar(s);
    IntlStrLastChar(s);
}

void CheckTokens(FuzzedDataProvider &in, const char *src, const char *other) {
    const std::string skip = TextOf(in, 4), delims = TextOf(in, 4);
    const uint16_t prefix = in.ConsumeBool() ? in.ConsumeIntegral<uint8_t>() : 0;
    const auto quote = in.ConsumeIntegral<uint8_t>();
    const int32_t bytes = Length(src);
    const bool checked = in.ConsumeBool();
    const int32_t dstSize = checked ? in.ConsumeIntegralInRange<int32_t>(1, bytes + 1) : 0;
    const Buffer skipText = Exact(skip), delimText = Exact(delims);
    for (int cutter = 0; cutter < 3; ++cutter) {
        Buffer dst(checked ? dstSize : bytes + 1, '\0');
        int32_t n = 0;
        if (cutter == 0) n = IntlStrGetToken(dst.data(), src, skipText.data(), delimText.data(), prefix, dstSize);
        if (cutter == 1)
            n = IntlStrGetTokenNestedParens(dst.data(), src, skipText.data(), delimText.data(), prefix, dstSize);
        if (cutter == 2)
            n = IntlStrGetTokenQuoted(dst.data(), src, skipText.data(), delimText.data(), prefix, quote, dstSize);
        Require(n >= 0 && n <= bytes, "a cutter returns a place in src");
        const auto token = strnlen(dst.data(), dst.size());
        Require(token < dst.size(), "the token is terminated inside dst");
        if (n > 0) Require(std::memcmp(dst.data(), src + n - token, token) == 0, "the token ends at the delimiter");
    }
    char *token = nullptr;
    const int32_t n = IntlStrGetTokenPtr(&token, src, skipText.data(), delimText.data());
    Require(n >= 0 && n <= bytes && (token == src || n == 0), "GetTokenPtr stays in src");
    const char *found = IntlStrFindToken(src, other, in.ConsumeBool(), in.ConsumeBool());
    Require(found == nullptr || (found >= src && found <= src + bytes), "FindToken stays in str");
}

void CheckNumbers(const char *src) {
    int32_t whole = 0;
    const int32_t wholeRead = IntlFetchNextNumLong(&whole, src);
    Require(wholeRead >= 0 && wholeRead <= Length(src), "FetchNextNumLong reads inside src");
    if (wholeRead > 0) Require(std::strtoll(IntlStripStartSpace(src), nullptr, 10) == whole, "the long is strtoll's");
    double value = 0;
    const int32_t valueRead = IntlFetchNextNumDouble(&value, src);
    Require(valueRead >= -1 && valueRead <= std::min(Length(src), 99), "FetchNextNumDouble reads at most 99 bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider in(data, size);
    const auto a = in.ConsumeIntegralInRange<int32_t>(-4, 80);
    const auto b = in.ConsumeBool() ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange<int32_t>(-4, 80);
    const auto code = in.ConsumeIntegral<uint16_t>();
    const std::string other = TextOf(in, 16);
    const std::string text = TextOf(in, 256);
    const Buffer src = Exact(text), second = Exact(other);

    CheckLengths(src.data());
    CheckSubstrings(src.data(), second.data(), a, b);
    CheckCopyN(src.data(), static_cast<uint16_t>(code % 96));
    CheckCaseAndBlanks(text);
    CheckSearches(src.data(), second.data(), code, a);
    CheckTokens(in, src.data(), second.data());
    CheckNumbers(src.data());
    return 0;
}
