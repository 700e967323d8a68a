// FMTGetMaxFormattedNumLen: how long the text of a picture can become.
#include <algorithm>
#include <cstring>

#include "datetime/intl_profile.h"
#include "numfmt/number_format.h"
#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/numfmt.h"

namespace {

int64_t GroupSeparators(int64_t digits) { return (digits - 1) / 3; }

// The mantissa with all its places, "E" and its sign, and the exponent's
// text; an exponent takes up to three digits (a NUMBER reaches 10^-121).
int64_t ScientificMaxLen(const char *section) {
    const char *mark = section + 2 + std::strcspn(section + 2, "Ee");
    const int64_t zeros = std::count(section + 2, mark, '0');
    const int64_t hashes = std::count(section + 2, mark, '#');
    const char *exponent = *mark ? mark + 1 + std::strcspn(mark + 1, "0#") : mark;
    const int64_t places = static_cast<int64_t>(std::strspn(exponent, "0#"));
    const int64_t rest = static_cast<int64_t>(std::strlen(exponent)) - places;
    return zeros + 2 + hashes + 2 + std::max<int64_t>(places, 3) + rest;
}

// The number of characters that a negative currency form adds to the
// symbol and the number.
int64_t NegativeCurrencyExtra(int32_t negFormat) {
    constexpr int kExtra[] = {2, 1, 1, 1, 2, 1, 1, 1, 2, 2, 2};
    return negFormat >= 0 && negFormat <= 10 ? kExtra[negFormat] : 0;
}

// The settings' number form (the empty picture): the places of the
// settings, a "0" at least before them.
int64_t NumberMaxLen(int32_t maxIntDigits) {
    const int32_t places = std::max(FMTGetIntlValue(3), 0);
    const int64_t digits = std::max(maxIntDigits, 1);
    return digits + GroupSeparators(digits) + (places > 0 ? places + 1 : 0);
}

// The settings' currency form.  Beside the sign's place that every picture
// without ";" gets, a space and a parenthesis are counted; the negative
// forms with two more characters than that get the difference.
int64_t CurrencyMaxLen(int32_t maxIntDigits) {
    const int32_t position = FMTGetIntlValue(10);
    const int32_t places = std::max(FMTGetIntlValue(4), 0);
    const int32_t negFormat = FMTGetIntlValue(5);
    const int64_t space = position == 2 || position == 3 ? 1 : 0;
    const int64_t parenthesis = negFormat == 0 || negFormat == 4 ? 1 : 0;
    int64_t length = static_cast<int64_t>(FMTFieldText(FMTGetIntlString(5), sizeof INTLPROFILE{}.sCurrency).size());
    if (places > 0) length += places + 1;
    const int64_t digits = std::max(maxIntDigits, 1);
    length += digits + GroupSeparators(digits);
    const int64_t counted = space + parenthesis + 1;
    return length + space + parenthesis + std::max<int64_t>(0, NegativeCurrencyExtra(negFormat) - counted);
}

int64_t PlainMaxLen(std::string_view section, int32_t maxIntDigits) {
    const FMTSectionLayout layout = FMTAnalyzeNumberSection(section, FMTGetSeparators(true, 0, 0), IntlInDBCSMode());
    int64_t length = layout.field ? layout.field - section.data() : static_cast<int64_t>(section.size());
    if (layout.places > 0) length += layout.places + 1;
    // Zero shows one "0" whatever the places.
    const int64_t digits = std::max<int64_t>({maxIntDigits, layout.zeros, 1});
    const std::string_view suffix = layout.suffix;
    // A percentage shows two more integer digits, and their separators.
    const int64_t percentDigits = suffix.starts_with('%') ? 2 : 0;
    length += digits + percentDigits;
    if (layout.grouping) length += GroupSeparators(digits + percentDigits);
    length += static_cast<int64_t>(suffix.size());
    const size_t pad = suffix.find('_');
    if (pad != std::string_view::npos && pad + 1 < suffix.size()) --length;
    return length;
}

int64_t SectionMaxLen(std::string_view section, int32_t maxIntDigits) {
    FMTScratchText text(section);
    return text.Ok() ? FMTGetSectionMaxLen(text.Data(), maxIntDigits) : 0;
}

} // namespace

int64_t FMTGetSectionMaxLen(const char *section, int32_t maxIntDigits) {
    if (FMTIsScientificPicture(section)) return ScientificMaxLen(section);
    if (std::strcmp(section, FMT_PICTURE_CURRENCY) == 0) return CurrencyMaxLen(maxIntDigits);
    if (!*section) return NumberMaxLen(maxIntDigits);
    return PlainMaxLen(section, maxIntDigits);
}

extern "C" int32_t ORVEXAPI FMTGetMaxFormattedNumLen(const char *picture, int32_t maxIntDigits, int32_t minLen) {
    if (!picture) picture = "";
    maxIntDigits = std::max(maxIntDigits, 0);
    // A tokenized picture is measured in its plain form under the profile.
    FMTCNTLBLOCK block{};
    FMTInitCntlBlock(&block);
    block.bUseIntl = 1;
    char plain[kFMTPlainPictureSize];
    if (const char *text = FMTPlainPictureOf(picture, block, plain)) picture = text;

    const FMTPictureSections sections = FMTSplitSections(picture);
    int64_t length = 0;
    if (!sections.HasSemicolon()) {
        length = FMTGetSectionMaxLen(picture, maxIntDigits) + 1;
    } else {
        for (int i = 0; i < std::min(sections.count, 3); ++i)
            length = std::max(length, SectionMaxLen(sections.section[i], maxIntDigits));
    }
    return static_cast<int32_t>(std::clamp<int64_t>(std::max<int64_t>(length, minLen), INT32_MIN, INT32_MAX));
}
