// Day and month names from the string table, and lookups both ways.
#pragma once

#include <cstdint>

// Loads the names and the date-type words once; 1 when they are loaded.
// Takes the profile lock.
int32_t FMTLoadNames();

// Names by number: weekday 1..7 (1 = Saturday), month 1..12.  A number out
// of range, or names that cannot be loaded, give "".
const char *FMTShortDayName(int32_t weekday);
const char *FMTLongDayName(int32_t weekday);
const char *FMTShortMonthName(int32_t month);
const char *FMTLongMonthName(int32_t month);

// Numbers by name (short or long, any case): 0 when unknown.
int32_t FMTMonthByName(const char *name);
int32_t FMTDayByName(const char *name);

// Whether the names are there to read, loading them first when needed.
bool FMTNamesReady();
