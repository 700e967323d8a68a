#include "datetime/date_values.h"

#include <windows.h>

#include <cmath>

#include "datetime/intl_state.h"
#include "datetime/name_tables.h"
#include "frame/critical_region.h"
#include "frame/static_objects.h"

namespace {

constexpr int32_t kDaysPerMonth[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// The reciprocals the day-number conversion multiplies by.
constexpr double kPerCentury = 2.7379070069885075e-05; // 1 / 36524.25
constexpr double kPerYear = 0.0027378507871321013;     // 1 / 365.25
constexpr double kPerMonth = 0.032669062397909183;     // 1 / 30.61

int32_t SystemYear() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return now.wYear;
}

int32_t Trunc(double v) { return static_cast<int32_t>(std::trunc(v)); }

} // namespace

int32_t (*gFMTCurrentYear)() = SystemYear;

int32_t FMTDateToJulian(int32_t m, int32_t d, int32_t y) {
    return 367 * y - 7 * (y + (m + 9) / 12) / 4 - 3 * ((y + (m - 9) / 7) / 100 + 1) / 4 + 275 * m / 9 + d + 1721029;
}

void FMTJulianToDate(int32_t jdn, DATDEF *out) {
    const int32_t a = Trunc(jdn * kPerCentury - 51.12264);
    const int32_t b = jdn + 1525 + a - a / 4;
    const int32_t k = Trunc(b * kPerYear - 0.3343);
    const int32_t e = Trunc(k * 365.25);
    const int32_t f = Trunc((b - e) * kPerMonth);
    out->nDay = b - e - Trunc(f * 30.61);
    out->nMonth = f >= 14 ? f - 13 : f - 1;
    out->nYear = k - 4716 + (out->nMonth <= 2 ? 1 : 0);
}

int32_t FMTWeekday(int32_t month, int32_t day, int32_t year) { return (FMTDateToJulian(month, day, year) + 2) % 7 + 1; }

bool FMTIsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t FMTDaysInMonth(int32_t month, int32_t year) {
    return (month >= 1 && month <= 12) ? kDaysPerMonth[FMTIsLeapYear(year) ? 1 : 0][month] : 0;
}

int32_t FMTIsValidDate(int32_t month, int32_t day, int32_t year, const char *weekdayName) {
    if (!FMTNamesReady()) return 0;
    if (day < 1 || day > 31 || month < 1 || month > 12) return 0;
    if (weekdayName && *weekdayName) {
        const int32_t weekday = FMTWeekday(month, day, year);
        if (lstrcmpiA(weekdayName, FMTShortDayName(weekday)) != 0 &&
            lstrcmpiA(weekdayName, FMTLongDayName(weekday)) != 0)
            return 0;
    }
    return day <= FMTDaysInMonth(month, year) ? 1 : 0;
}

int32_t FMTCenturyFor(int32_t twoDigitYear) {
    const int32_t year = gFMTCurrentYear();
    int32_t century = year / 100;
    const int32_t inCentury = year % 100;
    if (inCentury < 50 && twoDigitYear >= 50 && twoDigitYear <= 99) --century;
    if (inCentury >= 50 && twoDigitYear >= 0 && twoDigitYear <= 49) ++century;
    return century * 100;
}
