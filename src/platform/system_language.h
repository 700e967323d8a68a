// The languages of this system, read from the POSIX locale variables the way
// the Win32 layer of Unix systems reads them, so that one test setup drives
// both: the system language and code page follow LC_ALL, else LC_CTYPE, else
// LANG; the user locale follows LC_ALL, else LC_MESSAGES, else LANG.
#pragma once

#include <windows.h>

namespace platform {

struct LanguageInfo {
    LANGID langId;
    UINT ansiCodePage;
};

// The system language (and with it the ANSI code page).
LanguageInfo SystemLanguage();
// The user's locale.
LanguageInfo UserLanguage();

} // namespace platform
