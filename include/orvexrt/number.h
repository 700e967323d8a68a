/* orvexrt: the NUMBER decimal type — text, arithmetic, conversions. */
#ifndef ORVEXRT_NUMBER_H
#define ORVEXRT_NUMBER_H

#include "orvexrt/base.h"

#pragma pack(push, 1)
/* A decimal value of 44 to 46 significant digits, stored as a length byte
 * (0 = null), an exponent byte and base-100 digits (negative values
 * complemented and terminated by 101).  Zero is 01 C0.  A buffer of 25 bytes
 * holds any value; hosts compare these bytes directly. */
typedef struct NUMBER {
    uint8_t bLength;
    uint8_t bExponent;
    uint8_t bDigits[23];
} NUMBER;
#pragma pack(pop)

ORVEX_LAYOUT(sizeof(NUMBER) == 25, "NUMBER size");
ORVEX_LAYOUT(offsetof(NUMBER, bExponent) == 1, "NUMBER.bExponent");
ORVEX_LAYOUT(offsetof(NUMBER, bDigits) == 2, "NUMBER.bDigits");

ORVEX_LAYOUT(sizeof(CY) == 8, "CY size");
ORVEX_LAYOUT(sizeof(DECIMAL) == 16, "DECIMAL size");
ORVEX_LAYOUT(offsetof(DECIMAL, scale) == 2 && offsetof(DECIMAL, sign) == 3, "DECIMAL scale and sign");
ORVEX_LAYOUT(offsetof(DECIMAL, Hi32) == 4 && offsetof(DECIMAL, Lo32) == 8 && offsetof(DECIMAL, Mid32) == 12,
             "DECIMAL words");

ORVEX_BEGIN_DECLS

/* Text.  NumAsciiToNumber returns the characters consumed, 0 for no number,
 * -1 on overflow, -2 on underflow (the value is then null).  NumToAscii
 * writes at most `width` characters and a NUL, and returns the length. */
int32_t ORVEXAPI NumAsciiToNumber(NUMBER *out, const char *text);
int32_t ORVEXAPI NumToAscii(const NUMBER *value, char *out, int32_t width);
int32_t ORVEXAPI NumHexAsciiToNumber(NUMBER *out, const char *text);

/* Small values and nulls. */
NUMBER *ORVEXAPI NumGet(uint16_t value, NUMBER *buffer);
NUMBER *ORVEXAPI NumNullToZero(NUMBER *value);
int32_t ORVEXAPI NumIsNullDouble(const double *value);
void ORVEXAPI NumNullDouble(double *value);
void ORVEXAPI NumCreateSmall(NUMBER *out, int32_t value);

/* Arithmetic: results may alias operands; each returns the result's length
 * byte.  Null operands count as zero. */
int32_t ORVEXAPI NumAddition(NUMBER *result, const NUMBER *a, const NUMBER *b);
int32_t ORVEXAPI NumSubtract(NUMBER *result, const NUMBER *a, const NUMBER *b);
int32_t ORVEXAPI NumMultiply(NUMBER *result, const NUMBER *a, const NUMBER *b);
int32_t ORVEXAPI NumDivide(NUMBER *result, const NUMBER *a, const NUMBER *b);
int32_t ORVEXAPI NumNegate(NUMBER *value);
int32_t ORVEXAPI NumCompare(const NUMBER *a, const NUMBER *b);
/* Compares date/time values with a tolerance of 3e-16; cuts operands longer
 * than 12 bytes in place. */
int32_t ORVEXAPI DateCompare(NUMBER *a, NUMBER *b);
int32_t ORVEXAPI NumRound(NUMBER *result, const NUMBER *value, int32_t places);
int32_t ORVEXAPI NumTruncate(NUMBER *value, int32_t precision, int32_t scale);
int32_t ORVEXAPI NumPower10(NUMBER *result, const NUMBER *value, int32_t power);

/* Machine and OLE types.  The reply forms set *overflow to 0 or 1. */
void ORVEXAPI NumToDouble(const NUMBER *value, double *out);
void ORVEXAPI NumToDoubleNotNull(const NUMBER *value, double *out);
int32_t ORVEXAPI NumDoubleToNumber(NUMBER *out, const double *value);
int32_t ORVEXAPI NumToLong(const NUMBER *value);
uint32_t ORVEXAPI NumToDWord(const NUMBER *value);
int32_t ORVEXAPI NumToLongReply(const NUMBER *value, int32_t *overflow);
uint32_t ORVEXAPI NumToDWordReply(const NUMBER *value, int32_t *overflow);
uint16_t ORVEXAPI NumToWord(const NUMBER *value);
uint16_t ORVEXAPI NumToWordReply(const NUMBER *value, int32_t *overflow);
int32_t ORVEXAPI NumLongToNumber(NUMBER *out, int32_t value);
int32_t ORVEXAPI NumDWordToNumber(NUMBER *out, uint32_t value);
int32_t ORVEXAPI NumWordToNumber(NUMBER *out, uint16_t value);
void ORVEXAPI NumLLongToNumber(NUMBER *out, const CY *value);
void ORVEXAPI NumToLLong(CY *out, const NUMBER *value, int32_t *overflow);
void ORVEXAPI NumDECIMALToNumber(NUMBER *out, const DECIMAL *value);
void ORVEXAPI NumToDECIMAL(DECIMAL *out, const NUMBER *value, int32_t *overflow);

/* A double as text, locale-independent: at most 15 significant digits, "."
 * as the point; the buffer needs 32 bytes.  Returns the buffer. */
char *ORVEXAPI FMTgcvt(const double *value, char *buffer);

ORVEX_END_DECLS

#endif
