// FMTInitCntlBlock: a control block prepared for a request.
#include <cstring>

#include "orvexrt/datetime.h"

namespace {

// Flags the preparation sets, and the bits it keeps as the caller left
// them (0x2000 and above); everything between is cleared.
constexpr uint32_t kPreparedFlags = FMT_FLAG_DEFAULT_PICTURES | FMT_FLAG_MICROSECONDS | FMT_FLAG_PREPARED;
constexpr uint32_t kCallerFlags = ~uint32_t{0x1FFF};

} // namespace

extern "C" void ORVEXAPI FMTInitCntlBlock(FMTCNTLBLOCK *block) {
    if (!block) return;
    FMTCNTLBLOCK &b = *block;
    b.nType = -1;
    b.lpszInput = b.lpszOutput = b.lpszShortPic = b.lpszLongPic = nullptr;
    b.b24Hour = 0;
    b.lpszTimeSep = nullptr;
    b.bTLzero = 0;
    b.lpszAM = b.lpszPM = nullptr;
    b.bUseIntl = 0;
    std::memset(&b.dtValue, 0, sizeof b.dtValue);
    b.nPicSelect = 0;
    b.lpszPicture = nullptr;
    b.cThousand = b.cDecimal = 0;
    b.dblValue = 0.0;
    b.bLzero = 0;
    b.nDigits = 0;
    b.bEmpBoundaryCheck = 0;
    b.hWnd = nullptr;
    b.uMsg = b.wParam = 0;
    b.lParam = 0;
    b.dwFlags = (b.dwFlags & kCallerFlags) | kPreparedFlags;
    NumCreateSmall(&b.numValue, 0);
    b.nCountry = 1;
    // lpszCurrency, nCurrPos, nNegCurr, the host word and lResult are the
    // caller's.
}
