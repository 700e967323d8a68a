#include "datetime/japanese_dates.h"

#include <cstring>
#include <string_view>

#include "datetime/date_values.h"
#include "datetime/date_writer.h"
#include "datetime/intl_profile.h"
#include "datetime/japanese_eras.h"
#include "frame/critical_region.h"
#include "frame/static_objects.h"
#include "orvexrt/intl.h"

namespace {

void PutTwoDigits(FMTTextOut &out, int32_t value) {
    if (value >= 0 && value < 10) out.Put('0');
    out.Number(value);
}

// The year's suffix, then the month and day, each with its suffix: how both
// Japanese date forms end.
void PutYearSuffixMonthDay(FMTTextOut &out, const DATDEF &d) {
    out.Put(kFMTYearSuffix);
    PutTwoDigits(out, d.nMonth);
    out.Put(kFMTMonthSuffix);
    PutTwoDigits(out, d.nDay);
    out.Put(kFMTDaySuffix);
}

// Reads a number of the text; false when there is none, or when it ends the
// text (something must always follow it).
bool ReadNumber(const char *&p, int32_t &value, int &characters) {
    const int32_t n = IntlFetchNextNumLong(&value, p);
    if (n <= 0 || p[n] == '\0') return false;
    characters = n;
    p += n;
    return true;
}

bool ReadSuffix(const char *&p, const char (&suffix)[3]) {
    if (std::strncmp(p, suffix, 2) != 0) return false;
    p += 2;
    return true;
}

const FMTEra *EraOfName(const char *p) {
    for (const FMTEra &era : kFMTEras) {
        if (era.dwFirstDay == 0) break;
        if (std::strncmp(p, era.szName, 4) == 0) return &era;
    }
    return nullptr;
}

bool BoundaryCheck(const FMTCNTLBLOCK &block) {
    return block.bUseIntl ? FMTGetIntlValue(7) == 1 : block.bEmpBoundaryCheck == 1;
}

} // namespace

int32_t FMTFormatGeeDate(FMTCNTLBLOCK *block) {
    CRRegionHold hold(&gFMTProfileLock);
    const DATDEF &d = block->dtValue;
    FMTTextOut out(block->lpszOutput);
    out.Number(d.nYear, 4);
    PutYearSuffixMonthDay(out, d);
    return 1;
}

int32_t FMTFormatEmperorDate(FMTCNTLBLOCK *block) {
    CRRegionHold hold(&gFMTProfileLock);
    const DATDEF &d = block->dtValue;
    const FMTEra *era = FMTEraOfDay(FMTDateToJulian(d.nMonth, d.nDay, d.nYear));
    if (!era) return 0;
    FMTTextOut out(block->lpszOutput);
    out.Put(era->szName);
    const int32_t eraYear = FMTEraYear(*era, d.nYear);
    PutTwoDigits(out, eraYear % 100);
    PutYearSuffixMonthDay(out, d);
    return 1;
}

int32_t FMTParseJapaneseDate(FMTCNTLBLOCK *block, int32_t eraRequired) {
    CRRegionHold hold(&gFMTProfileLock);
    const char *input = block->lpszInput;
    if (!input) return -1;
    const char *p = input;
    while (*p == ' ') ++p;

    const FMTEra *era = nullptr;
    int32_t year = 0, month = 0, day = 0;
    int yearCharacters = 0, ignored = 0;
    if (IntlIsDBChar(p)) {
        if (std::strlen(p) < 4 || !(era = EraOfName(p))) return -1;
        p += 4;
        // An era year beyond any four-digit year is no date (and would
        // overflow the day-number arithmetic).
        if (!ReadNumber(p, year, ignored) || year < 1 || year > 9999) return -1;
        DATDEF first{};
        FMTJulianToDate(static_cast<int32_t>(era->dwFirstDay), &first);
        year += first.nYear - 1;
    } else if ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z')) {
        // An era letter and its year are recognised and refused.
        return -1;
    } else {
        if (eraRequired || !ReadNumber(p, year, yearCharacters)) return -1;
        if (yearCharacters < 3 && year >= 0 && year <= 99) year += 1900;
    }
    if (!ReadSuffix(p, kFMTYearSuffix) || !ReadNumber(p, month, ignored) || !ReadSuffix(p, kFMTMonthSuffix) ||
        !ReadNumber(p, day, ignored) || !ReadSuffix(p, kFMTDaySuffix))
        return -1;
    if (!FMTIsValidDate(month, day, year, nullptr)) return -1;
    if (era && !FMTDayFitsEra(*era, FMTDateToJulian(month, day, year), BoundaryCheck(*block))) return -1;
    block->dtValue = DATDEF{month, day, year, 0, 0, 0, 0};
    return static_cast<int32_t>(p - input);
}
