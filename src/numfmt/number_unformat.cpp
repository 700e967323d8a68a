// FMTUnformatNumberStr: the value of a text that a number picture produced
// (or a user typed after it); FMTStripPictureText, FMTUnformatSciNumber.
#include <cstring>

#include "number/number_core.h"
#include "numfmt/number_rounding.h"
#include "numfmt/number_unformat.h"
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

// A literal text of a section, built in a copy of the section (it is never
// longer than the section).
class LiteralText {
public:
    explicit LiteralText(std::string_view section) : storage_(section), sink_(storage_.Data(), section.size() + 1) {}
    bool Ok() const { return storage_.Ok(); }
    void Put(const char *p, int width) { sink_.Put(p, static_cast<size_t>(width)); }
    std::string_view View() const { return {sink_.Data(), sink_.Size()}; }

private:
    FMTScratchText storage_;
    FMTTextSink sink_;
};

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

// The value of the text by one section: strip, then read.
bool SectionValue(const char *input, std::string_view section, bool allowLeadingMinus, const FMTNumberReading &reading,
                  NUMBER *value, bool *percent, bool *stripped) {
    FMTScratchText text(input);
    *stripped = text.Ok() && FMTStripPictureText(text.Data(), section, percent, allowLeadingMinus, reading.separators);
    return *stripped && ValidateNumber(text.Data(), reading, value);
}

// Pictures of sections: the positive section first, then the negative one
// (whose value is negated), then the zero section.
bool SectionsValue(const char *input, const FMTPictureSections &sections, const FMTNumberReading &reading,
                   NUMBER *value, bool *percent) {
    bool stripped;
    const std::string_view positive = sections.section[0], negative = sections.section[1];
    if (!positive.empty()) {
        if (SectionValue(input, positive, false, reading, value, percent, &stripped)) return true;
        if (!stripped) return false;
    }
    if (!negative.empty()) {
        if (SectionValue(input, negative, false, reading, value, percent, &stripped)) {
            NumNegate(value);
            return true;
        }
        if (!stripped) return false;
    } else if (sections.count < 3) {
        return false;
    }
    const std::string_view zero = sections.section[2];
    if (sections.count < 3 || zero.empty() || !SectionValue(input, zero, false, reading, value, percent, &stripped))
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
    const FMTPictureSections sections = FMTSplitSections(picture);
    if (sections.HasSemicolon()) {
        if (!SectionsValue(input, sections, reading, value, &percent)) return false;
    } else if (!(FMTIsScientificPicture(picture) && FMTUnformatSciNumber(input, reading, value))) {
        bool stripped;
        if (!SectionValue(input, picture, true, reading, value, &percent, &stripped)) return false;
    }
    return !percent || FMTScaleByPowerOf10(value, *value, -2);
}

} // namespace

bool FMTStripPictureText(char *text, std::string_view section, bool *percent, bool allowLeadingMinus,
                         FMTSeparators separators) {
    *percent = false;
    const bool dbcs = IntlInDBCSMode();
    const FMTSectionLayout layout = FMTNumberSectionLayout(section, separators, dbcs);
    if (!layout.field) return false;
    const char *end = section.data() + section.size();

    LiteralText prefix(section);
    if (!prefix.Ok()) return false;
    FMTReadLiteral(
        section.data(), layout.field, dbcs, false, [&](const char *p, int w) { prefix.Put(p, w); }, [] {});
    char *start = allowLeadingMinus && text[0] == '-' ? text + 1 : text;
    if (FMTStartsWith(start, prefix.View()))
        std::memmove(start, start + prefix.View().size(), std::strlen(start) - prefix.View().size() + 1);

    const char *p = layout.field;
    while (p < end && (FMTIsPlaceholder(*p) || FMTIsSingleAt(p, separators.decimal, dbcs) ||
                       (FMTIsSingleAt(p, separators.thousand, dbcs) && p + 1 < end && FMTIsPlaceholder(p[1]))))
        ++p;
    if (p == end) return true;
    *percent = *p == '%' && std::strchr(text, '%') != nullptr;
    LiteralText suffix(section);
    if (!suffix.Ok()) return false;
    FMTReadLiteral(
        p, end, dbcs, true, [&](const char *q, int w) { suffix.Put(q, w); }, [text] { IntlStripEndSpace(text, text); });
    const std::string_view tail = suffix.View();
    const size_t length = std::strlen(text);
    if (length >= tail.size() && std::memcmp(text + length - tail.size(), tail.data(), tail.size()) == 0)
        text[length - tail.size()] = '\0';
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
    const int exponent = FMTDecimalExponent(value);
    const int highest = kHighestTextExponent - (FMTIsNegative(value) ? 1 : 0);
    if (exponent < kLowestTextExponent || exponent > highest) return 0;
    block->numValue = value;
    FMTValueText(value, output);
    return 1;
}
