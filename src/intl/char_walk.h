// Walking a text character by character with the system's ANSI walker, so a
// double-byte character counts once wherever the code page says it begins.
#pragma once

#include <cstdint>

// Number of characters before the terminating zero; 0 for a null text.  A
// lead byte directly before the terminator counts as one character.
int32_t IntlCharCount(const char *s);

// White space of the text functions: the bytes 0x09..0x0D and the space.
inline bool IntlIsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Skips leading white space, and in double-byte mode also the double-byte
// blank of the language.  Returns the first other character (the terminator
// when there is none); null for null.
const char *IntlSkipSpace(const char *s);
