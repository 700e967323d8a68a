// Japanese half-width <-> full-width character tables (code page 932).
#pragma once

#include <cstdint>

// Full-width code of one half-width character, given as the character times
// 256 plus the byte after it, so that a kana followed by a voiced or
// semi-voiced sound mark yields the combined character:
//   below 0x20        the character in the high byte (code << 8);
//   0x20..0x7E        the full-width form of the ASCII character;
//   0xA1..0xDF        the full-width kana, combined with a following mark;
//   0x7F..0xA0 and 0xE0..0xFC   the packed value unchanged;
//   0xFD..0xFF        0.
uint16_t IntlJapanFullCode(uint16_t packed);

// The half-width form of a full-width character when that form is a single
// byte (a full-width letter gives the ASCII letter); 0 when the character has
// no half-width form or it takes two bytes (a kana with a sound mark).
uint8_t IntlJapanHalfByte(uint16_t full);
