// The active, default and system copies of the international profile, the
// stale flag, and the accessors through which every FMT function reads the
// profile.  The profile is changed only under the profile lock; each change
// counts up a version number, and each thread reads its own copy of the
// active profile, which it takes again (under the lock) when the version
// moved on or the profile is stale.
#include "datetime/intl_profile.h"

#include <windows.h>

#include <atomic>
#include <cstring>
#include <new>

#include "datetime/intl_state.h"
#include "frame/critical_region.h"
#include "frame/static_objects.h"
#include "frame/thread_items.h"

constexpr INTLPROFILE kFMTDefaultProfile = {
    .iCountry = 1,
    .sList = ',',
    .sCurrency = "$",
    .bCurrSpace = 1,
    .bCurrAfter = 0,
    .iDigits = 2,
    .sThousand = ',',
    .sDecimal = '.',
    .iLzero = 1,
    .iDate = 0,
    .sDate = '/',
    .iTime = 1,
    .s1159 = "AM",
    .s2359 = "PM",
    .sTime = ":",
    .iTLZero = 0,
    .iMeasure = 1,
    .iCurrDigits = 2,
    .iNegCurr = 0,
    .sShortDate = "M/d/yy",
    .sLongDate = "dddd, MMMM dd, yyyy",
    .sCountry = "United States",
    .sLanguage = "usa",
    .iDateType = 1,
    .dwReserved1 = 0,
    .iEmpDateBoundryCheck = 0,
    .dwReserved2 = 0,
};

namespace {

INTLPROFILE gActiveProfile = kFMTDefaultProfile;
INTLPROFILE gSystemProfile = kFMTDefaultProfile;

// Counts the changes of the active profile; 0 is never a version.
std::atomic<uint32_t> gProfileVersion{1};

CR_SECT *ProfileLock() { return &gFMTProfileLock; }

std::atomic_ref<int32_t> StaleFlag() { return std::atomic_ref<int32_t>(gIntlState.bProfileStale); }

void ProfileChanged() {
    uint32_t next = gProfileVersion.load(std::memory_order_relaxed) + 1;
    if (next == 0) next = 1;
    gProfileVersion.store(next, std::memory_order_release);
}

// Makes the active profile a copy of `source`, under the lock.
void SwitchActive(const INTLPROFILE &source) {
    if (std::memcmp(&gActiveProfile, &source, sizeof source) == 0) return;
    gActiveProfile = source;
    ProfileChanged();
}

void RefreshLocked() {
    if (!StaleFlag().load(std::memory_order_relaxed)) return;
    StaleFlag().store(0, std::memory_order_relaxed);
    FMTGetProfileIntl(&gActiveProfile);
    gSystemProfile = gActiveProfile;
    ProfileChanged();
}

// The calling thread's record as the item store holds it, remembered here
// so that the hot paths find it without asking the store.  The record's
// release function forgets it again.
thread_local FMTTHREADDATA *tThreadData = nullptr;

void ORVEXAPI ReleaseThreadData(uintptr_t value) {
    auto *data = reinterpret_cast<FMTTHREADDATA *>(value);
    if (tThreadData == data) tThreadData = nullptr;
    delete data;
}

// The thread's copy is current when no change happened since it was taken.
bool CopyIsCurrent(const FMTTHREADDATA &data) {
    return data.nProfileVersion == gProfileVersion.load(std::memory_order_acquire) &&
           !StaleFlag().load(std::memory_order_acquire);
}

// The profile version at which the calling thread last switched to the
// user's settings and to the built-in profile (0: not yet).  While the
// version stays, the active profile is still the one switched to.
thread_local uint32_t tIntlSwitchVersion = 0;
thread_local uint32_t tDefaultSwitchVersion = 0;

// The iCurrency code of Windows rebuilt from the two placement flags.
int32_t CurrencyCode(const INTLPROFILE &p) { return (p.bCurrSpace ? 2 : 0) + (p.bCurrAfter ? 1 : 0); }

} // namespace

void FMTRefreshProfile() {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
}

void FMTEnsureProfile(bool intl) {
    uint32_t &switched = intl ? tIntlSwitchVersion : tDefaultSwitchVersion;
    if (switched == gProfileVersion.load(std::memory_order_acquire) &&
        !(intl && StaleFlag().load(std::memory_order_acquire)))
        return;
    CRRegionHold hold(ProfileLock());
    if (intl) RefreshLocked();
    SwitchActive(intl ? gSystemProfile : kFMTDefaultProfile);
    switched = gProfileVersion.load(std::memory_order_relaxed);
}

bool FMTProfileIsStale() { return StaleFlag().load(std::memory_order_acquire) != 0; }

void FMTMarkProfileStale(bool stale) { StaleFlag().store(stale ? 1 : 0, std::memory_order_release); }

const INTLPROFILE &FMTThreadProfile() {
    FMTTHREADDATA *data = tThreadData;
    if (data && CopyIsCurrent(*data)) return data->profile;
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
    if (!data) data = FMTThreadData();
    if (!data) return gActiveProfile;
    data->profile = gActiveProfile;
    data->nProfileVersion = gProfileVersion.load(std::memory_order_relaxed);
    return data->profile;
}

const char *FMTGetIntlString(int32_t index) {
    const INTLPROFILE &p = FMTThreadProfile();
    switch (index) {
    case 0:
        return p.sShortDate;
    case 1:
        return p.sLongDate;
    case 2:
        return p.sTime;
    case 3:
        return p.s1159;
    case 4:
        return p.s2359;
    case 5:
        return p.sCurrency;
    case 6:
    case 7: {
        FMTTHREADDATA *data = FMTThreadData();
        if (!data) return nullptr;
        data->szSeparator[0] = index == 6 ? p.sThousand : p.sDecimal;
        data->szSeparator[1] = '\0';
        return data->szSeparator;
    }
    default:
        return nullptr;
    }
}

int32_t FMTGetIntlValue(int32_t index) {
    const INTLPROFILE &p = FMTThreadProfile();
    switch (index) {
    case 0:
        return p.iTime;
    case 1:
        return p.iTLZero;
    case 2:
        return p.iLzero;
    case 3:
        return p.iDigits;
    case 4:
        return p.iCurrDigits;
    case 5:
        return p.iNegCurr;
    case 6:
        return p.iDateType;
    case 7:
        return p.iEmpDateBoundryCheck;
    case 10:
        return CurrencyCode(p);
    case 11:
        return p.iCountry;
    default:
        return -1;
    }
}

FMTTHREADDATA *FMTThreadData() {
    if (FMTTHREADDATA *data = tThreadData) return data;
    CRRegionHold hold(ProfileLock());
    auto *data = reinterpret_cast<FMTTHREADDATA *>(TLS_GetItem(gThreadDataItem));
    if (!data) {
        data = new (std::nothrow) FMTTHREADDATA{};
        if (!data) return nullptr;
        TLS_SetItem(gThreadDataItem, reinterpret_cast<uintptr_t>(data), &ReleaseThreadData);
        // A store that cannot keep it (no table for this thread) must not
        // leave it to leak.
        if (TLS_GetItem(gThreadDataItem) != reinterpret_cast<uintptr_t>(data)) {
            delete data;
            return nullptr;
        }
    }
    tThreadData = data;
    return data;
}

// The switches copy whole records; they take the profile lock as well, so
// that a thread taking its copy never sees half a switch.  Switching to the
// profile already active changes nothing, so the number functions, which
// switch on every call, leave the threads' copies current.
extern "C" {

void ORVEXAPI FMTSetProfileDefault(void) {
    CRRegionHold hold(ProfileLock());
    SwitchActive(kFMTDefaultProfile);
}

void ORVEXAPI FMTSetProfileIntl(void) {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
    SwitchActive(gSystemProfile);
}

void ORVEXAPI FMTWinIniChanged(void) {
    CRRegionHold hold(ProfileLock());
    StaleFlag().store(1, std::memory_order_release);
}

} // extern "C"
