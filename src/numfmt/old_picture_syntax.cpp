// FMTCnvOldNumberPic: pictures of the old syntax, where literal text stood
// unquoted and digit fields always used "," and ".", rewritten in the
// current syntax with the settings' separators.
#include <cstring>

#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/numfmt.h"

namespace {

class OldPictureConverter {
public:
    OldPictureConverter(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out)
        : p_(picture), end_(picture + std::strlen(picture)), settings_(settings), out_(out), dbcs_(IntlInDBCSMode()) {}

    void Run() {
        while (*p_ && !out_.Overflowed()) Step();
    }

private:
    void Step() {
        const int width = IntlCharWidth(p_, dbcs_);
        const char c = width == 1 ? *p_ : '\0';
        if (FMTIsQuote(c)) {
            bool closed;
            const char *end = FMTSkipQuoted(p_, end_, dbcs_, false, &closed);
            out_.Put(p_, static_cast<size_t>(end - p_));
            p_ = end;
        } else if (FMTIsPlaceholder(c)) {
            DigitRun();
        } else if (c == ';') {
            out_.Put(*p_++);
            ++section_;
            digitsSeen_ = false;
        } else if (c == '_') {
            out_.Put(*p_++);
            Copy(IntlCharWidth(p_, dbcs_));
        } else if (const size_t affix = AffixHere()) {
            Copy(static_cast<int>(affix));
        } else if (c == ' ') {
            Copy(1);
        } else {
            Literal();
        }
    }

    // The run of "#", "0", "," and "." with the settings' separators, and a
    // "%" right after it.
    void DigitRun() {
        digitsSeen_ = true;
        for (;; ++p_) {
            if (FMTIsPlaceholder(*p_))
                out_.Put(*p_);
            else if (*p_ == ',')
                out_.Put(settings_.separators.thousand ? settings_.separators.thousand : ',');
            else if (*p_ == '.')
                out_.Put(settings_.separators.decimal);
            else
                break;
        }
        if (*p_ == '%') out_.Put(*p_++);
    }

    // Unquoted text up to the next picture element, put in quotes.
    void Literal() {
        out_.Put('\'');
        do Copy(IntlCharWidth(p_, dbcs_));
        while (*p_ && !EndsLiteral(p_));
        out_.Put('\'');
    }

    bool EndsLiteral(const char *p) const {
        if (IsElement(*p) || AffixHere()) return true;
        return *p == ' ' && IsElement(p[1]);
    }

    static bool IsElement(char c) { return c && std::strchr(";#0_'\"", c); }

    // The length of the currency text that stands here, 0 when none does.
    size_t AffixHere() const {
        const CURRAFFIX &a = settings_.affixes;
        const bool positive = section_ == 0 || section_ == 2;
        const char *affix =
            positive ? (digitsSeen_ ? a.szPosSuffix : a.szPosPrefix) : (digitsSeen_ ? a.szNegSuffix : a.szNegPrefix);
        return FMTStartsWith(p_, affix) ? std::strlen(affix) : 0;
    }

    void Copy(int bytes) {
        out_.Put(p_, static_cast<size_t>(bytes));
        p_ += bytes;
    }

    const char *p_;
    const char *const end_;
    const FMTPictureSettings &settings_;
    FMTTextSink &out_;
    const bool dbcs_;
    int section_ = 0;
    bool digitsSeen_ = false;
};

} // namespace

void FMTConvertOldPicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out) {
    OldPictureConverter(picture, settings, out).Run();
}

extern "C" uint32_t ORVEXAPI FMTCnvOldNumberPic(const FMTCNTLBLOCK *block) {
    return FMTConvertBlockPicture(block, FMTPassesConversionUnchanged, FMTGetPictureSettings, FMTConvertOldPicture);
}
