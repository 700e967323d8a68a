/* orvexrt: number pictures — their settings-independent tokenized form,
 * formatting of NUMBERs by picture or in the settings' number and currency
 * forms, and validation and unformatting of typed text.
 *
 * A number picture has up to three sections separated by ";" (positive,
 * negative, zero).  In a section, "#" and "0" are digit places, the settings'
 * thousands separator between places turns grouping on and their decimal
 * separator starts the fraction places; "%" after the places shows the value
 * times 100; '...' and "..." quote literal text (a doubled quote or \ before
 * the quote stands for the quote); "_x" leaves the room of x.  "0.00E+00"
 * and the like are scientific pictures.  The picture "$" is currency in the
 * form of the settings, the empty picture a number in that form.
 *
 * Every function takes a control block prepared by FMTInitCntlBlock.  With
 * bUseIntl the separators and currency texts come from the active profile,
 * else from cThousand (0: none), cDecimal (0: "."), lpszCurrency (at most 7
 * bytes where currency texts are built from it), nCurrPos and nNegCurr. */
#ifndef ORVEXRT_NUMFMT_H
#define ORVEXRT_NUMFMT_H

#include "orvexrt/base.h"
#include "orvexrt/datetime.h"
#include "orvexrt/number.h"

/* Bytes of a tokenized picture that stand for text of the settings. */
#define NPT_THOUSAND 0x01   /* thousands separator inside a digit field */
#define NPT_DECIMAL 0x02    /* decimal separator inside a digit field */
#define NPT_CURRPREFIX 0x03 /* positive currency text before the digits */
#define NPT_CURRSUFFIX 0x04 /* positive currency text after the digits */
#define NPT_NEGPREFIX 0x05  /* negative currency text before the digits */
#define NPT_NEGSUFFIX 0x06  /* negative currency text after the digits */
#define NPT_PAD 0x0E        /* "_": the next byte is the character or 0x04/0x06 */
#define NPT_FIELDBEGIN 0x0F /* start of a digit field; marks a tokenized picture */
#define NPT_FIELDEND 0x10   /* end of a digit field */

/* The settings-form pictures. */
#define FMT_PICTURE_CURRENCY "$"

/* Longest text FMTFormatNumber writes for kinds 4 and 6; kind 5 adds the
 * currency symbol and three characters. */
#define FMT_MAX_NUMBER_TEXT 1023

ORVEX_BEGIN_DECLS

/* Tokenized pictures.  Each writes lpszPicture's converted form to
 * lpszOutput and returns 1, or 0 (with an empty output) for a null picture or
 * output, or a currency symbol too long for its texts.  The output needs
 * room for 3 * strlen(picture) + 1 bytes (tokenize, convert) or
 * 9 * strlen(picture) + 1 bytes (untokenize).
 * Tokenize mode 1 re-reads the user's settings first, mode 0 works with the
 * built-in profile (and makes it active); untokenize mode 0 makes the
 * built-in profile active; other modes use the active profile. */
uint32_t ORVEXAPI FMTTokenizeNumberPic(const FMTCNTLBLOCK *block, int32_t mode);
uint32_t ORVEXAPI FMTUnTokenizeNumberPic(const FMTCNTLBLOCK *block, int32_t mode);
/* Converts a picture of the old syntax (unquoted literal text, "," and "."
 * in digit fields) to the current syntax and the settings' separators. */
uint32_t ORVEXAPI FMTCnvOldNumberPic(const FMTCNTLBLOCK *block);
/* 1 when the picture holds NPT_FIELDBEGIN, else 0. */
uint32_t ORVEXAPI FMTIsNumberPicTokenized(const char *picture);
/* 1 when lpszPicture is a valid picture for the block's settings, else 0. */
int32_t ORVEXAPI FMTIsNumberPicValid(const FMTCNTLBLOCK *block);

/* Formats numValue by nType: 4 number and 5 currency in the settings' form
 * (nDigits places, or all of the value's own with FMT_FLAG_ALL_DECIMALS),
 * 6 by lpszPicture.  useUserSettings non-zero makes the user's settings the
 * active profile, 0 the built-in one, for the whole process.  Returns 1
 * (also for an empty text: a null value, an empty section), 0 when refused:
 * an unprepared block, an unknown kind, a null output, a tokenized picture
 * whose plain form exceeds 63 bytes, a value beyond a plain text of 108
 * characters (10^108 and more, 10^107 for a negative value in the
 * settings' forms) in a plain layout; a refusal leaves an empty output. */
uint32_t ORVEXAPI FMTFormatNumber(FMTCNTLBLOCK *block, uint32_t useUserSettings);
/* The larger of minLen and the longest text the picture gives for values of
 * at most maxIntDigits integer digits, with the active profile. */
int32_t ORVEXAPI FMTGetMaxFormattedNumLen(const char *picture, int32_t maxIntDigits, int32_t minLen);

/* Reads lpszInput as a number (kind 4) or currency amount (kind 5) in the
 * settings' form into numValue: 1 valid, 0 invalid or refused. */
int32_t ORVEXAPI FMTValidateNumber(FMTCNTLBLOCK *block);
/* Reads lpszInput as text that lpszPicture produced: numValue receives the
 * value and lpszOutput (109 bytes) its plain text; 1 done, 0 invalid,
 * refused or a value without an exact text of 108 characters (lpszOutput
 * then empty). */
uint32_t ORVEXAPI FMTUnformatNumberStr(FMTCNTLBLOCK *block);
/* dblValue = lpszInput read as a double, "." as the point whatever the
 * process's locale; an empty text makes dblValue a quiet NaN (the null
 * double) by setting its top 16 bits only.  Returns 1. */
uint32_t ORVEXAPI FMTStrToNumber(FMTCNTLBLOCK *block);

ORVEX_END_DECLS

#endif
