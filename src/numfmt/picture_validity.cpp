// FMTIsNumberPicValid: the syntax of number pictures.
#include "numfmt/picture_validity.h"

#include <cstring>

#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/numfmt.h"

namespace {

bool IsParenthesisFormat(int32_t negFormat) { return negFormat == 0 || negFormat == 4; }

// A run of "#" and "0" in which no "0" follows a "#".
bool IsTrailingPlaceRun(const char *from, const char *to) {
    bool hash = false;
    for (const char *p = from; p < to; ++p) {
        if (!FMTIsPlaceholder(*p) || (hash && *p == '0')) return false;
        hash = hash || *p == '#';
    }
    return from < to;
}

class SectionJudge {
public:
    SectionJudge(std::string_view section, int kind, const FMTPictureSettings &settings, bool &currencySeen)
        : p_(section.data()), end_(section.data() + section.size()), kind_(kind), settings_(settings),
          currencySeen_(currencySeen), dbcs_(IntlInDBCSMode()) {}

    bool Judge() {
        while (p_ < end_) {
            const int width = IntlCharWidth(p_, dbcs_);
            const char c = width == 1 ? *p_ : '\0';
            if (FMTIsQuote(c)) {
                bool closed;
                p_ = FMTSkipQuoted(p_, end_, dbcs_, true, &closed);
                if (!closed) return false;
            } else if (FMTIsPlaceholder(c)) {
                if (digitsSeen_ || !DigitField()) return false;
            } else if (c == '_') {
                // "_" reserves the room of the section's last character.
                const char *reserved = p_ + 1;
                if (reserved >= end_ || reserved + IntlCharWidth(reserved, dbcs_) != end_) return false;
                break;
            } else if (!OtherCharacter(width)) {
                return false;
            }
        }
        return !openSeen_ || closeSeen_;
    }

private:
    bool IsNegative() const { return kind_ == kFMTSectionNegative; }
    bool IsThousand(const char *p) const { return FMTIsSingleAt(p, settings_.separators.thousand, dbcs_); }
    bool IsDecimal(const char *p) const { return FMTIsSingleAt(p, settings_.separators.decimal, dbcs_); }

    // The digit field: "#" before "0" in the integer places and "0" before
    // "#" in the fraction, groups of exactly three places.
    bool DigitField() {
        digitsSeen_ = true;
        const char *lastSeparator = nullptr;
        bool decimalSeen = false, zeroSeen = false, hashInFraction = false;
        for (; p_ < end_; ++p_) {
            if (*p_ == '#') {
                if (!decimalSeen && zeroSeen) return false;
                hashInFraction = decimalSeen;
            } else if (*p_ == '0') {
                if (hashInFraction) return false;
                zeroSeen = true;
            } else if (IsThousand(p_)) {
                if (p_ + 1 >= end_ || !FMTIsPlaceholder(p_[1])) {
                    // A separator after the places belongs to the text after
                    // the field; only a space or a quote may stand there.
                    const char thousand = settings_.separators.thousand;
                    return thousand == ' ' || thousand == '\'';
                }
                if (decimalSeen || (lastSeparator && p_ - lastSeparator != 4)) return false;
                lastSeparator = p_;
            } else if (IsDecimal(p_)) {
                if (decimalSeen || (lastSeparator && p_ - lastSeparator != 4)) return false;
                decimalSeen = true;
            } else {
                if (*p_ == '%') ++p_;
                return true;
            }
        }
        return true;
    }

    bool OtherCharacter(int width) {
        const char c = width == 1 ? *p_ : '\0';
        const bool parenthesisFormat = IsNegative() && IsParenthesisFormat(settings_.negFormat);
        if (parenthesisFormat && c == ')' && openSeen_ && digitsSeen_) {
            if (closeSeen_) return false;
            closeSeen_ = true;
            ++p_;
            return true;
        }
        if (const size_t affix = AffixHere()) {
            if (minusSeen_ || openSeen_) return false;
            currencySeen_ = true;
            p_ += affix;
            return true;
        }
        if (parenthesisFormat && c == '(') {
            if (currencySeen_ || digitsSeen_ || minusSeen_ || openSeen_) return false;
            openSeen_ = true;
        } else if (IsNegative() && c == '-') {
            if (minusSeen_ || currencySeen_ || openSeen_ || closeSeen_) return false;
            minusSeen_ = true;
        } else if (c != ' ') {
            return false;
        }
        ++p_;
        return true;
    }

    // The length of the section's currency text that stands here; the zero
    // section also takes the negative texts.
    size_t AffixHere() const {
        const CURRAFFIX &a = settings_.affixes;
        const char *positive = digitsSeen_ ? a.szPosSuffix : a.szPosPrefix;
        const char *negative = digitsSeen_ ? a.szNegSuffix : a.szNegPrefix;
        if (!IsNegative() && FMTStartsWith(p_, positive)) return std::strlen(positive);
        if ((IsNegative() || kind_ == kFMTSectionZero) && FMTStartsWith(p_, negative)) return std::strlen(negative);
        return 0;
    }

    const char *p_;
    const char *const end_;
    const int kind_;
    const FMTPictureSettings &settings_;
    bool &currencySeen_;
    const bool dbcs_;
    bool digitsSeen_ = false, minusSeen_ = false, openSeen_ = false, closeSeen_ = false;
};

} // namespace

bool FMTIsSciNumberPicValid(const char *picture) {
    const char *mantissa = picture + 2;
    const char *e = mantissa + std::strcspn(mantissa, "Ee");
    if (!*e || !IsTrailingPlaceRun(mantissa, e)) return false;
    if (e[1] != '+' && e[1] != '-') return false;
    const char *exponent = e + 2;
    return IsTrailingPlaceRun(exponent, exponent + std::strlen(exponent));
}

bool FMTIsNumberSectionValid(const FMTPictureSettings &settings, std::string_view section, int kind,
                             bool &currencySeen) {
    return SectionJudge(section, kind, settings, currencySeen).Judge();
}

bool FMTIsPlainPictureValid(const char *picture, const FMTPictureSettings &settings) {
    if (FMTIsSettingsFormPicture(picture)) return true;
    if (FMTIsScientificPicture(picture)) return FMTIsSciNumberPicValid(picture);
    const FMTPictureSections sections = FMTSplitSections(picture);
    if (sections.count > 3) return false;
    bool currencySeen = false;
    for (int i = 0; i < sections.count; ++i) {
        if (!sections.section[i].empty() &&
            !FMTIsNumberSectionValid(settings, sections.section[i], kFMTSectionPositive + i, currencySeen))
            return false;
    }
    return true;
}

extern "C" int32_t ORVEXAPI FMTIsNumberPicValid(const FMTCNTLBLOCK *block) {
    if (!block || !block->lpszPicture) return 0;
    const char *picture = block->lpszPicture;
    if (FMTIsSettingsFormPicture(picture)) return 1;
    if (FMTIsScientificPicture(picture)) return FMTIsSciNumberPicValid(picture) ? 1 : 0;
    char plain[kFMTPlainPictureSize];
    picture = FMTPlainPictureOf(picture, *block, plain);
    FMTPictureSettings settings;
    if (!picture || !FMTGetPictureSettings(*block, settings)) return 0;
    return FMTIsPlainPictureValid(picture, settings) ? 1 : 0;
}
