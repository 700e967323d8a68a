// FMTFormatNumber: a NUMBER as text by picture, or in the number and
// currency forms of the settings; FMTApplyCurrency.
#include <cstdint>
#include <cstring>

#include "datetime/intl_profile.h"
#include "number/number_core.h"
#include "numfmt/number_format.h"
#include "numfmt/number_rounding.h"
#include "numfmt/picture_tokens.h"
#include "orvexrt/numfmt.h"

namespace {

// The widest settings-form text: a rounded text, a "0" before the point and
// a separator for every three of its characters.
constexpr size_t kSettingsTextBuffer = 512;
static_assert(kSettingsTextBuffer > kFMTRoundedTextMax + 1 + kFMTRoundedTextMax / 3);

// The numbers of a settings-form request.
struct SettingsForm {
    int32_t places;
    FMTSeparators separators;
    bool leadingZero;
    char symbol[kFMTAffixSize * 2]; // a profile symbol; a block's is read in place
    const char *symbolText;
    int32_t position;
    int32_t negFormat;
};

SettingsForm ReadSettingsForm(const FMTCNTLBLOCK &block, bool currency) {
    SettingsForm form{};
    if (block.bUseIntl) {
        form.places = FMTGetIntlValue(currency ? 4 : 3);
        form.separators = FMTGetSeparators(true, 0, 0);
        form.leadingZero = FMTGetIntlValue(2) != 0;
        const std::string_view symbol = FMTFieldText(FMTGetIntlString(5), sizeof INTLPROFILE{}.sCurrency);
        symbol.copy(form.symbol, symbol.size());
        form.symbolText = form.symbol;
        form.position = FMTGetIntlValue(10);
        form.negFormat = FMTGetIntlValue(5);
    } else {
        form.places = block.nDigits;
        form.separators = FMTGetSeparators(false, block.cThousand, block.cDecimal);
        form.leadingZero = block.bLzero != 0;
        form.symbolText = block.lpszCurrency ? block.lpszCurrency : "";
        form.position = block.nCurrPos;
        form.negFormat = block.nNegCurr;
    }
    return form;
}

// The value's text before grouping: rounded to the form's places, or with
// all of its own places; the places it shows are stored back into the form.
bool ValueText(const NUMBER &value, bool allPlaces, SettingsForm &form, FMTRoundedText &text) {
    if (!allPlaces) return FMTRoundToText(value, form.places, text);
    text.length = 0;
    text.text[0] = '\0';
    if (NumLengthOf(&value) == 0) return true;
    text.length = NumToAscii(&value, text.text, 108);
    const std::string_view view = text.View();
    if (view.find('E') != std::string_view::npos) return false;
    const size_t point = view.find('.');
    form.places = point == std::string_view::npos ? 0 : static_cast<int32_t>(view.size() - point - 1);
    return true;
}

bool IsBetweenMinusOneAndOne(const NUMBER &value) {
    NUMBER one, minusOne;
    NumCreateSmall(&one, 1);
    NumCreateSmall(&minusOne, -1);
    return NumCompare(&value, &minusOne) > 0 && NumCompare(&value, &one) < 0;
}

// Writes the text with the leading "0", the decimal separator and the
// thousands separators of the form.
void GroupedText(std::string_view text, const SettingsForm &form, bool leadingZero, FMTTextSink &out) {
    if (text.starts_with('-')) {
        out.Put('-');
        text.remove_prefix(1);
    }
    if (leadingZero && text.starts_with('.')) out.Put('0');
    const size_t point = text.find('.');
    const std::string_view integers = text.substr(0, point);
    const char thousand = form.separators.thousand;
    for (size_t i = 0; i < integers.size(); ++i) {
        if (thousand && i > 0 && (integers.size() - i) % 3 == 0) out.Put(thousand);
        out.Put(integers[i]);
    }
    if (point == std::string_view::npos) return;
    out.Put(form.places > 0 ? form.separators.decimal : '.');
    out.Put(text.substr(point + 1));
}

uint32_t FormatSettingsForm(const FMTCNTLBLOCK &block, bool currency) {
    SettingsForm form = ReadSettingsForm(block, currency);
    FMTRoundedText text;
    if (!ValueText(block.numValue, (block.dwFlags & FMT_FLAG_ALL_DECIMALS) != 0, form, text)) return 0;
    if (text.length == 0) return 1;
    char grouped[kSettingsTextBuffer];
    FMTTextSink number(grouped, sizeof grouped);
    GroupedText(text.View(), form, form.leadingZero && IsBetweenMinusOneAndOne(block.numValue), number);
    if (!number.Finish()) return 0;
    FMTTextSink out(block.lpszOutput, FMTTextSink::kUnbounded);
    if (!currency) {
        out.Put(grouped, number.Size());
        return 1;
    }
    const bool after = form.position == 1 || form.position == 3;
    const bool space = form.position == 2 || form.position == 3;
    FMTApplyCurrency({grouped, number.Size()}, form.symbolText, out, after, space, form.negFormat);
    return 1;
}

// Whether the output buffer (as much of it as a number's text may take)
// holds the start of the picture, which must then not be overwritten while
// it is read.
bool OutputHoldsPicture(const char *output, const char *picture) {
    const auto start = reinterpret_cast<uintptr_t>(output), at = reinterpret_cast<uintptr_t>(picture);
    return at >= start && at - start <= FMT_MAX_NUMBER_TEXT;
}

uint32_t FormatByPicture(const FMTCNTLBLOCK &block, const char *picture) {
    const FMTSeparators separators = FMTGetSeparators(block.bUseIntl != 0, block.cThousand, block.cDecimal);
    if (!OutputHoldsPicture(block.lpszOutput, picture)) {
        // Straight into the caller's buffer; a refusal leaves it empty.
        FMTTextSink sink(block.lpszOutput, FMT_MAX_NUMBER_TEXT + 1);
        const bool written = FMTFormatNumberPic(sink, picture, separators, block.numValue) && sink.Finish();
        if (!written) block.lpszOutput[0] = '\0';
        return written ? 1 : 0;
    }
    char text[FMT_MAX_NUMBER_TEXT + 1];
    FMTTextSink sink(text, sizeof text);
    if (!FMTFormatNumberPic(sink, picture, separators, block.numValue) || !sink.Finish()) return 0;
    std::memcpy(block.lpszOutput, text, sink.Size() + 1);
    return 1;
}

// A negative currency form: S stands for the symbol, T for the number.
constexpr const char *kNegativeCurrencyForms[] = {
    "(ST)", "-ST", "S-T", "ST-", "(TS)", "-TS", "T-S", "TS-", "-T S", "-S T", "T S-",
};

} // namespace

void FMTApplyCurrency(std::string_view text, std::string_view symbol, FMTTextSink &out, bool after, bool space,
                      int32_t negFormat) {
    if (!text.starts_with('-')) {
        out.Put(after ? text : symbol);
        if (space) out.Put(' ');
        out.Put(after ? symbol : text);
        return;
    }
    text.remove_prefix(1);
    if (negFormat < 0 || static_cast<size_t>(negFormat) >= std::size(kNegativeCurrencyForms)) return;
    for (const char *f = kNegativeCurrencyForms[negFormat]; *f; ++f) {
        if (*f == 'S')
            out.Put(symbol);
        else if (*f == 'T')
            out.Put(text);
        else
            out.Put(*f);
    }
}

extern "C" uint32_t ORVEXAPI FMTFormatNumber(FMTCNTLBLOCK *block, uint32_t useUserSettings) {
    if (!block) return 0;
    if (block->lpszOutput) block->lpszOutput[0] = '\0';
    if (!(block->dwFlags & FMT_FLAG_PREPARED)) return 0;
    FMTEnsureProfile(useUserSettings != 0);
    if (!block->lpszOutput) return 0;
    int32_t kind = block->nType;
    const char *picture = block->lpszPicture ? block->lpszPicture : "";
    char plain[kFMTPlainPictureSize];
    if (kind == FMT_TYPE_NUMBER_PICTURE) {
        // A tokenized picture is read in its plain form, which may be one of
        // the settings' forms.
        picture = FMTPlainPictureOf(picture, *block, plain);
        if (!picture) return 0;
        if (!*picture)
            kind = FMT_TYPE_NUMBER;
        else if (std::strcmp(picture, FMT_PICTURE_CURRENCY) == 0)
            kind = FMT_TYPE_CURRENCY;
    }
    switch (kind) {
    case FMT_TYPE_NUMBER:
    case FMT_TYPE_CURRENCY:
        return FormatSettingsForm(*block, kind == FMT_TYPE_CURRENCY);
    case FMT_TYPE_NUMBER_PICTURE:
        return FormatByPicture(*block, picture);
    default:
        return 0;
    }
}
