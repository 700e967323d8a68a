// FMTFormatSciNumber: a mantissa with the picture's places and an exponent
// laid out by the picture text after the exponent's sign.
#include <cstring>

#include "number/number_core.h"
#include "numfmt/number_format.h"
#include "numfmt/number_rounding.h"
#include "numfmt/picture_syntax.h"

namespace {

// The mantissa's text: at most the rounded text, a "0" put in front.
class Mantissa {
public:
    bool Render(const NUMBER &value, int places) {
        FMTRoundedText rounded;
        if (!FMTRoundToText(value, places, rounded)) return false;
        size_ = 0;
        if (rounded.text[0] == '.') text_[size_++] = '0';
        std::memcpy(text_ + size_, rounded.text, static_cast<size_t>(rounded.length));
        size_ += rounded.length;
        return true;
    }

    // Rounding carried the mantissa to 10: it becomes 1 with the same places
    // and the exponent grows by one.
    bool CarryToOne() {
        char *point = static_cast<char *>(std::memchr(text_, '.', static_cast<size_t>(size_)));
        const int integers = point ? static_cast<int>(point - text_) : size_;
        if (integers < 2) return false;
        if (point) {
            point[0] = point[-1];
            point[-1] = '.';
        }
        --size_;
        return true;
    }

    // Drops "0" places down to `minPlaces`; the point stays.
    void TrimPlaces(int minPlaces) {
        const char *point = static_cast<const char *>(std::memchr(text_, '.', static_cast<size_t>(size_)));
        if (!point) return;
        const int pointAt = static_cast<int>(point - text_);
        while (size_ - pointAt - 1 > minPlaces && text_[size_ - 1] == '0') --size_;
    }

    void Put(FMTTextSink &out, char decimal) const {
        for (int i = 0; i < size_; ++i) out.Put(text_[i] == '.' ? decimal : text_[i]);
    }

private:
    char text_[kFMTRoundedTextBuffer + 1];
    int size_ = 0;
};

// The "E" or "e" of a scientific picture: its first one after the "0" and
// the separator.
const char *ExponentMark(const char *picture, bool dbcs) {
    const char *p = picture + 2;
    while (*p && !(IntlCharWidth(p, dbcs) == 1 && (*p == 'E' || *p == 'e'))) p = IntlNextChar(p, dbcs);
    return p;
}

} // namespace

bool FMTFormatSciNumber(FMTTextSink &out, const char *picture, FMTSeparators separators, const NUMBER &a,
                        bool negative) {
    const bool dbcs = IntlInDBCSMode();
    const FMTSectionLayout layout = FMTAnalyzeNumberSection(picture, separators, dbcs);
    const char *mark = ExponentMark(picture, dbcs);
    if (!*mark) return false;
    const char sign = mark[1];

    const NUMBER zero = FMTZeroNumber();
    NUMBER one;
    NumCreateSmall(&one, 1);
    NUMBER scaled = a;
    int exponent;
    if (NumCompare(&a, &one) >= 0 || NumCompare(&a, &zero) == 0) {
        // The digits of the value rounded to a whole number decide.
        NUMBER whole;
        NumRound(&whole, &a, 0);
        const int digits = NumCompare(&whole, &zero) == 0 ? 1 : FMTDecimalExponent(whole);
        if (digits >= 2 && !FMTScaleByPowerOf10(&scaled, a, 1 - digits)) return false;
        exponent = digits - 1;
    } else {
        const int shift = 1 - FMTDecimalExponent(a);
        if (!FMTScaleByPowerOf10(&scaled, a, shift)) return false;
        exponent = -shift;
    }

    Mantissa mantissa;
    if (!mantissa.Render(scaled, layout.places)) return false;
    if (mantissa.CarryToOne()) ++exponent;
    mantissa.TrimPlaces(layout.minPlaces);

    if (negative) out.Put('-');
    mantissa.Put(out, separators.decimal);
    out.Put(*mark);
    if (exponent < 0)
        out.Put('-');
    else if (sign == '+')
        out.Put('+');
    NUMBER magnitude;
    NumLongToNumber(&magnitude, exponent < 0 ? -exponent : exponent);
    return FMTFormatNumberPic(out, sign ? mark + 2 : mark + 1, separators, magnitude);
}
