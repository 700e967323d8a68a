/* orvexrt: international text — double-byte detection and character classes. */
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

ORVEX_END_DECLS

#endif
