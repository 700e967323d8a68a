/* orvexrt: the international profile, date/time values and the format
 * control block of every FMT request. */
#ifndef ORVEXRT_DATETIME_H
#define ORVEXRT_DATETIME_H

#include "orvexrt/base.h"
#include "orvexrt/number.h"

#pragma pack(push, 1)

/* National conventions: separators, currency placement, date pictures. */
typedef struct INTLPROFILE {
    int32_t iCountry;
    char sList;
    char sCurrency[5];
    uint32_t bCurrSpace;
    uint32_t bCurrAfter;
    int32_t iDigits;
    char sThousand;
    char sDecimal;
    int32_t iLzero;
    int32_t iDate;
    char sDate;
    int32_t iTime;
    char s1159[5];
    char s2359[5];
    char sTime[3];
    int32_t iTLZero;
    int32_t iMeasure;
    int32_t iCurrDigits;
    int32_t iNegCurr;
    char sShortDate[20];
    char sLongDate[40];
    char sCountry[15];
    char sLanguage[4];
    int32_t iDateType;
    uint32_t dwReserved1;
    int32_t iEmpDateBoundryCheck;
    uint32_t dwReserved2;
} INTLPROFILE;

/* A date and time as seven fields; absent fields are 0. */
typedef struct DATDEF {
    int32_t nMonth;
    int32_t nDay;
    int32_t nYear;
    int32_t nHour;
    int32_t nMinute;
    int32_t nSecond;
    int32_t nMicrosecond;
} DATDEF;

/* The request of every FMT function; prepare it with FMTInitCntlBlock. */
typedef struct FMTCNTLBLOCK {
    int32_t nType;
    char *lpszInput;
    char *lpszOutput;
    char *lpszShortPic;
    char *lpszLongPic;
    uint32_t b24Hour;
    char *lpszTimeSep;
    uint32_t bTLzero;
    char *lpszAM;
    char *lpszPM;
    uint32_t bUseIntl;
    DATDEF dtValue;
    int32_t nPicSelect;
    char *lpszPicture;
    char cThousand;
    char cDecimal;
    double dblValue;
    int32_t bLzero;
    int32_t nDigits;
    char *lpszCurrency;
    int32_t nCurrPos;
    int32_t nNegCurr;
    int32_t nCountry;
    int32_t bEmpBoundaryCheck;
    uint32_t dwHostData;
    uint32_t dwFlags;
    NUMBER numValue;
    HWND hWnd;
    uint32_t uMsg;
    uint32_t wParam;
    int32_t lParam;
    int32_t lResult;
} FMTCNTLBLOCK;

#pragma pack(pop)

/* Kinds of request (nType). */
#define FMT_TYPE_DATE 1
#define FMT_TYPE_TIME 2
#define FMT_TYPE_DATETIME 3
#define FMT_TYPE_NUMBER 4
#define FMT_TYPE_CURRENCY 5
#define FMT_TYPE_NUMBER_PICTURE 6

/* Bits of dwFlags. */
#define FMT_FLAG_DEFAULT_PICTURES 0x01
#define FMT_FLAG_NO_GUESSED_TIME 0x02
#define FMT_FLAG_MICROSECONDS 0x04
#define FMT_FLAG_ALL_DECIMALS 0x08
#define FMT_FLAG_PREPARED 0x20
#define FMT_FLAG_DROP_ZERO_MICROSECONDS 0x40
#define FMT_FLAG_DATE_READ 0x80
#define FMT_FLAG_MASK_ON 0x100
#define FMT_FLAG_NOTIFY_CHANGE 0x200
#define FMT_FLAG_LONG_DATE 0x400
#define FMT_FLAG_TIME_READ 0x800
#define FMT_FLAG_NO_HOUR_ZERO 0x1000

ORVEX_LAYOUT(sizeof(INTLPROFILE) == 161, "INTLPROFILE size");
ORVEX_LAYOUT(offsetof(INTLPROFILE, sList) == 4 && offsetof(INTLPROFILE, sCurrency) == 5 &&
                 offsetof(INTLPROFILE, bCurrSpace) == 10 && offsetof(INTLPROFILE, bCurrAfter) == 14 &&
                 offsetof(INTLPROFILE, iDigits) == 18 && offsetof(INTLPROFILE, sThousand) == 22 &&
                 offsetof(INTLPROFILE, sDecimal) == 23 && offsetof(INTLPROFILE, iLzero) == 24 &&
                 offsetof(INTLPROFILE, iDate) == 28 && offsetof(INTLPROFILE, sDate) == 32 &&
                 offsetof(INTLPROFILE, iTime) == 33 && offsetof(INTLPROFILE, s1159) == 37 &&
                 offsetof(INTLPROFILE, s2359) == 42 && offsetof(INTLPROFILE, sTime) == 47 &&
                 offsetof(INTLPROFILE, iTLZero) == 50 && offsetof(INTLPROFILE, iMeasure) == 54 &&
                 offsetof(INTLPROFILE, iCurrDigits) == 58 && offsetof(INTLPROFILE, iNegCurr) == 62 &&
                 offsetof(INTLPROFILE, sShortDate) == 66 && offsetof(INTLPROFILE, sLongDate) == 86 &&
                 offsetof(INTLPROFILE, sCountry) == 126 && offsetof(INTLPROFILE, sLanguage) == 141 &&
                 offsetof(INTLPROFILE, iDateType) == 145 && offsetof(INTLPROFILE, dwReserved1) == 149 &&
                 offsetof(INTLPROFILE, iEmpDateBoundryCheck) == 153 && offsetof(INTLPROFILE, dwReserved2) == 157,
             "INTLPROFILE fields");

ORVEX_LAYOUT(sizeof(DATDEF) == 28 && offsetof(DATDEF, nDay) == 4 && offsetof(DATDEF, nYear) == 8 &&
                 offsetof(DATDEF, nHour) == 12 && offsetof(DATDEF, nMinute) == 16 && offsetof(DATDEF, nSecond) == 20 &&
                 offsetof(DATDEF, nMicrosecond) == 24,
             "DATDEF fields");

#define ORVEX_CB_AT(field, v32, v64) (offsetof(FMTCNTLBLOCK, field) == ORVEX_BY_POINTER(v32, v64))
ORVEX_LAYOUT(ORVEX_CB_AT(nType, 0, 0) && ORVEX_CB_AT(lpszInput, 4, 4) && ORVEX_CB_AT(lpszOutput, 8, 12) &&
                 ORVEX_CB_AT(lpszShortPic, 12, 20) && ORVEX_CB_AT(lpszLongPic, 16, 28) &&
                 ORVEX_CB_AT(b24Hour, 20, 36) && ORVEX_CB_AT(lpszTimeSep, 24, 40) && ORVEX_CB_AT(bTLzero, 28, 48) &&
                 ORVEX_CB_AT(lpszAM, 32, 52) && ORVEX_CB_AT(lpszPM, 36, 60) && ORVEX_CB_AT(bUseIntl, 40, 68) &&
                 ORVEX_CB_AT(dtValue, 44, 72) && ORVEX_CB_AT(nPicSelect, 72, 100) &&
                 ORVEX_CB_AT(lpszPicture, 76, 104) && ORVEX_CB_AT(cThousand, 80, 112) &&
                 ORVEX_CB_AT(cDecimal, 81, 113) && ORVEX_CB_AT(dblValue, 82, 114) && ORVEX_CB_AT(bLzero, 90, 122) &&
                 ORVEX_CB_AT(nDigits, 94, 126) && ORVEX_CB_AT(lpszCurrency, 98, 130) &&
                 ORVEX_CB_AT(nCurrPos, 102, 138) && ORVEX_CB_AT(nNegCurr, 106, 142) &&
                 ORVEX_CB_AT(nCountry, 110, 146) && ORVEX_CB_AT(bEmpBoundaryCheck, 114, 150) &&
                 ORVEX_CB_AT(dwHostData, 118, 154) && ORVEX_CB_AT(dwFlags, 122, 158) &&
                 ORVEX_CB_AT(numValue, 126, 162) && ORVEX_CB_AT(hWnd, 151, 187) && ORVEX_CB_AT(uMsg, 155, 195) &&
                 ORVEX_CB_AT(wParam, 159, 199) && ORVEX_CB_AT(lParam, 163, 203) && ORVEX_CB_AT(lResult, 167, 207),
             "FMTCNTLBLOCK fields");
ORVEX_LAYOUT(sizeof(FMTCNTLBLOCK) == ORVEX_BY_POINTER(171, 211), "FMTCNTLBLOCK size");
#undef ORVEX_CB_AT

ORVEX_BEGIN_DECLS

/* The international profile: reads the user's settings into a block, and
 * switches the process's active profile between them and the defaults. */
void ORVEXAPI FMTGetProfileIntl(INTLPROFILE *profile);
void ORVEXAPI FMTSetProfileDefault(void);
void ORVEXAPI FMTSetProfileIntl(void);
/* Marks the profile stale: the next access re-reads the user's settings. */
void ORVEXAPI FMTWinIniChanged(void);

/* Prepares a control block for a request. */
void ORVEXAPI FMTInitCntlBlock(FMTCNTLBLOCK *block);

/* Date/time formatting: the block's dtValue written through a picture (1 on
 * success); the longest text a block's picture can produce; the profile's
 * default pictures; questions about pictures. */
int32_t ORVEXAPI FMTFormatDateTime(FMTCNTLBLOCK *block, int32_t useLocaleNames);
int32_t ORVEXAPI FMTGetMaxFormattedDTLen(FMTCNTLBLOCK *block, int32_t minimum);
int32_t ORVEXAPI FMTGetDefaultShortDatePic(char *buffer, uint32_t size);
int32_t ORVEXAPI FMTGetDefaultLongDatePic(char *buffer, uint32_t size);
int32_t ORVEXAPI FMTGetDefaultDatePic(char *buffer, uint32_t size);
int32_t ORVEXAPI FMTGetGeeLongDatePic(char *buffer, uint32_t size, int32_t withTime);
int32_t ORVEXAPI FMTDatePicHasDate(const char *picture);
int32_t ORVEXAPI FMTDatePicHasTime(const char *picture);
int32_t ORVEXAPI FMTIsDatePicValid(const char *picture);

/* Date/time parsing: typed text read into the block's dtValue. */
int32_t ORVEXAPI FMTValidateDateTime(FMTCNTLBLOCK *block);
int32_t ORVEXAPI FMTUnformatDateTimeStr(FMTCNTLBLOCK *block);
int32_t ORVEXAPI FMTIsValidDateString(FMTCNTLBLOCK *block);
int32_t ORVEXAPI FMTIsoToDatDef(const char *text, DATDEF *out);

ORVEX_END_DECLS

#endif
