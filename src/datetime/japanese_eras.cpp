#include "datetime/japanese_eras.h"

#include <cctype>

#include "datetime/date_values.h"

const FMTEra kFMTEras[5] = {
    {"\x96\xBE\x8E\xA1", 2403605, 'M'}, // Meiji, 1868-09-29
    {"\x91\xE5\x90\xB3", 2419614, 'T'}, // Taisho, 1912-07-30
    {"\x8F\xBA\x98\x61", 2424875, 'S'}, // Showa, 1926-12-25
    {"\x95\xBD\x90\xAC", 2447535, 'H'}, // Heisei, 1989-01-08
    {"", 0, 0},
};

const char kFMTYearSuffix[3] = "\x94\x4E";
const char kFMTMonthSuffix[3] = "\x8C\x8E";
const char kFMTDaySuffix[3] = "\x93\xFA";

const FMTEra *FMTEraOfDay(int32_t jdn) {
    const FMTEra *found = nullptr;
    for (const FMTEra &era : kFMTEras) {
        if (era.dwFirstDay == 0 || static_cast<int64_t>(era.dwFirstDay) > jdn) break;
        found = &era;
    }
    return found;
}

int32_t FMTEraYear(const FMTEra &era, int32_t gregorianYear) {
    DATDEF first{};
    FMTJulianToDate(static_cast<int32_t>(era.dwFirstDay), &first);
    return gregorianYear - first.nYear + 1;
}

bool FMTDayFitsEra(const FMTEra &era, int32_t jdn, bool boundaryCheck) {
    if (jdn < static_cast<int64_t>(era.dwFirstDay)) return false;
    const FMTEra &next = (&era)[1];
    if (boundaryCheck && &era != &kFMTEras[4] && next.dwFirstDay != 0 && jdn >= static_cast<int64_t>(next.dwFirstDay))
        return false;
    return true;
}

const FMTEra *FMTEraByLetter(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const FMTEra &era : kFMTEras) {
        if (era.dwFirstDay == 0) break;
        if (era.cLetter == upper) return &era;
    }
    return nullptr;
}
