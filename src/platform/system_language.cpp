#include "system_language.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace platform {
namespace {

struct LocaleRow {
    std::string_view name; // language, or language_TERRITORY
    LANGID langId;
    UINT ansiCodePage;
};

// Longest match first: a language_TERRITORY row wins over the bare language.
constexpr LocaleRow kLocales[] = {
    {"ja_JP", 0x0411, 932},  {"ja", 0x0411, 932},     {"zh_CN", 0x0804, 936},  {"zh_SG", 0x1004, 936},
    {"zh_TW", 0x0404, 950},  {"zh_HK", 0x0C04, 950},  {"zh", 0x0804, 936},     {"ko_KR", 0x0412, 949},
    {"ko", 0x0412, 949},     {"he_IL", 0x040D, 1255}, {"he", 0x040D, 1255},    {"fa_IR", 0x0429, 1256},
    {"fa", 0x0429, 1256},    {"ar_SA", 0x0401, 1256}, {"ar_IQ", 0x0801, 1256}, {"ar_EG", 0x0C01, 1256},
    {"ar_LY", 0x1001, 1256}, {"ar_DZ", 0x1401, 1256}, {"ar_MA", 0x1801, 1256}, {"ar_TN", 0x1C01, 1256},
    {"ar_OM", 0x2001, 1256}, {"ar_YE", 0x2401, 1256}, {"ar_SY", 0x2801, 1256}, {"ar_JO", 0x2C01, 1256},
    {"ar_LB", 0x3001, 1256}, {"ar_KW", 0x3401, 1256}, {"ar_AE", 0x3801, 1256}, {"ar_BH", 0x3C01, 1256},
    {"ar_QA", 0x4001, 1256}, {"ar", 0x0401, 1256},    {"en_US", 0x0409, 1252}, {"en_GB", 0x0809, 1252},
    {"en_AU", 0x0C09, 1252}, {"en_CA", 0x1009, 1252}, {"en", 0x0409, 1252},    {"de_DE", 0x0407, 1252},
    {"de_CH", 0x0807, 1252}, {"de_AT", 0x0C07, 1252}, {"de", 0x0407, 1252},    {"fr_FR", 0x040C, 1252},
    {"fr_BE", 0x080C, 1252}, {"fr_CA", 0x0C0C, 1252}, {"fr_CH", 0x100C, 1252}, {"fr", 0x040C, 1252},
    {"es_ES", 0x0C0A, 1252}, {"es_MX", 0x080A, 1252}, {"es", 0x0C0A, 1252},    {"it_IT", 0x0410, 1252},
    {"it", 0x0410, 1252},    {"nl_NL", 0x0413, 1252}, {"nl_BE", 0x0813, 1252}, {"nl", 0x0413, 1252},
    {"pt_BR", 0x0416, 1252}, {"pt_PT", 0x0816, 1252}, {"pt", 0x0816, 1252},    {"da_DK", 0x0406, 1252},
    {"sv_SE", 0x041D, 1252}, {"sv_FI", 0x081D, 1252}, {"nb_NO", 0x0414, 1252}, {"fi_FI", 0x040B, 1252},
    {"pl_PL", 0x0415, 1250}, {"cs_CZ", 0x0405, 1250}, {"hu_HU", 0x040E, 1250}, {"ru_RU", 0x0419, 1251},
    {"uk_UA", 0x0422, 1251}, {"el_GR", 0x0408, 1253}, {"tr_TR", 0x041F, 1254}, {"th_TH", 0x041E, 874},
};

constexpr LanguageInfo kEnglishUS{0x0409, 1252};

// The first of the named variables that is set and not empty.
std::string_view FirstSetVariable(std::initializer_list<const char *> names) {
    for (const char *name : names) {
        const char *value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}

// "ja_JP.UTF-8@euro" -> the row of "ja_JP", else of "ja"; unknown and the C
// locale are US English.
LanguageInfo LookUp(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = locale.substr(0, locale.find('_'));
    for (std::string_view key : {locale, language}) {
        for (const LocaleRow &row : kLocales)
            if (row.name == key) return {row.langId, row.ansiCodePage};
    }
    return kEnglishUS;
}

} // namespace

// Both are read once per process, as a system reads them once at start.
LanguageInfo SystemLanguage() {
    static const LanguageInfo system = LookUp(FirstSetVariable({"LC_ALL", "LC_CTYPE", "LANG"}));
    return system;
}

LanguageInfo UserLanguage() {
    static const LanguageInfo user = LookUp(FirstSetVariable({"LC_ALL", "LC_MESSAGES", "LANG"}));
    return user;
}

} // namespace platform

extern "C" {

LANGID WINAPI GetSystemDefaultLangID(void) { return platform::SystemLanguage().langId; }

LANGID WINAPI GetUserDefaultLangID(void) { return platform::UserLanguage().langId; }

// A locale id of the default sort order is its language id.
LCID WINAPI GetUserDefaultLCID(void) { return platform::UserLanguage().langId; }

UINT WINAPI GetACP(void) { return platform::SystemLanguage().ansiCodePage; }

} // extern "C"
