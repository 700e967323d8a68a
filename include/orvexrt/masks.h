/* orvexrt: input masks — fixed-layout texts such as telephone or part
 * numbers.
 *
 * Each position of a mask takes one typed character of a class or holds a
 * literal that is never typed:
 *   9  a digit                 a  a letter     A  a letter, upper-cased
 *   n  a letter or a digit     N  the same, upper-cased
 *   X  any character but a line feed           !  the same, upper-cased
 *   *  any characters, any number of them (only as the last character: the
 *      mask is then unlimited)
 * Every other character is a literal.  A leading "^" is an option, not a
 * position: the host keeps the value masked when it reads it back.  Letters
 * and digits are those of the system's ANSI code page. */
#ifndef ORVEXRT_MASKS_H
#define ORVEXRT_MASKS_H

#include "orvexrt/base.h"
#include "orvexrt/datetime.h"

ORVEX_BEGIN_DECLS

/* 1 when the mask has a mask character and at most one "*", as its last
 * character.  A leading "^" counts as a literal here. */
uint32_t ORVEXAPI FMTIsValidMaskFormat(const char *mask);

/* Lays raw text into the mask: literals are written, typed characters that
 * a position rejects are dropped, a literal typed at its own position is
 * taken as that literal.  output needs the mask length + 1 bytes, for an
 * unlimited mask the text length + the literals + 1.  0 for null
 * arguments, an invalid mask or no memory. */
uint32_t ORVEXAPI FMTMaskText(const char *text, char *output, const char *mask);

/* Takes the typed characters of lpszInput under the mask lpszPicture into
 * lpszOutput (as long as the input).  0, with an empty output, when the
 * text does not fit the mask. */
uint32_t ORVEXAPI FMTUnmaskInput(FMTCNTLBLOCK *block);

/* The numbers of mask characters and of literals (after a "^"). */
int32_t ORVEXAPI FMTCntMaskChars(const char *mask);
int32_t ORVEXAPI FMTCntNonMaskChars(const char *mask);

/* The options: a leading "^", a trailing "*". */
uint32_t ORVEXAPI FMTIsPicNoUnmaskOnGets(const char *mask);
uint32_t ORVEXAPI FMTIsPicUnlimited(const char *mask);

ORVEX_END_DECLS

#endif
