// The Japanese eras: names (code page 932), first days and letters.
#pragma once

#include <cstdint>

#pragma pack(push, 1)
struct FMTEra {
    char szName[5];      // two double-byte characters and a NUL
    uint32_t dwFirstDay; // day number of the era's first day; 0 ends the table
    char cLetter;        // one-letter abbreviation
};
#pragma pack(pop)
static_assert(sizeof(FMTEra) == 10);

// Meiji, Taisho, Showa, Heisei and the end marker.
extern const FMTEra kFMTEras[5];

// The year, month and day suffixes of Japanese dates (code page 932).
extern const char kFMTYearSuffix[3];
extern const char kFMTMonthSuffix[3];
extern const char kFMTDaySuffix[3];

// The era a day lies in; null before the first era.
const FMTEra *FMTEraOfDay(int32_t jdn);
// The year within an era of a Gregorian year.
int32_t FMTEraYear(const FMTEra &era, int32_t gregorianYear);
// Whether a day may be written in an era: never before its first day, and,
// with the boundary check, not on or after the next era's first day.
bool FMTDayFitsEra(const FMTEra &era, int32_t jdn, bool boundaryCheck);
// The era of a one-letter abbreviation (any case); null for none.
const FMTEra *FMTEraByLetter(char letter);
