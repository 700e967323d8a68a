// The library-wide state record: what load learned about the module and the
// system, and (later) the profile flags, names and date-type words.
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
};

extern INTLSTATE gIntlState;
