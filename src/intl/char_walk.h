// Walking a text character by character with the system's ANSI walker, so a
// double-byte character counts once wherever the code page says it begins.
//
// The text functions run one of two paths: outside double-byte mode a
// character is a byte; in double-byte mode it is what CharNextA steps over.
// The helpers that take a `dbcs` flag serve both paths, so that a function
// reads the mode once and walks its text with one piece of code.
#pragma once

#include <windows.h>

#include <cstdint>

// Whether the library runs its double-byte paths (decided at load).
bool IntlInDBCSMode();

// White space of the text functions: the bytes 0x09..0x0D and the space.
inline bool IntlIsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The character after the one at p: the next byte outside double-byte mode,
// CharNextA inside it.  The terminator is never stepped over.
inline const char *IntlNextChar(const char *p, bool dbcs) {
    if (dbcs) return CharNextA(p);
    return *p != '\0' ? p + 1 : p;
}

// Bytes of the character at p: 0 at the terminator, else 1 or 2.
inline int32_t IntlCharWidth(const char *p, bool dbcs) { return static_cast<int32_t>(IntlNextChar(p, dbcs) - p); }

// Code of the character at p of the given width: lead * 256 + trail for a
// double-byte character, the byte value otherwise.
inline uint16_t IntlCodeAt(const char *p, int32_t width) {
    const auto lead = static_cast<uint8_t>(p[0]);
    return width == 2 ? static_cast<uint16_t>(lead << 8 | static_cast<uint8_t>(p[1])) : lead;
}

// Whether the character at p, which begins a character, is the double-byte
// blank of the language.
bool IntlIsDBCSBlankAt(const char *p);

// Whether the character at p is white space or, in double-byte mode, the
// double-byte blank.
inline bool IntlIsSpaceAt(const char *p, bool dbcs) { return IntlIsWhiteSpace(*p) || (dbcs && IntlIsDBCSBlankAt(p)); }

// Start of the character that holds byte p of s: p itself outside
// double-byte mode, else found by walking s from its start.
const char *IntlCharStartAt(const char *s, const char *p, bool dbcs);

// Number of characters before the terminating zero; 0 for a null text.  A
// lead byte directly before the terminator counts as one character.
int32_t IntlCharCount(const char *s);

// Bytes taken by the first n characters of s (all of s when it has fewer);
// 0 when n < 1.
int32_t IntlCharBytes(const char *s, int32_t n);

// Length of s in the unit of the mode: characters in double-byte mode, bytes
// otherwise.  0 for a null text.
int32_t IntlLengthInUnits(const char *s, bool dbcs);

// A run of whole characters at the start of a text.
struct IntlSpan {
    const char *end; // the first byte after the run
    int32_t count;   // characters (bytes outside double-byte mode) in it
};

// The first n characters of s (bytes outside double-byte mode), fewer when
// s ends first.  n < 1 gives an empty run.
IntlSpan IntlAdvance(const char *s, int32_t n, bool dbcs);

// As IntlAdvance, for copying: in double-byte mode a lead byte directly
// before the terminator ends the run, so that a copy never ends in half a
// character.
IntlSpan IntlCopyableSpan(const char *s, int32_t n, bool dbcs);

// First character of s whose code is `code`: a double-byte character by its
// 16-bit code, a single byte by its value, so a search for a byte never
// matches a trail byte.  A lead byte before the terminator ends the search.
// When nothing matches: the terminator for code 0, else null.
char *IntlFindChar(const char *s, uint16_t code);

// As IntlFindChar, but a single-byte character matches only outside
// parentheses: '(' opens a level before it is compared, ')' closes one after.
// Double-byte characters match at any level.
char *IntlFindCharOutsideParens(const char *s, uint16_t code);

// The byte-by-byte form of IntlFindCharOutsideParens, for single-byte mode.
char *IntlFindByteOutsideParens(const char *s, uint16_t code);

// IntlFindChar in double-byte mode, a byte search (strchr) outside it, where
// a code above 0xFF matches nothing.
char *IntlFindCharInMode(const char *s, uint16_t code, bool dbcs);

// Skips leading white space, and in double-byte mode also the double-byte
// blank of the language.  Returns the first other character (the terminator
// when there is none); null for null.
const char *IntlSkipSpace(const char *s);
