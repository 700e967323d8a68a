// The active, default and system copies of the international profile, the
// stale flag, and the accessors through which every FMT function reads the
// profile.  Everything here runs under the profile lock.
#include "datetime/intl_profile.h"

#include <windows.h>

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

CR_SECT *ProfileLock() { return &gFMTProfileLock; }

void RefreshLocked() {
    if (!gIntlState.bProfileStale) return;
    gIntlState.bProfileStale = 0;
    FMTGetProfileIntl(&gActiveProfile);
    gSystemProfile = gActiveProfile;
}

// The iCurrency code of Windows rebuilt from the two placement flags.
int32_t CurrencyCode(const INTLPROFILE &p) { return (p.bCurrSpace ? 2 : 0) + (p.bCurrAfter ? 1 : 0); }

} // namespace

void FMTRefreshProfile() {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
}

const char *FMTGetIntlString(int32_t index) {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
    switch (index) {
    case 0:
        return gActiveProfile.sShortDate;
    case 1:
        return gActiveProfile.sLongDate;
    case 2:
        return gActiveProfile.sTime;
    case 3:
        return gActiveProfile.s1159;
    case 4:
        return gActiveProfile.s2359;
    case 5:
        return gActiveProfile.sCurrency;
    case 6:
    case 7: {
        FMTTHREADDATA *data = FMTThreadData();
        if (!data) return nullptr;
        data->szSeparator[0] = index == 6 ? gActiveProfile.sThousand : gActiveProfile.sDecimal;
        data->szSeparator[1] = '\0';
        return data->szSeparator;
    }
    default:
        return nullptr;
    }
}

int32_t FMTGetIntlValue(int32_t index) {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
    const INTLPROFILE &p = gActiveProfile;
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
    CRRegionHold hold(ProfileLock());
    return TLSThreadObject<FMTTHREADDATA>(gThreadDataItem, [] {
        auto *data = new (std::nothrow) FMTTHREADDATA{};
        if (data) data->nLongestDayName = data->nLongestMonthName = -1;
        return data;
    });
}

// The switches copy whole records; they take the profile lock as well, so
// that a thread reading a field never sees half a switch.
extern "C" {

void ORVEXAPI FMTSetProfileDefault(void) {
    CRRegionHold hold(ProfileLock());
    gActiveProfile = kFMTDefaultProfile;
}

void ORVEXAPI FMTSetProfileIntl(void) {
    CRRegionHold hold(ProfileLock());
    RefreshLocked();
    gActiveProfile = gSystemProfile;
}

void ORVEXAPI FMTWinIniChanged(void) {
    CRRegionHold hold(ProfileLock());
    gIntlState.bProfileStale = 1;
}

} // extern "C"
