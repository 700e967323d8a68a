// The library-wide state record: what load learned about the module and the
// system, the profile flags, the day and month names and the date-type words.
#pragma once

#include <windows.h>

#include <cstdint>

// Double-byte language of the system, when the library runs in DBCS mode.
enum IntlDBCSLanguage : int32_t {
    INTL_DBCS_NONE = 0,
    INTL_DBCS_JAPANESE = 1,
    INTL_DBCS_CHINESE = 2,
    INTL_DBCS_KOREAN = 3,
};

// A day or month name slot: at most 15 characters and the terminator.
constexpr int kIntlNameSlot = 16;

struct INTLSTATE {
    // Stored by the first process attach.
    HINSTANCE hInstance;
    DWORD dwPlatformId;
    int32_t bLoaded;

    // Filled by IntlInit.
    int32_t DBCSEnabled;
    int32_t DBCSLanguage;
    int32_t BiDiEnabled;
    uint16_t SystemLangID;
    uint16_t PrimaryLangID;

    // The international profile's flags.
    int32_t bNamesLoaded;
    int32_t bProfileStale;

    // Date-type words from the string table.
    char szDateTypeKey[20];
    char szCurrentDateType[25];
    char szLongGregorian[24];
    char szJapanGregorian[25];
    char szJapanEmperor[23];
    char szBoundaryCheckKey[31];

    // Names, days from Saturday, months from January.
    char szShortDays[7][kIntlNameSlot];
    char szLongDays[7][kIntlNameSlot];
    char szShortMonths[12][kIntlNameSlot];
    char szLongMonths[12][kIntlNameSlot];
};

extern INTLSTATE gIntlState;
