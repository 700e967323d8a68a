// Walking a text character by character with the system's ANSI walker, so a
// double-byte character counts once wherever the code page says it begins.
#pragma once

#include <cstdint>

// Number of characters before the terminating zero; 0 for a null text.  A
// lead byte directly before the terminator counts as one character.
int32_t IntlCharCount(const char *s);
