// The library's text mode, decided once at load from the system language:
// double-byte (Japanese, Chinese, Korean) or right-to-left (Arabic, Hebrew,
// Farsi) or neither.
#include "datetime/intl_state.h"
#include "orvexrt/intl.h"

namespace {

constexpr uint16_t kPrimaryLangMask = 0x3FF;

enum PrimaryLanguage : uint16_t {
    kArabic = 0x01,
    kChinese = 0x04,
    kHebrew = 0x0D,
    kJapanese = 0x11,
    kKorean = 0x12,
    kFarsi = 0x29,
};

IntlDBCSLanguage DBCSLanguageOf(uint16_t primaryLang) {
    switch (primaryLang) {
    case kJapanese:
        return INTL_DBCS_JAPANESE;
    case kChinese:
        return INTL_DBCS_CHINESE;
    case kKorean:
        return INTL_DBCS_KOREAN;
    default:
        return INTL_DBCS_NONE;
    }
}

// Takes a primary language identifier, or the low 8 bits of a locale
// identifier (where the primary language of each of these three lies).
bool IsRightToLeft(uint32_t lang) { return lang == kHebrew || lang == kFarsi || lang == kArabic; }

} // namespace

void ORVEXAPI IntlInit(void) {
    gIntlState.DBCSLanguage = INTL_DBCS_NONE;
    gIntlState.BiDiEnabled = 0;
    gIntlState.SystemLangID = 0;
    gIntlState.PrimaryLangID = 0;
    gIntlState.DBCSEnabled = 0;

    gIntlState.SystemLangID = GetSystemDefaultLangID();
    gIntlState.PrimaryLangID = gIntlState.SystemLangID & kPrimaryLangMask;
    const uint32_t userLocaleLow = GetUserDefaultLCID() & 0xFF;

    // Only the system language (which fixes the ANSI code page) can switch
    // on double-byte mode; the user locale may still ask for right-to-left.
    const IntlDBCSLanguage dbcs = DBCSLanguageOf(gIntlState.PrimaryLangID);
    if (dbcs != INTL_DBCS_NONE) {
        gIntlState.DBCSEnabled = 1;
        gIntlState.DBCSLanguage = dbcs;
        return;
    }
    if (IsRightToLeft(gIntlState.PrimaryLangID) || IsRightToLeft(userLocaleLow)) gIntlState.BiDiEnabled = 1;
}

int32_t ORVEXAPI IntlDBCSEnabled(void) { return gIntlState.DBCSEnabled; }

int32_t ORVEXAPI IntlIsBiDiEnabled(void) { return gIntlState.BiDiEnabled; }

uint16_t ORVEXAPI IntlDBCSBlank(void) {
    // The ideographic space of each double-byte language's code page.
    switch (gIntlState.DBCSLanguage) {
    case INTL_DBCS_JAPANESE:
        return 0x8140;
    case INTL_DBCS_CHINESE:
        return 0xA140;
    case INTL_DBCS_KOREAN:
        return 0xA1A1;
    default:
        return 0;
    }
}
