// NUMBER to decimal text within a width: the plain form where it fits, the
// scientific form where it does not, rounding on the first character that
// does not fit.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "number/number_core.h"

namespace {

// Longest text either form can produce here: "-", a point and 122 zeros
// after it, and 46 significant digits; or a scientific text within a width
// of that size.
constexpr int kTextCapacity = 256;

// The significant characters S of a value and the position P of its point:
// value = 0.S x 10^P.  S has no leading or trailing "0".
struct Significand {
    char chars[2 * kNumMaxPositiveDigits + 2];
    int count = 0;
    int point = 0;

    std::string_view View() const { return {chars, static_cast<size_t>(count)}; }

    // Rounds S to `keep` characters (0 or more), half up on the first
    // character dropped; a carry past the first character leaves "1" one
    // place higher.
    void RoundTo(int keep) {
        if (keep < 0) {
            count = 0; // the place falls among the zeros after the point
            return;
        }
        if (keep >= count) return;
        const bool up = chars[keep] >= '5';
        count = keep;
        if (up) {
            int i = keep - 1;
            while (i >= 0 && chars[i] == '9') chars[i--] = '0';
            if (i >= 0) {
                ++chars[i];
            } else {
                chars[0] = '1';
                count = 1;
                ++point;
            }
        }
        while (count > 0 && chars[count - 1] == '0') --count;
    }
};

Significand SignificandOf(const NumUnpacked &u) {
    Significand s;
    for (int i = 0; i < u.count; ++i) {
        s.chars[2 * i] = static_cast<char>('0' + u.digits[i] / 10);
        s.chars[2 * i + 1] = static_cast<char>('0' + u.digits[i] % 10);
    }
    s.count = 2 * u.count;
    s.point = 2 * u.Exponent();
    while (s.count > 0 && s.chars[s.count - 1] == '0') --s.count;
    // A written value has one leading "0" at most (a first digit below 10);
    // a host's unnormalised record may have more.
    int leading = 0;
    while (leading < s.count && s.chars[leading] == '0') ++leading;
    std::memmove(s.chars, s.chars + leading, static_cast<size_t>(s.count - leading));
    s.count -= leading;
    s.point -= leading;
    if (s.count == 0) s.point = 0;
    return s;
}

// Appends to a bounded text.
class Text {
public:
    void Put(char c) {
        if (length_ < kTextCapacity) buffer_[length_++] = c;
    }
    void Put(std::string_view s) {
        for (char c : s) Put(c);
    }
    void Repeat(char c, int n) {
        for (int i = 0; i < n; ++i) Put(c);
    }
    int Length() const { return length_; }
    const char *Data() const { return buffer_; }

private:
    char buffer_[kTextCapacity];
    int length_ = 0;
};

enum class Form { kPlain, kScientific };

struct Layout {
    Form form;
    int places; // digit places: of the plain text, or the mantissa's digits
};

// Chooses the form and the digit places for a width w (after the sign).
Layout ChooseLayout(const Significand &s, int w) {
    const int d = s.count, p = s.point;
    if (p < 1) {
        const int zeros = -p;
        if (w <= zeros + d + 1 && zeros >= 4) return {Form::kScientific, w - 5};
        return {Form::kPlain, d == 0 ? w : w - 1};
    }
    const bool needsPoint = d > p;
    const int integerDigits = std::min(p, d);
    const bool trailingZeros = p > d;
    if (p > w) return {Form::kScientific, w - 5};
    if (needsPoint && w == 1) return {Form::kPlain, 1};
    if (trailingZeros || w > integerDigits) return {Form::kPlain, w - (needsPoint ? 1 : 0)};
    return {Form::kPlain, integerDigits};
}

void WriteScientific(Text &text, Significand s, int mantissa, bool negative) {
    s.RoundTo(mantissa);
    int exponent = s.point - 1;
    std::string_view digits = s.View();
    const bool outOfRange = exponent < -99 || exponent > 99;
    if (negative) text.Put('-');
    auto digitAt = [&](int i) { return outOfRange ? '9' : (i < static_cast<int>(digits.size()) ? digits[i] : '0'); };
    text.Put(digitAt(0));
    text.Put('.');
    for (int i = 1; i < mantissa; ++i) text.Put(digitAt(i));
    if (outOfRange) exponent = exponent < 0 ? -99 : 99;
    text.Put('E');
    text.Put(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text.Put(static_cast<char>('0' + magnitude / 10));
    text.Put(static_cast<char>('0' + magnitude % 10));
}

// Writes the plain form with `places` digit places; returns false when the
// rounded integer part no longer fits the width w.
bool WritePlain(Text &text, Significand s, int places, int w, bool negative) {
    const int zerosAfterPoint = s.point < 1 ? -s.point : 0;
    s.RoundTo(s.point < 1 ? places - zerosAfterPoint : places);
    if (s.point > w) return false;
    const std::string_view digits = s.View();
    if (digits.empty()) return true; // nothing significant fits
    if (negative) text.Put('-');
    if (s.point >= 1) {
        const int integer = std::min<int>(s.point, static_cast<int>(digits.size()));
        text.Put(digits.substr(0, integer));
        text.Repeat('0', s.point - integer);
        if (integer < static_cast<int>(digits.size())) {
            text.Put('.');
            text.Put(digits.substr(integer));
        }
    } else {
        text.Put('.');
        text.Repeat('0', -s.point);
        text.Put(digits);
    }
    return true;
}

} // namespace

extern "C" int32_t ORVEXAPI NumToAscii(const NUMBER *value, char *out, int32_t width) {
    if (!out) return 0;
    out[0] = '\0';
    if (!value) return 0;
    const int length = NumLengthOf(value);
    if (length == 0 || !NumIsValidLength(length)) return 0;
    const NumUnpacked u = NumUnpackRecord(value, length);
    const Significand s = SignificandOf(u);
    int w = width & 0xFFFF;
    if (u.negative) --w;

    Text text;
    if (s.count == 0) {
        if (w < 1) return 0;
        text.Put('0');
    } else {
        Layout layout = ChooseLayout(s, w);
        if (layout.places < 1) return 0;
        if (layout.form == Form::kPlain && !WritePlain(text, s, layout.places, w, u.negative))
            layout = {Form::kScientific, w - 5};
        if (layout.form == Form::kScientific) {
            if (layout.places < 1) return 0;
            WriteScientific(text, s, layout.places, u.negative);
        }
        if (text.Length() == 0) text.Put('0');
    }
    std::memcpy(out, text.Data(), static_cast<size_t>(text.Length()));
    out[text.Length()] = '\0';
    return text.Length();
}
