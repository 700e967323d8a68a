// The currency texts of a symbol, position and negative format, and the
// per-thread set built from the profile.
#include "numfmt/currency_affixes.h"

#include <cstring>
#include <new>

#include "datetime/intl_profile.h"
#include "frame/static_objects.h"
#include "frame/thread_items.h"
#include "numfmt/numfmt_text.h"

namespace {

// Each text as a format with one %s for the symbol.
struct AffixForms {
    const char *prefix;
    const char *suffix;
};

constexpr AffixForms kPositiveForms[] = {
    {"%s", ""},  // 0: $1
    {"", "%s"},  // 1: 1$
    {"%s ", ""}, // 2: $ 1
    {"", " %s"}, // 3: 1 $
};

constexpr AffixForms kNegativeForms[] = {
    {"(%s", ")"}, // 0: ($1)
    {"-%s", ""},  // 1: -$1
    {"%s-", ""},  // 2: $-1
    {"%s", "-"},  // 3: $1-
    {"(", "%s)"}, // 4: (1$)
    {"-", "%s"},  // 5: -1$
    {"", "-%s"},  // 6: 1-$
    {"", "%s-"},  // 7: 1$-
    {"-", " %s"}, // 8: -1 $
    {"-%s ", ""}, // 9: -$ 1
    {"", " %s-"}, // 10: 1 $-
};

template <size_t N> const AffixForms *FormAt(const AffixForms (&forms)[N], int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < N ? &forms[index] : nullptr;
}

// Writes a form with the symbol in place of its %s; the caller has checked
// that the symbol leaves room for the form's other characters.
void Render(char *out, const char *form, const char *symbol) {
    FMTTextSink text(out, kFMTAffixSize);
    for (const char *f = form; *f; ++f) {
        if (f[0] == '%' && f[1] == 's') {
            text.Put(symbol);
            ++f;
        } else {
            text.Put(*f);
        }
    }
}

} // namespace

bool FMTBuildCurrAffixes(int32_t position, int32_t negFormat, char *posPrefix, char *posSuffix, char *negPrefix,
                         char *negSuffix, const char *symbol) {
    posPrefix[0] = posSuffix[0] = negPrefix[0] = negSuffix[0] = '\0';
    if (!symbol) symbol = "";
    if (std::strlen(symbol) > static_cast<size_t>(kFMTMaxAffixSymbol)) return false;
    if (const AffixForms *forms = FormAt(kPositiveForms, position)) {
        Render(posPrefix, forms->prefix, symbol);
        Render(posSuffix, forms->suffix, symbol);
    }
    if (const AffixForms *forms = FormAt(kNegativeForms, negFormat)) {
        Render(negPrefix, forms->prefix, symbol);
        Render(negSuffix, forms->suffix, symbol);
    }
    return true;
}

bool FMTBuildCurrAffixes(int32_t position, int32_t negFormat, const char *symbol, CURRAFFIX *affixes) {
    const bool built = FMTBuildCurrAffixes(position, negFormat, affixes->szPosPrefix, affixes->szPosSuffix,
                                           affixes->szNegPrefix, affixes->szNegSuffix, symbol);
    affixes->bBuilt = 1;
    return built;
}

CURRAFFIX *FMTGetThreadCurrAffixes() {
    CURRAFFIX *affixes = TLSThreadObject<CURRAFFIX>(gCurrAffixItem, [] { return new (std::nothrow) CURRAFFIX{}; });
    if (affixes && !affixes->bBuilt) FMTBuildProfileCurrAffixes(affixes);
    return affixes;
}

void FMTBuildProfileCurrAffixes(CURRAFFIX *affixes) {
    // The profile's symbol field holds at most 4 characters, which always
    // fit; it may lack its terminator.
    char symbol[sizeof INTLPROFILE{}.sCurrency + 1] = {};
    const std::string_view text = FMTFieldText(FMTGetIntlString(5), sizeof symbol - 1);
    text.copy(symbol, text.size());
    FMTBuildCurrAffixes(FMTGetIntlValue(10), FMTGetIntlValue(5), symbol, affixes);
}
