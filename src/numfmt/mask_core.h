// Input masks inside the library: the character classes of a mask and the
// walks over its positions that the mask exports and the edit-control
// filter share.
//
// A mask is a single-byte text.  An optional leading '^' is an option, not a
// position; the helpers below take the positions, that is the mask after
// FMTMaskPositions.  Positions and indexes count bytes.  Masks and texts are
// shorter than 64 KiB; int32_t carries every position and length without
// wrapping.
#pragma once

#include <cstdint>

// The mask characters: the positions that take typed input.
constexpr char kMaskDigit = '9';
constexpr char kMaskLetter = 'a';
constexpr char kMaskUpperLetter = 'A';
constexpr char kMaskAlphanumeric = 'n';
constexpr char kMaskUpperAlphanumeric = 'N';
constexpr char kMaskAny = 'X';
constexpr char kMaskUpperAny = '!';
constexpr char kMaskRest = '*'; // any number of any characters; only last
constexpr char kMaskNoUnmask = '^';

// The positions of a mask: the mask after an optional leading '^'.  Null
// for null.
const char *FMTMaskPositions(const char *mask);

// Whether c is one of the eight mask characters.
bool FMTIsMaskChar(char c);

// Whether c passes the test of the mask character, converting it as the
// class asks (to upper case for A, N and !).  A literal replaces c by
// itself and accepts.
bool FMTApplyMaskChar(char maskChar, char *c);

// Whether c passes the test that unmasking makes: a digit under 9, a letter
// or digit under n and N; every other class passes.
bool FMTPassesUnmaskTest(char maskChar, char c);

// Whether the positions end with '*', so that text may run past them.
bool FMTIsUnlimitedPositions(const char *positions);

// The first literal, or mask character, at or after `from`: true and its
// index in *pos, or false when there is none.
bool FMTNextLiteralPos(const char *positions, int32_t from, int32_t *pos);
bool FMTNextMaskPos(const char *positions, int32_t from, int32_t *pos);

// The number of literals of the positions.
int32_t FMTCountLiterals(const char *positions);

// The length of text plus the number of literals: the length of the text
// laid into an unlimited mask.
int32_t FMTMaskedLength(const char *positions, const char *text);

// The size of the buffer that text laid into the positions needs, the
// terminator included.
int32_t FMTMaskedBufferSize(const char *positions, const char *text);

// Maps a position of the masked text `text` to an index of its raw text:
// the mask characters among positions 0 to pos, less one (0 when there are
// none).  Past the end of an unlimited mask every position is a raw
// character.  A position beyond the end of text counts as its end.
int32_t FMTMaskPosToRawIndex(const char *text, const char *positions, int32_t pos);

// Lays text into the mask (its '^' is skipped) and writes the result to
// output, which needs FMTMaskedBufferSize bytes.  A typed literal is taken
// as that literal when skipTypedLiterals is set, else as typed input.
// False for null arguments, an invalid mask or no memory.
bool FMTMaskTextEx(const char *text, char *output, const char *mask, bool skipTypedLiterals);

// Removes the spaces at the end of text, in place.
void FMTTrimTrailingSpaces(char *text);
