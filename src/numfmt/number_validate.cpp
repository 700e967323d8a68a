// FMTValidateNumber: typed numbers and currency amounts in the settings'
// form; FMTStripCurrency.
#include <cstring>

#include "datetime/intl_profile.h"
#include "number/number_core.h"
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

// The text between its signs: a sign is taken off the front, or else off
// the end; *negative tells whether it was a minus.
std::string_view TakeSign(std::string_view text, bool *negative) {
    *negative = false;
    if (text.empty()) return text;
    if (text.front() == '+' || text.front() == '-') {
        *negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.back() == '+' || text.back() == '-') {
        *negative = text.back() == '-';
        text.remove_suffix(1);
    }
    return text;
}

// Whether the thousands separators of the integer digits stand between
// groups of exactly three characters, with at most three before the first.
bool GroupsAreValid(std::string_view integers, char thousand) {
    int run = 0;
    for (size_t i = integers.size(); i-- > 0;) {
        if (integers[i] != thousand) {
            ++run;
        } else {
            if (run != 3) return false;
            run = 0;
        }
    }
    return run <= 3;
}

// Separators: at most one decimal separator, no thousands separator after
// it, and thousands separators between groups of exactly three characters,
// at most three before the first.
bool SeparatorsAreValid(std::string_view text, FMTSeparators separators) {
    const char decimal = separators.decimal, thousand = separators.thousand;
    size_t point = std::string_view::npos;
    bool grouped = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (point != std::string_view::npos && (c == decimal || (thousand && c == thousand))) return false;
        if (c == decimal && point == std::string_view::npos) point = i;
        // A thousands separator that is also the decimal separator counts.
        if (thousand && c == thousand) grouped = true;
    }
    return !grouped || GroupsAreValid(text.substr(0, point), thousand);
}

// Writes the text to `out` (which may be where the text begins) without its
// thousands separators and with its decimal separator as "."; returns the
// end of what was written.
char *PlainNumberText(std::string_view text, FMTSeparators separators, char *out) {
    const char decimal = separators.decimal, thousand = separators.thousand;
    bool pointWritten = decimal == '.';
    for (char c : text) {
        if (thousand && c == thousand) continue;
        if (c == decimal && !pointWritten) {
            c = '.';
            pointWritten = true;
        }
        *out++ = c;
    }
    *out = '\0';
    return out;
}

// Reads a plain number text: digits and points, then optionally "e" or "E",
// digits, a sign and digits.  A text of only points and "0"s (also the
// empty one) is zero.
bool ReadPlainNumber(const char *text, NUMBER *value) {
    const char *p = text;
    bool zero = true;
    for (; *p == '.' || IsDigit(*p); ++p) zero = zero && (*p == '.' || *p == '0');
    if (*p == 'e' || *p == 'E') {
        zero = false;
        ++p;
        while (IsDigit(*p)) ++p;
        if (*p == '+' || *p == '-') ++p;
        while (IsDigit(*p)) ++p;
    }
    if (*p != '\0') return false;
    if (zero) {
        *value = FMTZeroNumber();
        return true;
    }
    return NumReadDecimal(value, text, false) > 0;
}

// The longest number text read quickly, terminator included.
constexpr size_t kQuickText = 64;

// Reads the common number text at once: digits, thousands separators and at
// most one decimal separator (other than the thousands one), the thousands
// separators all before it.  kOther for any other text, which the general
// steps read; else *value holds the magnitude when kValid.
FMTQuickReading ReadCommonNumber(std::string_view number, FMTSeparators separators, NUMBER *value) {
    const char decimal = separators.decimal, thousand = separators.thousand;
    if (decimal == thousand || number.size() >= kQuickText) return FMTQuickReading::kOther;
    // The plain text: the separators dropped, the decimal separator as ".".
    char plain[kQuickText];
    char *out = plain;
    size_t point = std::string_view::npos;
    bool grouped = false, zero = true;
    for (size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (IsDigit(c)) {
            zero = zero && c == '0';
            *out++ = c;
        } else if (c == decimal) {
            if (point != std::string_view::npos) return FMTQuickReading::kInvalid;
            point = i;
            *out++ = '.';
        } else if (thousand && c == thousand) {
            if (point != std::string_view::npos) return FMTQuickReading::kInvalid;
            grouped = true;
        } else {
            return FMTQuickReading::kOther;
        }
    }
    *out = '\0';
    if (grouped && !GroupsAreValid(number.substr(0, point), thousand)) return FMTQuickReading::kInvalid;
    if (zero) {
        *value = FMTZeroNumber();
        return FMTQuickReading::kValid;
    }
    return NumReadDecimal(value, plain, false) > 0 ? FMTQuickReading::kValid : FMTQuickReading::kInvalid;
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

FMTQuickReading FMTReadCommonNumberText(std::string_view text, FMTSeparators separators, NUMBER *value) {
    bool negative;
    const std::string_view number = TakeSign(text, &negative);
    NUMBER result;
    const FMTQuickReading quick = ReadCommonNumber(number, separators, &result);
    if (quick != FMTQuickReading::kValid) return quick;
    // The magnitude is read first and then negated, as a negative value
    // holds one digit less.
    if (negative) NumNegate(&result);
    *value = result;
    return quick;
}

bool FMTValidateNumberText(char *text, bool currency, const FMTNumberReading &reading, NUMBER *value) {
    if (currency) FMTStripCurrency(text, reading.symbol, reading.position == 1 || reading.position == 3);
    const std::string_view trimmed = FMTTrimmedBlanks(text);
    const FMTQuickReading quick = FMTReadCommonNumberText(trimmed, reading.separators, value);
    if (quick != FMTQuickReading::kOther) return quick == FMTQuickReading::kValid;
    bool negative;
    const std::string_view number = TakeSign(trimmed, &negative);
    if (!SeparatorsAreValid(number, reading.separators)) return false;
    // The plain text is never longer than the number, so it is written over
    // the text from its start.
    PlainNumberText(number, reading.separators, text);
    NUMBER result;
    if (!ReadPlainNumber(text, &result)) return false;
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
