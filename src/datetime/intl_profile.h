// The process's international profile: the active copy that every FMT
// function reads, the built-in default, and the copy last read from the
// user's settings; the accessors; the per-thread record.
#pragma once

#include <cstdint>

#include "datetime/date_picture_cache.h"
#include "orvexrt/datetime.h"

// The built-in defaults (a US-English setup).
extern const INTLPROFILE kFMTDefaultProfile;

// Re-reads the user's settings into the active profile when the profile is
// stale.  Takes the profile lock.
void FMTRefreshProfile();

// The switches of FMTSetProfileIntl (intl) and FMTSetProfileDefault for
// functions that switch on every call: the lock is taken only when the
// profile changed since the calling thread's last switch of the same kind,
// or is stale.
void FMTEnsureProfile(bool intl);

// The stale flag, read and written atomically.
bool FMTProfileIsStale();
void FMTMarkProfileStale(bool stale);

// Indexed reads of the active profile (refreshing first when stale).
// Strings: 0 short date, 1 long date, 2 time separator, 3 AM, 4 PM,
// 5 currency; 6 thousands and 7 decimal separator as one-character texts in
// the calling thread's buffer (one buffer for both).  Others: null.
const char *FMTGetIntlString(int32_t index);
// Values: 0 iTime, 1 iTLZero, 2 iLzero, 3 iDigits, 4 iCurrDigits,
// 5 iNegCurr, 6 iDateType, 7 iEmpDateBoundryCheck, 10 the iCurrency code,
// 11 iCountry.  Others: -1.
int32_t FMTGetIntlValue(int32_t index);

// Per-thread state of the FMT functions.
struct FMTTHREADDATA {
    int32_t bValidateBusy = 0;      // the edit-control filter is at work
    int32_t nLongestDayName = -1;   // cached length of the longest long day name; -1 = not computed
    int32_t nLongestMonthName = -1; // the same for long month names
    char szSeparator[2] = {};       // one character and a NUL

    // This thread's copy of the active profile, taken at the profile
    // version `nProfileVersion` (0 = not taken yet).  Readers use the copy
    // and take the profile lock only when the active profile has changed
    // since, so that threads formatting side by side do not queue.
    uint32_t nProfileVersion = 0;
    INTLPROFILE profile{};

    // The pictures this thread scanned last.
    FMTPictureCache pictures;
};

// The calling thread's record, made on first use; null when it cannot be
// made.  Takes the profile lock only to make it.
FMTTHREADDATA *FMTThreadData();

// The active profile as the calling thread sees it: its up-to-date copy
// (refreshed first when stale).  The reference stays valid until the
// thread's items are released.  Without a per-thread record, the active
// profile itself.
const INTLPROFILE &FMTThreadProfile();
