// Calendar dates: day numbers both ways, weekdays, validity, the two-digit
// year window and the Japanese eras.
#pragma once

#include <cstdint>

#include "orvexrt/datetime.h"

// Julian Day Number of a proleptic Gregorian date (2000-01-01 is 2451545).
int32_t FMTDateToJulian(int32_t month, int32_t day, int32_t year);
// Fills the month, day and year of `out` from a day number.
void FMTJulianToDate(int32_t jdn, DATDEF *out);
// 1 = Saturday .. 7 = Friday.
int32_t FMTWeekday(int32_t month, int32_t day, int32_t year);
bool FMTIsLeapYear(int32_t year);
// Days of the month (1..12) of a year.
int32_t FMTDaysInMonth(int32_t month, int32_t year);
// 1 when the date exists and, when a weekday name is given, the name is the
// short or long name of the date's weekday.  Takes the profile lock.
int32_t FMTIsValidDate(int32_t month, int32_t day, int32_t year, const char *weekdayName);

// The century to add to a two-digit year: two-digit years within 50 years
// of the current year belong to its window.
int32_t FMTCenturyFor(int32_t twoDigitYear);
// The current UTC year; replaceable for tests.
extern int32_t (*gFMTCurrentYear)();
