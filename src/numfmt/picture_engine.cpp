// FMTFormatNumberPic: a value laid into the digit field of the picture
// section that its sign chooses, between the section's literal texts.
#include "number/number_core.h"
#include "numfmt/number_format.h"
#include "numfmt/number_rounding.h"
#include "numfmt/picture_reading.h"
#include "numfmt/picture_syntax.h"

namespace {

constexpr int kPositive = 0;
constexpr int kNegative = 1;
constexpr int kZero = 2;

// The section a value is shown by.
struct Choice {
    int index; // in the picture's sections
    std::string_view text;
};

class SectionWriter {
public:
    SectionWriter(FMTTextSink &out, FMTSeparators separators, bool dbcs)
        : out_(out), separators_(separators), dbcs_(dbcs) {}

    // Writes the section: the literal text before the digit field, the
    // rounded text R in the field, the literal text after it.
    // `point` is where the "." of R stands (npos without one).
    void Write(std::string_view section, const FMTSectionLayout &layout, std::string_view rounded, size_t point,
               bool minus) {
        if (minus) out_.Put('-');
        const char *end = section.data() + section.size();
        auto show = [this](const char *p, int width) { out_.Put(p, static_cast<size_t>(width)); };
        FMTReadLiteral(section.data(), layout.field ? layout.field : end, dbcs_, false, show, [] {});
        // A section without places shows its text alone.
        if (!layout.field) return;
        WriteDigits(layout, rounded, point);
        const char *suffix = layout.suffix.data();
        FMTReadLiteral(suffix, suffix + layout.suffix.size(), dbcs_, true, show, [this] { out_.Put(' '); });
    }

private:
    // Writes the digit field: the integer digits, led by "0"s up to the
    // section's zeros and grouped by three when the section groups, then
    // the decimal separator and the places that show.
    void WriteDigits(const FMTSectionLayout &layout, std::string_view rounded, size_t point) {
        const int integers = static_cast<int>(point == std::string_view::npos ? rounded.size() : point);
        std::string_view fraction = point == std::string_view::npos ? std::string_view() : rounded.substr(point);
        // Places beyond the "0" places show only when significant; without
        // places the point goes too.
        while (static_cast<int>(fraction.size()) - 1 > layout.minPlaces && fraction.back() == '0')
            fraction.remove_suffix(1);
        if (fraction.size() == 1) fraction = {};

        const int digits = layout.zeros > integers ? layout.zeros : integers;
        const int separators = layout.grouping && digits > 0 ? (digits - 1) / 3 : 0;
        char *p = out_.Append(static_cast<size_t>(digits + separators) + fraction.size());
        if (!p) return;
        const int zeros = digits - integers;
        // Digits left in the current group of three.
        int groupLeft = digits % 3 == 0 ? 3 : digits % 3;
        for (int i = 0; i < digits; ++i) {
            *p++ = i < zeros ? '0' : rounded[static_cast<size_t>(i - zeros)];
            if (layout.grouping && --groupLeft == 0 && i + 1 < digits) {
                *p++ = separators_.thousand;
                groupLeft = 3;
            }
        }
        if (fraction.empty()) return;
        *p++ = separators_.decimal;
        for (size_t i = 1; i < fraction.size(); ++i) *p++ = fraction[i];
    }

    FMTTextSink &out_;
    const FMTSeparators separators_;
    const bool dbcs_;
};

Choice ChooseSection(const FMTPictureSections &sections, bool negative, bool zero) {
    if (!sections.HasSemicolon()) return {kPositive, sections.section[kPositive]};
    const int index = negative ? kNegative : (zero && sections.count >= 3) ? kZero : kPositive;
    return {index, sections.section[index]};
}

// The section for a value whose rounded text shows zero, when that is
// another one than the section first chosen; -1 when it stays.  A negative
// value that shows as zero is not negative any more.
int ZeroSectionFor(const FMTPictureSections &sections, const Choice &chosen, bool &negative) {
    if (negative) {
        negative = false;
        if (!sections.HasSemicolon()) return -1;
        return sections.count >= 3 ? kZero : kPositive;
    }
    return sections.count >= 3 && chosen.index != kZero ? kZero : -1;
}

} // namespace

bool FMTFormatNumberPic(FMTTextSink &out, const char *picture, FMTSeparators separators, const NUMBER &value) {
    if (!picture || !*picture) return false;
    if (NumLengthOf(&value) == 0) return true;
    const int sign = FMTSignOf(value);
    bool negative = sign < 0;
    if (FMTIsScientificPicture(picture)) {
        // A host's unnormalised record (an exponent beyond the written range,
        // leading zero digits) is packed anew first, so that the exponent
        // taken from its digits and the mantissa scaled by it agree.
        NUMBER a;
        NumPackRecord(&a, NumUnpackRecord(&value, NumLengthOf(&value)));
        if (negative) NumNegate(&a);
        return FMTFormatSciNumber(out, picture, separators, a, negative);
    }

    const bool dbcs = IntlInDBCSMode();
    FMTPictureReading reading(picture, separators, dbcs);
    const FMTPictureSections &sections = reading.Sections();
    Choice chosen = ChooseSection(sections, negative, sign == 0);
    if (chosen.text.empty()) return true;
    FMTSectionLayout layout = reading.Layout(chosen.index);
    // The value is rounded with its sign, which the text then drops: the
    // section (or the "-" written before it) shows the sign.
    NUMBER scaled;
    const NUMBER *a = &value;
    if (layout.suffix.starts_with('%')) {
        if (!FMTScaleByPowerOf10(&scaled, value, 2)) return false;
        a = &scaled;
    }
    FMTRoundedText rounded;
    if (!FMTRoundToText(*a, layout.places, rounded)) return false;
    // The text without its sign, and where its point stands.
    auto magnitudeOf = [](const FMTRoundedText &text, size_t *point) {
        std::string_view view = text.View();
        *point = text.point < 0 ? std::string_view::npos : static_cast<size_t>(text.point);
        if (view.starts_with('-')) {
            view.remove_prefix(1);
            if (*point != std::string_view::npos) --*point;
        }
        return view;
    };
    size_t point;
    std::string_view magnitude = magnitudeOf(rounded, &point);

    if (FMTIsZeroText(magnitude)) {
        const int index = ZeroSectionFor(sections, chosen, negative);
        if (index >= 0 && index != chosen.index) {
            chosen = {index, sections.section[index]};
            if (chosen.text.empty()) return true;
            // The value shows as zero: zero with the new section's places.
            layout = reading.Layout(chosen.index);
            FMTRoundToText(FMTZeroNumber(), layout.places, rounded);
            magnitude = magnitudeOf(rounded, &point);
        }
    }
    SectionWriter(out, separators, dbcs)
        .Write(chosen.text, layout, magnitude, point, negative && !sections.HasSemicolon());
    return !out.Overflowed();
}
