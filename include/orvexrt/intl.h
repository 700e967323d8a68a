/* orvexrt: international text — double-byte detection, character classes,
 * string functions, tokens and leading numbers. */
#ifndef ORVEXRT_INTL_H
#define ORVEXRT_INTL_H

#include "orvexrt/base.h"

ORVEX_BEGIN_DECLS

/* Mode of the library, decided once at load from the system language. */
void ORVEXAPI IntlInit(void);
int32_t ORVEXAPI IntlDBCSEnabled(void);
int32_t ORVEXAPI IntlIsBiDiEnabled(void);

/* Character walking and codes (a double-byte code is lead * 256 + trail). */
int32_t ORVEXAPI IntlIsDBChar(const char *p);
int32_t ORVEXAPI IntlBytesInNextChar(const char *p);
char *ORVEXAPI IntlNextDBCInStr(const char *s);
uint16_t ORVEXAPI IntlDBCSChar(const char *p);
uint16_t ORVEXAPI IntlDBCSBlank(void);
int32_t ORVEXAPI IntlIsNthCharDB(const char *s, int32_t n);
int32_t ORVEXAPI IntlIsNthByteDB(const char *s, int32_t n);

/* Byte classes. */
int32_t ORVEXAPI IntlIsKanji(uint8_t b);
int32_t ORVEXAPI IntlIsKatakana(uint8_t b);
int32_t ORVEXAPI IntlCharIsHexDigit(uint16_t c);

/* Japanese half-width <-> full-width conversion; the result is the number of
 * characters written, -1 for a null argument.  dst holds 2 * strlen(src) + 1. */
int32_t ORVEXAPI IntlStrJapanFull(char *dst, const char *src);
int32_t ORVEXAPI IntlStrJapanHalf(char *dst, const char *src);

/* String functions.  Lengths and positions count characters in double-byte
 * mode and bytes otherwise; the B forms always count bytes and write a space
 * in place of a double-byte character that their byte limit cuts in two.
 * Results go to the caller's buffers, which the caller sizes: a copy never
 * writes more than the source text (plus the replacement for Replace, plus
 * the zero padding of IntlStrnCpy) and its terminator.  Positions are from 0;
 * negative positions and lengths count as 0. */
int32_t ORVEXAPI IntlStrLen(const char *s);
int32_t ORVEXAPI IntlStrLenB(const char *s);
char *ORVEXAPI IntlStrnCpy(char *dst, const char *src, uint16_t n);
int32_t ORVEXAPI IntlStrLeft(char *dst, const char *src, int32_t n);
int32_t ORVEXAPI IntlStrLeftB(char *dst, const char *src, int32_t n);
int32_t ORVEXAPI IntlStrMid(char *dst, const char *src, int32_t start, int32_t len);
int32_t ORVEXAPI IntlStrMidB(char *dst, const char *src, int32_t start, int32_t len);
int32_t ORVEXAPI IntlStrRight(char *dst, const char *src, int32_t n);
int32_t ORVEXAPI IntlStrRightB(char *dst, const char *src, int32_t n);
int32_t ORVEXAPI IntlStrReplace(char *dst, const char *src, const char *repl, int32_t start, int32_t count);
int32_t ORVEXAPI IntlStrReplaceB(char *dst, const char *src, const char *repl, int32_t start, int32_t count);

/* Case, in place (Upper, Lower) or into dst (Proper: each word capitalised). */
char *ORVEXAPI IntlStrUpper(char *s);
char *ORVEXAPI IntlStrLower(char *s);
int32_t ORVEXAPI IntlStrProper(char *dst, const char *src);

/* Blanks.  Trim collapses runs of blanks into one space; TrimTrailing cuts
 * trailing blanks in place but keeps the first character. */
int32_t ORVEXAPI IntlStrTrim(char *dst, const char *src);
int32_t ORVEXAPI IntlStrTrimTrailing(char *s);
char *ORVEXAPI IntlStripStartSpace(const char *s);
char *ORVEXAPI IntlStripStartBlank(const char *s);
char *ORVEXAPI IntlStripEndSpace(char *dst, const char *src);
char *ORVEXAPI IntlStrStripSpace(char *s);

/* Searching and comparing.  A character code is lead * 256 + trail for a
 * double-byte character; FirstChar and LastChar sign-extend single bytes. */
char *ORVEXAPI IntlStrChr(const char *s, uint16_t c);
char *ORVEXAPI IntlStrSearch(const char *s, const char *set);
int32_t ORVEXAPI IntlStrScan(const char *s, const char *pattern);
char *ORVEXAPI IntlStrNthChar(const char *s, int32_t n);
int16_t ORVEXAPI IntlStrFirstChar(const char *s);
int16_t ORVEXAPI IntlStrLastChar(const char *s);
int32_t ORVEXAPI IntlIsStrEqual(const char *a, const char *b);
int32_t ORVEXAPI IntlIsStrnEqual(const char *a, const char *b, uint16_t n);

/* Tokens.  The cutters copy the token after the skipped bytes (and the
 * prefix) up to the first delimiter into dst, which must hold dstSize bytes
 * when dstSize >= 1, and return the bytes of src up to that delimiter. */
int32_t ORVEXAPI IntlStrGetToken(char *dst, const char *src, const char *skip, const char *delims, uint16_t prefix,
                                 int32_t dstSize);
int32_t ORVEXAPI IntlStrGetTokenNestedParens(char *dst, const char *src, const char *skip, const char *delims,
                                             uint16_t prefix, int32_t dstSize);
int32_t ORVEXAPI IntlStrGetTokenQuoted(char *dst, const char *src, const char *skip, const char *delims,
                                       uint16_t prefix, uint8_t quote, int32_t dstSize);
int32_t ORVEXAPI IntlStrGetTokenPtr(char **token, const char *src, const char *skip, const char *delims);
char *ORVEXAPI IntlStrFindToken(const char *str, const char *token, int32_t useScan, int32_t needParen);
int32_t ORVEXAPI IntlStrIsNextChSpace(const char *p);

/* Leading numbers: the result is the bytes read (leading white space
 * included), 0 when there is no number, and for the double -1 when the
 * number is longer than 99 bytes or reads as zero without being written as
 * one. */
int32_t ORVEXAPI IntlFetchNextNumLong(int32_t *value, const char *src);
int32_t ORVEXAPI IntlFetchNextNumDouble(double *value, const char *src);

ORVEX_END_DECLS

#endif
