// FMTValidateNumber: typed numbers and currency amounts in the settings'
// form; FMTStripCurrency.
#include <cstring>

#include "datetime/intl_profile.h"
#include "numfmt/number_rounding.h"
#include "numfmt/number_unformat.h"
#include "numfmt/numfmt_text.h"
#include "orvexrt/intl.h"
#include "orvexrt/numfmt.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void EraseAt(char *text, size_t at, size_t bytes) {
    const size_t length = std::strlen(text);
    std::memmove(text + at, text + at + bytes, length - at - bytes + 1);
}

bool EndsWith(const char *text, std::string_view tail) {
    const size_t length = std::strlen(text);
    return !tail.empty() && length >= tail.size() &&
           std::memcmp(text + length - tail.size(), tail.data(), tail.size()) == 0;
}

// Takes a sign off either end: true when it was a minus.
bool TakeSign(char *text) {
    const size_t length = std::strlen(text);
    if (length == 0) return false;
    if (text[0] == '+' || text[0] == '-') {
        const bool minus = text[0] == '-';
        EraseAt(text, 0, 1);
        return minus;
    }
    if (text[length - 1] == '+' || text[length - 1] == '-') {
        const bool minus = text[length - 1] == '-';
        text[length - 1] = '\0';
        return minus;
    }
    return false;
}

// Separators: at most one decimal separator, no thousands separator after
// it, and thousands separators between groups of exactly three characters,
// at most three before the first.  Removes the thousands separators.
bool CheckSeparators(char *text, FMTSeparators separators) {
    const char decimal = separators.decimal, thousand = separators.thousand;
    char *point = std::strchr(text, decimal);
    if (point && (std::strchr(point + 1, decimal) || (thousand && std::strchr(point + 1, thousand)))) return false;
    if (!thousand || !std::strchr(text, thousand)) return true;
    int run = 0;
    for (const char *p = point ? point : text + std::strlen(text); p-- > text;) {
        if (*p != thousand) {
            ++run;
        } else {
            if (run != 3) return false;
            run = 0;
        }
    }
    if (run > 3) return false;
    char *out = text;
    for (const char *p = text; *p; ++p)
        if (*p != thousand) *out++ = *p;
    *out = '\0';
    return true;
}

// Digits and points, then optionally "e" or "E", digits, a sign and digits.
bool HasNumberCharacters(const char *p) {
    while (*p == '.' || IsDigit(*p)) ++p;
    if (*p == 'e' || *p == 'E') {
        ++p;
        while (IsDigit(*p)) ++p;
        if (*p == '+' || *p == '-') ++p;
        while (IsDigit(*p)) ++p;
    }
    return *p == '\0';
}

} // namespace

void FMTGetNumberReading(const FMTCNTLBLOCK &block, FMTNumberReading &reading) {
    reading.separators = FMTGetSeparators(block.bUseIntl != 0, block.cThousand, block.cDecimal);
    if (block.bUseIntl) {
        const std::string_view symbol = FMTFieldText(FMTGetIntlString(5), sizeof INTLPROFILE{}.sCurrency);
        symbol.copy(reading.symbolBuffer, symbol.size());
        reading.symbol = std::string_view(reading.symbolBuffer, symbol.size());
        reading.position = FMTGetIntlValue(10);
    } else {
        reading.symbol = block.lpszCurrency ? block.lpszCurrency : "";
        reading.position = block.nCurrPos;
    }
}

void FMTStripCurrency(char *text, std::string_view symbol, bool after) {
    FMTTrimBlanks(text);
    size_t length = std::strlen(text);
    const bool parentheses = length >= 2 && text[0] == '(' && text[length - 1] == ')';
    // A text that begins or ends with "-" is negative when it holds that
    // "-" alone; it cannot also stand in parentheses.
    bool negative = false;
    if (length > 0 && (text[0] == '-' || text[length - 1] == '-')) {
        const char *minus = std::strchr(text, '-');
        if (!std::strchr(minus + 1, '-')) {
            EraseAt(text, static_cast<size_t>(minus - text), 1);
            negative = true;
        }
    } else if (parentheses) {
        text[length - 1] = '\0';
        EraseAt(text, 0, 1);
        negative = true;
    }
    if (!after && FMTStartsWith(text, symbol)) EraseAt(text, 0, symbol.size());
    if (after && EndsWith(text, symbol)) text[std::strlen(text) - symbol.size()] = '\0';
    if (!negative) return;
    if (EndsWith(text, symbol)) text[std::strlen(text) - symbol.size()] = '\0';
    // A space that stood between symbol and number would end up after the
    // minus; the text is read without it.
    FMTTrimBlanks(text);
    length = std::strlen(text);
    std::memmove(text + 1, text, length + 1);
    text[0] = '-';
}

bool FMTValidateNumberText(char *text, bool currency, const FMTNumberReading &reading, NUMBER *value) {
    if (currency) FMTStripCurrency(text, reading.symbol, reading.position == 1 || reading.position == 3);
    FMTTrimBlanks(text);
    const bool negative = TakeSign(text);
    if (!CheckSeparators(text, reading.separators)) return false;
    if (reading.separators.decimal != '.') {
        if (char *point = std::strchr(text, reading.separators.decimal)) *point = '.';
    }
    if (!HasNumberCharacters(text)) return false;
    NUMBER result = FMTZeroNumber();
    if (!FMTIsZeroText(text) && NumAsciiToNumber(&result, text) <= 0) return false;
    if (negative) NumNegate(&result);
    *value = result;
    return true;
}

extern "C" int32_t ORVEXAPI FMTValidateNumber(FMTCNTLBLOCK *block) {
    if (!block || !(block->dwFlags & FMT_FLAG_PREPARED)) return 0;
    if (block->nType != FMT_TYPE_NUMBER && block->nType != FMT_TYPE_CURRENCY) return 0;
    if (!block->lpszInput || !*block->lpszInput) return 0;
    FMTNumberReading reading;
    FMTGetNumberReading(*block, reading);
    FMTScratchText text(block->lpszInput);
    NUMBER value;
    if (!text.Ok() || !FMTValidateNumberText(text.Data(), block->nType == FMT_TYPE_CURRENCY, reading, &value)) return 0;
    block->numValue = value;
    return 1;
}
