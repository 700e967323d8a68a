// Typed dates and times read back: the forgiving validation with its
// fallbacks, the strict reading by a picture, the shape test and ISO texts.
#include <cstdlib>
#include <cstring>
#include <string>

#include "datetime/date_match.h"
#include "datetime/date_picture_cache.h"
#include "datetime/date_pictures.h"
#include "datetime/date_tokens.h"
#include "datetime/intl_profile.h"
#include "datetime/japanese_dates.h"
#include "orvexrt/intl.h"

namespace {

constexpr std::string_view kFallbackTimePicture = "hhhh.mm.ss.mmmmmm";

std::string_view Text(const char *text) { return text ? text : ""; }

// Matches the scanned value against a picture, which the thread's recent
// pictures usually hold scanned already.
bool MatchPicture(FMTCNTLBLOCK &block, const DateTokens &value, std::string_view picture) {
    if (picture.empty()) return false;
    DateTokens scratch;
    const DateTokens *tokens = FMTPictureTokens(picture, scratch);
    return tokens && FMTMatchDateTokens(value, *tokens, &block);
}

bool MatchGuessed(FMTCNTLBLOCK &block, const DateTokens &value, int32_t kind, bool allowNumeric) {
    std::string guessed;
    return FMTGuessDatePicture(Text(block.lpszInput), kind, allowNumeric, guessed) &&
           MatchPicture(block, value, guessed);
}

// A picture followed by a space and a time picture.
std::string Joined(std::string_view date, std::string_view time) {
    std::string joined;
    joined.reserve(date.size() + 1 + time.size());
    return joined.append(date).append(1, ' ').append(time);
}

bool HasDoubleByteCharacter(const char *text) { return IntlNextDBCInStr(text) != nullptr; }

bool OnlySpaces(const char *text) {
    while (*text == ' ') ++text;
    return *text == '\0';
}

// The time after a Japanese date, read by the block's default time picture.
bool ValidateTrailingTime(FMTCNTLBLOCK &block, const char *rest) {
    FMTCNTLBLOCK copy = block;
    copy.nType = FMT_TYPE_TIME;
    copy.lpszInput = const_cast<char *>(rest);
    if (!FMTValidateDateTime(&copy)) return false;
    block.dtValue.nHour = copy.dtValue.nHour;
    block.dtValue.nMinute = copy.dtValue.nMinute;
    block.dtValue.nSecond = copy.dtValue.nSecond;
    block.dtValue.nMicrosecond = copy.dtValue.nMicrosecond;
    block.dwFlags |= FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ;
    return true;
}

// A Japanese date at the start of the input, with a time after it where the
// request allows one.
int32_t ReadJapaneseDate(FMTCNTLBLOCK &block, int32_t eraRequired, bool timeAllowed) {
    const int32_t consumed = FMTParseJapaneseDate(&block, eraRequired);
    if (consumed < 1) return 0;
    const char *rest = block.lpszInput + consumed;
    if (OnlySpaces(rest)) {
        block.dwFlags = (block.dwFlags & ~uint32_t{FMT_FLAG_TIME_READ}) | FMT_FLAG_DATE_READ;
        return 1;
    }
    return timeAllowed && ValidateTrailingTime(block, rest) ? 1 : 0;
}

int32_t ValidateDateTime(FMTCNTLBLOCK &block) {
    const int32_t kind = block.nType;
    const bool defaults = (block.dwFlags & FMT_FLAG_DEFAULT_PICTURES) != 0;
    if (kind < FMT_TYPE_DATE || kind > FMT_TYPE_DATETIME) return 0;
    if (block.bUseIntl && !defaults) return 0;
    if (!block.lpszInput || !*block.lpszInput) return 0;
    const int32_t country = block.bUseIntl ? FMTGetIntlValue(11) : block.nCountry;
    const bool allowNumeric = country == 1;
    std::string time;
    if (kind != FMT_TYPE_DATE && defaults) FMTAppendDefaultTimePic(block, time);

    DateTokens value;
    if (!FMTScanDateValue(block.lpszInput, value)) return 0;

    if (kind == FMT_TYPE_TIME) {
        if (MatchPicture(block, value, defaults ? std::string_view(time) : Text(block.lpszShortPic))) return 1;
        if (block.dwFlags & FMT_FLAG_NO_GUESSED_TIME) return 0;
        return MatchGuessed(block, value, FMT_TYPE_TIME, allowNumeric) ? 1 : 0;
    }

    const std::string_view shortDate = block.bUseIntl ? FMTProfileShortDatePicture() : Text(block.lpszShortPic);
    const std::string_view longDate = block.bUseIntl ? FMTProfileLongDatePicture() : Text(block.lpszLongPic);
    if (kind == FMT_TYPE_DATETIME && defaults) {
        if (MatchPicture(block, value, Joined(shortDate, time)) || MatchPicture(block, value, Joined(longDate, time)))
            return 1;
    } else if (MatchPicture(block, value, shortDate) || MatchPicture(block, value, longDate)) {
        return 1;
    }
    // A text with double-byte characters is decided by the Japanese forms
    // when only a guessed picture took it, or nothing did.
    const bool japanese = IntlDBCSEnabled() && HasDoubleByteCharacter(block.lpszInput);
    if (MatchGuessed(block, value, kind, allowNumeric))
        return japanese ? ReadJapaneseDate(block, 0, kind == FMT_TYPE_DATETIME) : 1;
    if (kind == FMT_TYPE_DATETIME && (MatchPicture(block, value, Joined(shortDate, kFallbackTimePicture)) ||
                                      MatchPicture(block, value, Joined(longDate, kFallbackTimePicture))))
        return 1;
    if (!japanese) return 0;
    return ReadJapaneseDate(block, 0, kind == FMT_TYPE_DATETIME);
}

} // namespace

extern "C" {

int32_t ORVEXAPI FMTValidateDateTime(FMTCNTLBLOCK *block) { return block ? ValidateDateTime(*block) : 0; }

int32_t ORVEXAPI FMTUnformatDateTimeStr(FMTCNTLBLOCK *block) {
    if (!block || !block->lpszInput || !*block->lpszInput || !block->lpszPicture) return 0;
    FMTCNTLBLOCK &b = *block;
    std::string picture = b.lpszPicture;
    if (picture == "ED" || picture == "E") return ReadJapaneseDate(b, 1, picture == "E");
    if (picture.empty())
        picture = FMTDefaultDatePicture();
    else if (picture == "S")
        picture = FMTDefaultShortDatePicture();
    else if (picture == "L")
        picture = FMTDefaultLongDatePicture();
    else if (picture == "T") {
        b.dwFlags &= ~uint32_t{FMT_FLAG_MICROSECONDS};
        picture = FMTDefaultTimePic(b);
    }
    DateTokens pictureTokens, value;
    if (!FMTScanDatePicture(picture, pictureTokens)) return 0;
    const int32_t kind = FMTPicKind(pictureTokens);
    if (kind == 0) return 0;
    const int32_t savedType = b.nType;
    const uint32_t savedUseIntl = b.bUseIntl;
    b.nType = kind;
    const int32_t result = FMTScanDateValue(b.lpszInput, value) ? FMTMatchDateTokens(value, pictureTokens, &b) : 0;
    b.nType = savedType;
    b.bUseIntl = savedUseIntl;
    return result;
}

int32_t ORVEXAPI FMTIsValidDateString(FMTCNTLBLOCK *block) {
    if (!block || !block->lpszPicture || !*block->lpszPicture || !block->lpszInput || !*block->lpszInput) return 0;
    FMTCNTLBLOCK &b = *block;
    if (b.nType < FMT_TYPE_DATE || b.nType > FMT_TYPE_DATETIME) return 0;
    const int32_t country = b.bUseIntl ? FMTGetIntlValue(11) : b.nCountry;
    std::string guessed;
    if (!FMTGuessDatePicture(b.lpszInput, b.nType, country == 1, guessed)) return 2;
    if (guessed != b.lpszPicture) return 4;
    DateTokens value;
    return FMTScanDateValue(b.lpszInput, value) && MatchPicture(b, value, guessed) ? 1 : 4;
}

int32_t ORVEXAPI FMTIsoToDatDef(const char *text, DATDEF *out) {
    if (!out) return 1;
    *out = DATDEF{};
    if (!text) return 1;
    const size_t length = std::strlen(text);
    auto field = [&](size_t first, size_t count) { return std::atoi(std::string(text + first, count).c_str()); };
    if (length >= 4) out->nYear = field(0, 4);
    if (length >= 7) out->nMonth = field(5, 2);
    if (length >= 10) out->nDay = field(8, 2);
    if (length >= 13) out->nHour = field(11, 2);
    if (length >= 16) out->nMinute = field(14, 2);
    if (length >= 19) out->nSecond = field(17, 2);
    if (length >= 26) out->nMicrosecond = static_cast<int32_t>(std::atol(std::string(text + 20, 6).c_str()));
    return 1;
}

} // extern "C"
