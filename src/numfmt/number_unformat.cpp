// FMTUnformatNumberStr: the value of a text that a number picture produced
// (or a user typed after it); FMTStripPictureText, FMTUnformatSciNumber.
#include <cstring>

#include "number/number_core.h"
#include "numfmt/number_rounding.h"
#include "numfmt/number_unformat.h"
#include "numfmt/picture_reading.h"
#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/intl.h"
#include "orvexrt/numfmt.h"

namespace {

// NumToAscii at the width of the output text (108) writes a value exactly from 10^-99 up to below
// 10^108, 10^107 for a negative one, whose "-" takes a place (P from -98 to
// 108 or 107); beyond, its exponent is capped at 99.
constexpr int kLowestTextExponent = -98;
constexpr int kHighestTextExponent = 108;
// Exponents beyond this move any mantissa out of the NUMBER range.
constexpr int32_t kLargestExponent = 400;

// Whether `text` shows literal picture text [from, to) from its start: the
// number of bytes it takes, or 0 when it does not (or the literal is empty).
// With pads, "_" and its character show nothing and run `pad` first.
template <typename Pad>
size_t LiteralLengthAt(const char *text, const char *from, const char *to, bool dbcs, bool pads, Pad pad) {
    size_t matched = 0;
    bool same = true;
    FMTReadLiteral(
        from, to, dbcs, pads,
        [&](const char *p, int width) {
            same = same && std::strncmp(text + matched, p, static_cast<size_t>(width)) == 0;
            matched += static_cast<size_t>(width);
        },
        pad);
    return same ? matched : 0;
}

// The length of literal picture text [from, to) as shown, "_" and its
// character showing nothing; *pads tells whether there was one.
size_t LiteralLength(const char *from, const char *to, bool dbcs, bool *pads) {
    size_t length = 0;
    FMTReadLiteral(
        from, to, dbcs, true, [&](const char *, int width) { length += static_cast<size_t>(width); },
        [pads] { *pads = true; });
    return length;
}

// A text that is not empty, read in the settings' number form.
bool ValidateNumber(char *text, const FMTNumberReading &reading, NUMBER *value) {
    return *text && FMTValidateNumberText(text, false, reading, value);
}

// A whole exponent of at most kLargestExponent.
bool ExponentValue(char *text, const FMTNumberReading &reading, int32_t *exponent) {
    NUMBER value;
    if (!ValidateNumber(text, reading, &value)) return false;
    int32_t overflow = 0;
    const int32_t whole = NumToLongReply(&value, &overflow);
    NUMBER back;
    NumLongToNumber(&back, whole);
    if (overflow || NumCompare(&back, &value) != 0 || whole > kLargestExponent || whole < -kLargestExponent)
        return false;
    *exponent = whole;
    return true;
}

// The value of the text by one section of the picture: strip, then read.
bool SectionValue(const char *input, FMTPictureReading &picture, int index, bool allowLeadingMinus,
                  const FMTNumberReading &reading, NUMBER *value, bool *percent, bool *stripped) {
    // A section that is its digit field alone leaves nothing to strip: a
    // common number text is read where it stands.
    const std::string_view section = picture.Sections().section[index];
    const FMTSectionLayout layout = picture.Layout(index);
    if (layout.field == section.data() && layout.digitsEnd == section.data() + section.size()) {
        const std::string_view text(input);
        const FMTQuickReading quick = FMTHasNoBlanksToTrim(text)
                                          ? FMTReadCommonNumberText(text, reading.separators, value)
                                          : FMTQuickReading::kOther;
        if (quick != FMTQuickReading::kOther) {
            *percent = false;
            *stripped = true;
            return quick == FMTQuickReading::kValid;
        }
    }
    FMTScratchText text(input);
    *stripped = text.Ok() && FMTStripPictureText(text.Data(), section, layout, percent, allowLeadingMinus);
    return *stripped && ValidateNumber(text.Data(), reading, value);
}

// Pictures of sections: the positive section first, then the negative one
// (whose value is negated), then the zero section.
bool SectionsValue(const char *input, FMTPictureReading &picture, const FMTNumberReading &reading, NUMBER *value,
                   bool *percent) {
    bool stripped;
    const FMTPictureSections &sections = picture.Sections();
    const std::string_view positive = sections.section[0], negative = sections.section[1];
    if (!positive.empty()) {
        if (SectionValue(input, picture, 0, false, reading, value, percent, &stripped)) return true;
        if (!stripped) return false;
    }
    if (!negative.empty()) {
        if (SectionValue(input, picture, 1, false, reading, value, percent, &stripped)) {
            NumNegate(value);
            return true;
        }
        if (!stripped) return false;
    } else if (sections.count < 3) {
        return false;
    }
    const std::string_view zero = sections.section[2];
    if (sections.count < 3 || zero.empty() ||
        !SectionValue(input, picture, 2, false, reading, value, percent, &stripped))
        return false;
    *value = FMTZeroNumber();
    return true;
}

bool PictureValue(const char *input, const char *picture, const FMTNumberReading &reading, NUMBER *value) {
    bool percent = false;
    if (std::strcmp(picture, FMT_PICTURE_CURRENCY) == 0) {
        FMTScratchText text(input);
        return text.Ok() && FMTValidateNumberText(text.Data(), true, reading, value);
    }
    FMTPictureReading sections(picture, reading.separators, IntlInDBCSMode());
    if (sections.Sections().HasSemicolon()) {
        if (!SectionsValue(input, sections, reading, value, &percent)) return false;
    } else if (!(FMTIsScientificPicture(picture) && FMTUnformatSciNumber(input, reading, value))) {
        bool stripped;
        if (!SectionValue(input, sections, 0, true, reading, value, &percent, &stripped)) return false;
    }
    return !percent || FMTScaleByPowerOf10(value, *value, -2);
}

} // namespace

bool FMTStripPictureText(char *text, std::string_view section, const FMTSectionLayout &layout, bool *percent,
                         bool allowLeadingMinus) {
    *percent = false;
    if (!layout.field) return false;
    const bool dbcs = IntlInDBCSMode();
    const char *end = section.data() + section.size();

    char *start = allowLeadingMinus && text[0] == '-' ? text + 1 : text;
    if (const size_t prefix = LiteralLengthAt(start, section.data(), layout.field, dbcs, false, [] {}))
        std::memmove(start, start + prefix, std::strlen(start) - prefix + 1);

    const char *p = layout.digitsEnd;
    if (p == end) return true;
    *percent = *p == '%' && std::strchr(text, '%') != nullptr;
    // "_" and its character trim the text's trailing white space; then the
    // suffix's literal text goes from the end.
    bool pads = false;
    const size_t suffix = LiteralLength(p, end, dbcs, &pads);
    if (pads) IntlStripEndSpace(text, text);
    const size_t length = std::strlen(text);
    if (length >= suffix && LiteralLengthAt(text + length - suffix, p, end, dbcs, true, [] {}) == suffix)
        text[length - suffix] = '\0';
    return true;
}

bool FMTUnformatSciNumber(const char *input, const FMTNumberReading &reading, NUMBER *value) {
    FMTScratchText scratch(input);
    if (!scratch.Ok()) return false;
    char *text = FMTTrimBlanks(scratch.Data());
    const char allowed[] = {
        '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '+', 'e', 'E', reading.separators.decimal, '\0'};
    if (text[std::strspn(text, allowed)] != '\0') return false;
    char *mark = std::strchr(text, 'e');
    if (!mark || std::strchr(mark + 1, 'e')) {
        if (mark) return false;
        mark = std::strchr(text, 'E');
        if (!mark || std::strchr(mark + 1, 'E')) return false;
    }
    const bool negative = text[0] == '-';
    char *mantissa = text[0] == '-' || text[0] == '+' ? text + 1 : text;
    if (mark < mantissa) return false;
    *mark = '\0';
    char *exponentText = mark + 1;
    const bool negativeExponent = *exponentText == '-';
    if (*exponentText == '-' || *exponentText == '+') ++exponentText;

    NUMBER result;
    int32_t exponent;
    if (!ValidateNumber(mantissa, reading, &result) || !ExponentValue(exponentText, reading, &exponent)) return false;
    if (!FMTScaleByPowerOf10(&result, result, negativeExponent ? -exponent : exponent)) return false;
    if (negative) NumNegate(&result);
    *value = result;
    return true;
}

extern "C" uint32_t ORVEXAPI FMTUnformatNumberStr(FMTCNTLBLOCK *block) {
    if (!block) return 0;
    char *output = block->lpszOutput;
    if (output) output[0] = '\0';
    const char *input = block->lpszInput, *picture = block->lpszPicture;
    if (!(block->dwFlags & FMT_FLAG_PREPARED) || !output || !input || !*input || !picture || !*picture) return 0;
    char plain[kFMTPlainPictureSize];
    picture = FMTPlainPictureOf(picture, *block, plain);
    if (!picture) return 0;
    FMTNumberReading reading;
    FMTGetNumberReading(*block, reading);
    NUMBER value;
    if (!PictureValue(input, picture, reading, &value)) return 0;
    if (!FMTValueTextWithin(value, kLowestTextExponent, kHighestTextExponent, output)) return 0;
    block->numValue = value;
    return 1;
}
