// FMTTokenizeNumberPic: a picture written for the current settings turned
// into settings-independent bytes.
#include <cstring>

#include "datetime/intl_profile.h"
#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/numfmt.h"

namespace {

constexpr int kPositiveSection = 0;
constexpr int kNegativeSection = 1;
constexpr int kZeroSection = 2;

class Tokenizer {
public:
    Tokenizer(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out)
        : p_(picture), end_(picture + std::strlen(picture)), settings_(settings), affixes_(settings.affixes), out_(out),
          dbcs_(IntlInDBCSMode()) {}

    void Run() {
        while (*p_ && !out_.Overflowed()) Step();
        RestoreLoneMinus();
    }

private:
    void Step() {
        const int width = IntlCharWidth(p_, dbcs_);
        const char c = width == 1 ? *p_ : '\0';
        if (c == ';') {
            out_.Put(*p_++);
            ++section_;
            digitsSeen_ = false;
        } else if (FMTIsQuote(c)) {
            bool closed;
            const char *end = FMTSkipQuoted(p_, end_, dbcs_, true, &closed);
            out_.Put(p_, static_cast<size_t>(end - p_));
            p_ = end;
        } else if (FMTIsPlaceholder(c)) {
            DigitField();
        } else if (c == '_') {
            Pad();
        } else {
            OtherText(width);
        }
    }

    bool IsPositiveLike() const { return section_ == kPositiveSection || section_ == kZeroSection; }

    void DigitField() {
        out_.Put(static_cast<char>(NPT_FIELDBEGIN));
        digitsSeen_ = true;
        for (;;) {
            if (FMTIsPlaceholder(*p_)) {
                out_.Put(*p_++);
            } else if (FMTIsSingleAt(p_, settings_.separators.thousand, dbcs_) && FMTIsPlaceholder(p_[1])) {
                out_.Put(static_cast<char>(NPT_THOUSAND));
                ++p_;
            } else if (FMTIsSingleAt(p_, settings_.separators.decimal, dbcs_)) {
                // A separator that ends the field stays in it: the field ends
                // right after it.
                out_.Put(static_cast<char>(NPT_DECIMAL));
                ++p_;
                if (!FMTIsPlaceholder(*p_)) break;
            } else {
                break;
            }
        }
        out_.Put(static_cast<char>(NPT_FIELDEND));
    }

    // "_" and the character whose room it reserves: a currency text there
    // becomes its token, so that the room follows the settings.
    void Pad() {
        out_.Put(static_cast<char>(NPT_PAD));
        ++p_;
        if (IsPositiveLike() && TryAffix(affixes_.szNegSuffix, NPT_NEGSUFFIX)) return;
        if (section_ == kZeroSection && TryAffix(affixes_.szPosSuffix, NPT_CURRSUFFIX)) return;
        if (!IsPositiveLike() && TryAffix(affixes_.szPosSuffix, NPT_CURRSUFFIX)) return;
        CopyCharacter(IntlCharWidth(p_, dbcs_));
    }

    void OtherText(int width) {
        if (IsPositiveLike()) {
            const char *affix = digitsSeen_ ? affixes_.szPosSuffix : affixes_.szPosPrefix;
            if (TryAffix(affix, digitsSeen_ ? NPT_CURRSUFFIX : NPT_CURRPREFIX)) return;
        }
        const char *negAffix = digitsSeen_ ? affixes_.szNegSuffix : affixes_.szNegPrefix;
        if (FMTStartsWith(p_, negAffix)) {
            NegativeAffix(negAffix, width);
            return;
        }
        const bool parenFormat = settings_.negFormat == 0 || settings_.negFormat == 4;
        if (section_ == kNegativeSection && parenFormat && width == 1 && *p_ == '(') parenSeen_ = true;
        CopyCharacter(width);
    }

    void NegativeAffix(const char *affix, int width) {
        const size_t length = std::strlen(affix);
        if (section_ == kNegativeSection) {
            // After "(" and the digits, a ")" closes the parenthesis rather
            // than standing for the currency text.
            if (digitsSeen_ && parenSeen_) {
                CopyCharacter(width);
                return;
            }
            if (length == 1 && *p_ == '-') loneMinusAt_ = out_.Size();
            (digitsSeen_ ? negSuffixWritten_ : negPrefixWritten_) = true;
        }
        out_.Put(static_cast<char>(digitsSeen_ ? NPT_NEGSUFFIX : NPT_NEGPREFIX));
        p_ += length;
    }

    bool TryAffix(const char *affix, int token) {
        if (!FMTStartsWith(p_, affix)) return false;
        out_.Put(static_cast<char>(token));
        p_ += std::strlen(affix);
        return true;
    }

    void CopyCharacter(int width) {
        out_.Put(p_, static_cast<size_t>(width));
        p_ += width;
    }

    // A "-" taken for the negative currency text on one side only is a plain
    // minus sign after all.
    void RestoreLoneMinus() {
        if (loneMinusAt_ != kNone && negPrefixWritten_ != negSuffixWritten_ && !out_.Overflowed())
            out_.Data()[loneMinusAt_] = '-';
    }

    static constexpr size_t kNone = SIZE_MAX;

    const char *p_;
    const char *const end_;
    const FMTPictureSettings &settings_;
    const CURRAFFIX &affixes_;
    FMTTextSink &out_;
    const bool dbcs_;
    int section_ = kPositiveSection;
    bool digitsSeen_ = false;
    bool parenSeen_ = false;
    size_t loneMinusAt_ = kNone;
    bool negPrefixWritten_ = false;
    bool negSuffixWritten_ = false;
};

// Settles the profile for a tokenizing call: mode 1 has the user's settings
// read afresh, mode 0 works with the built-in profile.  Then fetches the
// settings; when the profile was stale on entry, modes 0 and 1 leave it
// marked fresh.
bool TokenizerSettings(const FMTCNTLBLOCK &block, int32_t mode, FMTPictureSettings &settings) {
    const bool wasStale = FMTProfileIsStale();
    if (mode == 1) {
        FMTMarkProfileStale(true);
    } else if (mode == 0) {
        FMTSetProfileDefault();
        FMTMarkProfileStale(false);
    }
    const bool fetched = FMTGetPictureSettings(block, settings);
    if ((mode == 0 || mode == 1) && wasStale) FMTMarkProfileStale(false);
    return fetched;
}

} // namespace

void FMTTokenizePicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out) {
    Tokenizer(picture, settings, out).Run();
}

bool FMTIsSettingsFormPicture(const char *picture) { return picture[0] == '\0' || std::strcmp(picture, "$") == 0; }

extern "C" {

uint32_t ORVEXAPI FMTIsNumberPicTokenized(const char *picture) {
    return picture && std::strchr(picture, NPT_FIELDBEGIN) ? 1 : 0;
}

uint32_t ORVEXAPI FMTTokenizeNumberPic(const FMTCNTLBLOCK *block, int32_t mode) {
    return FMTConvertBlockPicture(
        block, FMTIsSettingsFormPicture,
        [mode](const FMTCNTLBLOCK &b, FMTPictureSettings &settings) { return TokenizerSettings(b, mode, settings); },
        FMTTokenizePicture);
}

} // extern "C"
