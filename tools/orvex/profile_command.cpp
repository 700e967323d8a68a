// orvex profile: the international profile, field by field.
#include <cstdio>
#include <cstring>
#include <string>

#include "command.h"
#include "datetime/intl_profile.h"

namespace orvex {
namespace {

template <size_t N> std::string Text(const char (&field)[N]) { return std::string(field, strnlen(field, N)); }

std::string Character(char c) { return c ? std::string(1, c) : std::string(); }

void Print(const INTLPROFILE &p) {
    auto line = [](const char *name, const std::string &value) { std::printf("%-22s \"%s\"\n", name, value.c_str()); };
    auto number = [](const char *name, long long value) { std::printf("%-22s %lld\n", name, value); };
    number("iCountry", p.iCountry);
    line("sList", Character(p.sList));
    line("sCurrency", Text(p.sCurrency));
    number("bCurrSpace", p.bCurrSpace);
    number("bCurrAfter", p.bCurrAfter);
    number("iDigits", p.iDigits);
    line("sThousand", Character(p.sThousand));
    line("sDecimal", Character(p.sDecimal));
    number("iLzero", p.iLzero);
    number("iDate", p.iDate);
    line("sDate", Character(p.sDate));
    number("iTime", p.iTime);
    line("s1159", Text(p.s1159));
    line("s2359", Text(p.s2359));
    line("sTime", Text(p.sTime));
    number("iTLZero", p.iTLZero);
    number("iMeasure", p.iMeasure);
    number("iCurrDigits", p.iCurrDigits);
    number("iNegCurr", p.iNegCurr);
    line("sShortDate", Text(p.sShortDate));
    line("sLongDate", Text(p.sLongDate));
    line("sCountry", Text(p.sCountry));
    line("sLanguage", Text(p.sLanguage));
    number("iDateType", p.iDateType);
    number("iEmpDateBoundryCheck", p.iEmpDateBoundryCheck);
}

} // namespace

int RunProfile(Args args) {
    bool builtIn = false;
    for (std::string_view arg : args) {
        if (arg == "--default")
            builtIn = true;
        else
            return UsageError("profile takes only --default");
    }
    INTLPROFILE profile = kFMTDefaultProfile;
    if (!builtIn) FMTGetProfileIntl(&profile);
    Print(profile);
    return kSuccess;
}

} // namespace orvex
