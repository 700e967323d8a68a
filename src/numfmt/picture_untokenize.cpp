// FMTUnTokenizeNumberPic: a tokenized picture written out for the settings
// in force, with the currency text moved to the side of the digits where
// those settings put it.
#include <cstring>

#include "numfmt/picture_syntax.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/intl.h"
#include "orvexrt/numfmt.h"

namespace {

class Untokenizer {
public:
    Untokenizer(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out)
        : p_(picture), separators_(settings.separators), affixes_(settings.affixes), out_(out),
          dbcs_(IntlInDBCSMode()) {}

    void Run() {
        while (*p_ && !out_.Overflowed()) Step();
    }

private:
    void Step() {
        switch (*p_) {
        case ';':
            out_.Put(*p_++);
            ++section_;
            prefixUsed_ = negPrefixUsed_ = false;
            return;
        case NPT_THOUSAND:
            if (separators_.thousand) out_.Put(separators_.thousand);
            break;
        case NPT_DECIMAL:
            out_.Put(separators_.decimal);
            break;
        case NPT_CURRPREFIX:
            out_.Put(affixes_.szPosPrefix);
            prefixUsed_ = true;
            break;
        case NPT_CURRSUFFIX:
            out_.Put(affixes_.szPosSuffix);
            break;
        case NPT_NEGPREFIX:
            out_.Put(affixes_.szNegPrefix);
            negPrefixUsed_ = true;
            break;
        case NPT_NEGSUFFIX:
            out_.Put(affixes_.szNegSuffix);
            break;
        case NPT_PAD:
            Pad();
            return;
        case NPT_FIELDBEGIN:
            FieldBegin();
            break;
        case NPT_FIELDEND:
            FieldEnd();
            break;
        default:
            CopyCharacter();
            return;
        }
        ++p_;
    }

    bool IsPositiveLike() const { return section_ == 0 || section_ == 2; }

    // The room of a currency text survives only where that text is a single
    // character and the other side's text is empty.
    void Pad() {
        const char next = p_[1];
        if (next == NPT_CURRSUFFIX || next == NPT_NEGSUFFIX) {
            const bool positive = next == NPT_CURRSUFFIX;
            const char *reserved = positive ? affixes_.szPosSuffix : affixes_.szNegSuffix;
            const char *other = positive ? affixes_.szNegSuffix : affixes_.szPosSuffix;
            if (IntlStrLen(reserved) == 1 && other[0] == '\0') {
                out_.Put('_');
                out_.Put(reserved);
            }
            p_ += 2;
            return;
        }
        out_.Put('_');
        ++p_;
        CopyCharacter();
    }

    // The picture had the currency after the digits where the settings put
    // it before them: it is written here, and its token later writes the
    // (empty) text after them.
    void FieldBegin() {
        if (IsPositiveLike() && !prefixUsed_ && affixes_.szPosPrefix[0] && FirstOf(";\x04\x0E") == NPT_CURRSUFFIX) {
            out_.Put(affixes_.szPosPrefix);
            return;
        }
        if (section_ != 0 && !negPrefixUsed_ && affixes_.szNegPrefix[0] && FirstOf(";\x06\x0E") == NPT_NEGSUFFIX)
            out_.Put(affixes_.szNegPrefix);
    }

    // The picture had the currency before the digits where the settings put
    // it after them.
    void FieldEnd() {
        if (prefixUsed_ && IsPositiveLike() && affixes_.szPosSuffix[0] && FirstOf("\x04;\x0E") != NPT_CURRSUFFIX) {
            out_.Put(affixes_.szPosSuffix);
            return;
        }
        if (negPrefixUsed_ && section_ != 0 && affixes_.szNegSuffix[0] && FirstOf("\x06;") != NPT_NEGSUFFIX)
            out_.Put(affixes_.szNegSuffix);
    }

    // The first byte after the current one that is in `set`; 0 at the end.
    // The tokens and ";" lie below every trail byte, so a byte search serves.
    char FirstOf(const char *set) const {
        const char *found = std::strpbrk(p_ + 1, set);
        return found ? *found : '\0';
    }

    void CopyCharacter() {
        const int width = IntlCharWidth(p_, dbcs_);
        out_.Put(p_, static_cast<size_t>(width));
        p_ += width;
    }

    const char *p_;
    const FMTSeparators separators_;
    const CURRAFFIX &affixes_;
    FMTTextSink &out_;
    const bool dbcs_;
    int section_ = 0;
    bool prefixUsed_ = false;
    bool negPrefixUsed_ = false;
};

} // namespace

void FMTUntokenizePicture(const char *picture, const FMTPictureSettings &settings, FMTTextSink &out) {
    Untokenizer(picture, settings, out).Run();
}

const char *FMTPlainPictureOf(const char *picture, const FMTCNTLBLOCK &block, char (&buffer)[kFMTPlainPictureSize]) {
    if (!FMTIsNumberPicTokenized(picture)) return picture;
    FMTPictureSettings settings;
    if (!FMTGetPictureSettings(block, settings)) return nullptr;
    FMTTextSink out(buffer, sizeof buffer);
    FMTUntokenizePicture(picture, settings, out);
    return out.Finish() ? buffer : nullptr;
}

bool FMTPassesConversionUnchanged(const char *picture) {
    return FMTIsSettingsFormPicture(picture) || FMTIsScientificPicture(picture);
}

extern "C" uint32_t ORVEXAPI FMTUnTokenizeNumberPic(const FMTCNTLBLOCK *block, int32_t mode) {
    return FMTConvertBlockPicture(
        block, FMTPassesConversionUnchanged,
        [mode](const FMTCNTLBLOCK &b, FMTPictureSettings &settings) {
            if (mode == 0) FMTSetProfileDefault();
            return FMTGetPictureSettings(b, settings);
        },
        FMTUntokenizePicture);
}
