// Case of single characters, as the system maps them on the ANSI code page.
#pragma once

#include <cstdint>

// The upper- and lower-case forms of the character with this code.  A single
// byte maps through the system's case mapping; a double-byte character maps
// when the system turns it into another whole double-byte character (a
// full-width letter), else stays; a lead byte without its trail stays.
uint16_t IntlUpperCode(uint16_t code);
uint16_t IntlLowerCode(uint16_t code);

// Whether two character codes are the same character but for case.
bool IntlSameIgnoringCase(uint16_t a, uint16_t b);
