// FMTGetProfileIntl: the user's international settings read into a profile
// record, with the fix-ups the library's pictures need.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "datetime/intl_state.h"
#include "datetime/long_date_rewrite.h"
#include "orvexrt/datetime.h"

namespace {

constexpr const char *kInternationalKey = "Control Panel\\International";
constexpr DWORD kWorkBufferSize = 512;

// One value of the key read into a shared work buffer.  A value that cannot
// be read (absent, or longer than the buffer) leaves its field as it was.
class SettingsReader {
public:
    SettingsReader() {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kInternationalKey, 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~SettingsReader() {
        if (key_) RegCloseKey(key_);
    }
    SettingsReader(const SettingsReader &) = delete;
    SettingsReader &operator=(const SettingsReader &) = delete;

    // Reads a value; returns false when it cannot be read.
    bool Read(const char *name) {
        std::memset(buffer_, 0, sizeof buffer_);
        length_ = sizeof buffer_ - 1; // one zero byte always stays after the data
        if (!key_) return false;
        return RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE *>(buffer_), &length_) ==
               ERROR_SUCCESS;
    }

    // A number; the record's fields are packed, so callers assign it
    // rather than pass a reference to them.
    std::optional<int32_t> Number(const char *name) {
        if (!Read(name)) return std::nullopt;
        return std::atoi(buffer_);
    }

    // The value's bytes with their terminator, never more than the field holds.
    template <size_t N> void Text(const char *name, char (&field)[N]) {
        if (Read(name)) std::memcpy(field, buffer_, std::min<size_t>(length_, N));
    }

    // An AM or PM designator: a value of no bytes at all gives the fallback.
    void Designator(const char *name, char (&field)[5], const char *fallback) {
        if (!Read(name)) return;
        if (length_ == 0)
            std::strcpy(field, fallback);
        else
            std::memcpy(field, buffer_, std::min<size_t>(length_, sizeof field));
    }

    void Character(const char *name, char &field) {
        if (Read(name)) field = buffer_[0];
    }

private:
    HKEY key_ = nullptr;
    char buffer_[kWorkBufferSize];
    DWORD length_ = 0;
};

// A fixed text field that may lack its terminator.
template <size_t N> std::string_view FieldText(const char (&field)[N]) { return {field, strnlen(field, N)}; }

template <size_t N> void StoreText(char (&field)[N], std::string_view text) {
    const size_t n = std::min(text.size() + 1, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
    if (n > text.size()) field[text.size()] = '\0';
}

void FixShortDate(INTLPROFILE &p) {
    const std::string_view picture = FieldText(p.sShortDate);
    if (p.iCountry == 43 && picture == "yyyy-MM-dddd") StoreText(p.sShortDate, "yyyy-MM-dd");
    if (p.iCountry == 2 && std::string_view(p.sCountry, 14) == "Canada (French" && picture == "yy-MM-dd")
        StoreText(p.sShortDate, "yy/MM/dd");
}

// The date type from the state record's current date-type word.
int32_t DateTypeOf(const INTLSTATE &state) {
    if (lstrcmpiA(state.szCurrentDateType, state.szLongGregorian) == 0) return 0;
    if (lstrcmpiA(state.szCurrentDateType, state.szJapanGregorian) == 0) return 2;
    if (lstrcmpiA(state.szCurrentDateType, state.szJapanEmperor) == 0) return 3;
    return 1;
}

} // namespace

extern "C" void ORVEXAPI FMTGetProfileIntl(INTLPROFILE *profile) {
    if (!profile) return;
    INTLPROFILE &p = *profile;
    SettingsReader settings;
    if (auto v = settings.Number("iCountry")) p.iCountry = *v;
    // The currency placement code sets two flags; an unreadable code keeps them.
    if (auto code = settings.Number("iCurrency")) {
        const int32_t currency = *code;
        p.bCurrAfter = (currency == 1 || currency == 3) ? 1 : 0;
        p.bCurrSpace = (currency == 2 || currency == 3) ? 1 : 0;
    }
    if (auto v = settings.Number("iCurrDigits")) p.iCurrDigits = *v;
    if (auto v = settings.Number("iNegCurr")) p.iNegCurr = *v;
    if (auto v = settings.Number("iDate")) p.iDate = *v;
    if (auto v = settings.Number("iDigits")) p.iDigits = *v;
    if (auto v = settings.Number("iTime")) p.iTime = *v;
    if (auto v = settings.Number("iLzero")) p.iLzero = *v;
    if (auto v = settings.Number("iTLZero")) p.iTLZero = *v;
    if (auto v = settings.Number("iMeasure")) p.iMeasure = *v;

    settings.Text("sCountry", p.sCountry);
    settings.Text("sLanguage", p.sLanguage);
    settings.Text("sShortDate", p.sShortDate);
    FixShortDate(p);
    settings.Text("sLongDate", p.sLongDate);
    settings.Designator("s1159", p.s1159, "AM");
    settings.Designator("s2359", p.s2359, "PM");
    settings.Text("sTime", p.sTime);

    settings.Character("sDate", p.sDate);
    settings.Character("sDecimal", p.sDecimal);
    settings.Character("sList", p.sList);
    settings.Character("sThousand", p.sThousand);

    char currencySymbol[sizeof p.sCurrency];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, currencySymbol, sizeof currencySymbol) > 0)
        std::memcpy(p.sCurrency, currencySymbol, sizeof currencySymbol);

    StoreText(p.sLongDate, FMTRewriteLongDate(FieldText(p.sLongDate), p.iCountry));
    p.iDateType = DateTypeOf(gIntlState);
    p.iEmpDateBoundryCheck = 0;
}
