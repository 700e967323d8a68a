// Separators and currency texts of number requests.
#include "numfmt/picture_settings.h"

#include "datetime/intl_profile.h"
#include "numfmt/numfmt_text.h"

FMTSeparators FMTGetSeparators(bool useIntl, char thousand, char decimal) {
    if (useIntl) {
        // Both texts live in one per-thread buffer: take each character at once.
        thousand = FMTFirstChar(FMTGetIntlString(6));
        decimal = FMTFirstChar(FMTGetIntlString(7));
    }
    return {thousand, FMTDecimalOrPoint(decimal)};
}

bool FMTGetPictureSettings(const FMTCNTLBLOCK &block, FMTPictureSettings &settings) {
    settings.separators = FMTGetSeparators(block.bUseIntl != 0, block.cThousand, block.cDecimal);
    if (block.bUseIntl) {
        settings.negFormat = FMTGetIntlValue(5);
        if (const CURRAFFIX *affixes = FMTGetThreadCurrAffixes()) {
            settings.affixes = *affixes;
            return true;
        }
        // No per-thread record: texts for this call only.
        FMTBuildProfileCurrAffixes(&settings.affixes);
        return true;
    }
    settings.negFormat = block.nNegCurr;
    return FMTBuildCurrAffixes(block.nCurrPos, block.nNegCurr, block.lpszCurrency, &settings.affixes);
}

