// Questions about date/time pictures: the longest text one can produce,
// whether it holds dates or times, whether it is valid; and the long date
// picture rewritten without weekdays.
#include <algorithm>
#include <cstring>
#include <string>

#include "datetime/date_pictures.h"
#include "datetime/date_tokens.h"
#include "datetime/intl_profile.h"
#include "datetime/name_tables.h"
#include "frame/critical_region.h"
#include "frame/static_objects.h"
#include "orvexrt/intl.h"

namespace {

// Lengths of the Japanese date forms: «yyyy年MM月dd日» and «元号yy年MM月dd日».
constexpr int32_t kGeeDateLength = 14;
constexpr int32_t kEmperorDateLength = 16;

template <typename NameOf> int32_t LongestName(int32_t count, NameOf nameOf) {
    int32_t longest = 0;
    for (int32_t n = 1; n <= count; ++n) longest = std::max<int32_t>(longest, std::strlen(nameOf(n)));
    return longest;
}

// The longest long day and month names, measured once per thread.
void LongestNames(int32_t &day, int32_t &month) {
    CRRegionHold hold(&gFMTProfileLock);
    FMTTHREADDATA *data = FMTThreadData();
    if (!data) {
        day = LongestName(7, FMTLongDayName);
        month = LongestName(12, FMTLongMonthName);
        return;
    }
    if (data->nLongestDayName < 0) data->nLongestDayName = LongestName(7, FMTLongDayName);
    if (data->nLongestMonthName < 0) data->nLongestMonthName = LongestName(12, FMTLongMonthName);
    day = data->nLongestDayName;
    month = data->nLongestMonthName;
}

// The widest text of each token; -1 for a token no picture may hold.
int32_t TokenWidth(const DateToken &t, const FMTCNTLBLOCK &block) {
    switch (t.code) {
    case kDateText:
        return static_cast<int32_t>(t.Text().size());
    case kDateChar:
        return 1;
    case kDateSpaces:
        return static_cast<int32_t>(t.value);
    case kDateDayShort:
    case kDateMonthShort:
        return 3;
    case kDateDayLong:
    case kDateMonthLong: {
        int32_t day, month;
        LongestNames(day, month);
        return t.code == kDateDayLong ? day : month;
    }
    case kDateYear4:
        return 4;
    case kDateMicro:
        return 6;
    case kDateAmPm: {
        const std::string am = block.bUseIntl ? FMTGetIntlString(3) : (block.lpszAM ? block.lpszAM : "");
        const std::string pm = block.bUseIntl ? FMTGetIntlString(4) : (block.lpszPM ? block.lpszPM : "");
        return static_cast<int32_t>(std::max(am.size(), pm.size()));
    }
    default:
        return FMTIsDateElement(t.code) || FMTIsTimeElement(t.code) ? 2 : -1;
    }
}

int32_t PictureWidth(const std::string &picture, const FMTCNTLBLOCK &block) {
    DateTokens tokens;
    if (!FMTScanDatePicture(picture, tokens)) return -1;
    int32_t width = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const int32_t w = TokenWidth(tokens[i], block);
        if (w < 0) return -1;
        width += w;
    }
    return width;
}

// Without the profile, the keywords count as the pictures they stand for.
int32_t KeywordWidth(const std::string &picture, FMTCNTLBLOCK &block, bool &isKeyword) {
    isKeyword = true;
    if (picture == "ED") return kEmperorDateLength;
    if (picture == "E") {
        const int32_t time = PictureWidth(FMTDefaultTimePic(block), block);
        return time < 0 ? -1 : kEmperorDateLength + time;
    }
    if (picture == "T") {
        FMTCNTLBLOCK copy = block;
        copy.dwFlags &= ~uint32_t{FMT_FLAG_MICROSECONDS};
        return PictureWidth(FMTDefaultTimePic(copy), block);
    }
    if (picture == "S") return PictureWidth(FMTDefaultShortDatePicture(), block);
    if (picture == "L") return PictureWidth(FMTDefaultLongDatePicture(), block);
    if (picture.empty()) return PictureWidth(FMTDefaultDatePicture(), block);
    isKeyword = false;
    return 0;
}

int32_t MaxLength(FMTCNTLBLOCK &block) {
    const int32_t kind = block.nType;
    if (kind < FMT_TYPE_DATE || kind > FMT_TYPE_DATETIME) return -1;
    const bool defaults = (block.dwFlags & FMT_FLAG_DEFAULT_PICTURES) != 0;
    if (block.bUseIntl && !defaults) return -1;
    const std::string time = kind != FMT_TYPE_DATE && defaults ? FMTDefaultTimePic(block) : std::string();
    std::string picture;
    if (kind == FMT_TYPE_TIME) {
        if (defaults)
            picture = time;
        else if (block.nPicSelect == 0 || block.nPicSelect == 1)
            picture = block.nPicSelect == 0 ? (block.lpszLongPic ? block.lpszLongPic : "")
                                            : (block.lpszShortPic ? block.lpszShortPic : "");
        else
            return -1;
    } else {
        const int32_t selector =
            block.bUseIntl ? ((block.dwFlags & FMT_FLAG_LONG_DATE) ? 0 : FMTGetIntlValue(6)) : block.nPicSelect;
        if (selector == 2 || selector == 3) {
            const int32_t form = selector == 2 ? kGeeDateLength : kEmperorDateLength;
            if (kind == FMT_TYPE_DATE) return form;
            const int32_t timeWidth = time.empty() ? -1 : PictureWidth(time, block);
            return timeWidth < 0 ? -1 : form + timeWidth;
        }
        if (selector != 0 && selector != 1) return -1;
        if (block.bUseIntl)
            picture = selector == 0 ? FMTDefaultLongDatePicture() : FMTDefaultShortDatePicture();
        else
            picture = selector == 0 ? (block.lpszLongPic ? block.lpszLongPic : "")
                                    : (block.lpszShortPic ? block.lpszShortPic : "");
    }
    int32_t width = 0;
    if (!block.bUseIntl) {
        bool isKeyword;
        width = KeywordWidth(picture, block, isKeyword);
        if (isKeyword) {
            if (width < 0 || kind != FMT_TYPE_DATETIME || !defaults || picture == "ED" || picture == "E") return width;
            const int32_t timeWidth = PictureWidth(time, block);
            return timeWidth < 0 ? -1 : width + 1 + timeWidth;
        }
    }
    if (kind == FMT_TYPE_DATETIME && defaults) picture += " " + time;
    return PictureWidth(picture, block);
}

// A text token made only of separators and spaces is written as it is;
// any other text becomes one space.
void PutLiteral(std::string &out, const DateToken &t) {
    switch (t.code) {
    case kDateChar:
        out += static_cast<char>(t.value);
        break;
    case kDateSpaces:
        out.append(t.value, ' ');
        break;
    default:
        out += t.Text().find_first_not_of(".-/:\\, ") == std::string_view::npos ? std::string(t.Text()) : " ";
        break;
    }
}

bool IsLiteral(int32_t code) { return code == kDateText || code == kDateChar || code == kDateSpaces; }
bool IsWeekday(int32_t code) { return code == kDateDayShort || code == kDateDayLong; }

std::string CanonicalElement(int32_t code) {
    static constexpr const char *kElements[] = {"d",    "dd", "ddd",  "dddd", "M",  "MM",     "MMM",  "MMMM", "yy",
                                                "yyyy", "hh", "hhhh", "mm",   "ss", "mmmmmm", "AMPM", "h",    "hhh"};
    return kElements[code - kDateDay];
}

// Whether only literals and weekday elements follow position i.
bool OnlyLiteralsAndWeekdaysFrom(const DateTokens &tokens, size_t i) {
    for (; i < tokens.size(); ++i)
        if (!IsLiteral(tokens[i].code) && !IsWeekday(tokens[i].code)) return false;
    return true;
}

std::string WithoutWeekdays(const DateTokens &tokens) {
    std::string out;
    for (size_t i = 0; i < tokens.size();) {
        const int32_t code = tokens[i].code;
        if (IsWeekday(code)) {
            // The weekday goes with the literals and weekdays after it.
            ++i;
            while (i < tokens.size() && (IsLiteral(tokens[i].code) || IsWeekday(tokens[i].code))) ++i;
            continue;
        }
        if (IsLiteral(code)) {
            // Literals that lead, through literals only, to a weekday after
            // which nothing but literals and weekdays follow are dropped.
            size_t j = i;
            while (j < tokens.size() && IsLiteral(tokens[j].code)) ++j;
            if (j < tokens.size() && IsWeekday(tokens[j].code) && OnlyLiteralsAndWeekdaysFrom(tokens, j)) {
                i = j;
                continue;
            }
            PutLiteral(out, tokens[i++]);
            continue;
        }
        out += CanonicalElement(code);
        ++i;
    }
    return out;
}

bool PictureHas(const char *picture, bool (*isElement)(int32_t)) {
    DateTokens tokens;
    if (!picture || !FMTScanDatePicture(picture, tokens)) return false;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (isElement(tokens[i].code)) return true;
    return false;
}

} // namespace

extern "C" {

int32_t ORVEXAPI FMTGetMaxFormattedDTLen(FMTCNTLBLOCK *block, int32_t minimum) {
    if (!block) return -1;
    FMTCNTLBLOCK copy = *block;
    return std::max(MaxLength(copy), minimum);
}

int32_t ORVEXAPI FMTGetGeeLongDatePic(char *buffer, uint32_t size, int32_t withTime) {
    if (!buffer || size == 0) return 0;
    std::string picture = FMTDefaultLongDatePicture();
    if (withTime) {
        FMTCNTLBLOCK block;
        FMTInitCntlBlock(&block);
        block.bUseIntl = 1;
        block.dwFlags &= ~uint32_t{FMT_FLAG_MICROSECONDS};
        picture += " " + FMTDefaultTimePic(block);
    }
    buffer[0] = '\0';
    DateTokens tokens;
    if (!FMTScanDatePicture(picture, tokens)) return 0;
    const std::string rewritten = WithoutWeekdays(tokens);
    const size_t n = std::min<size_t>(rewritten.size(), size - 1);
    std::memcpy(buffer, rewritten.data(), n);
    buffer[n] = '\0';
    return 1;
}

int32_t ORVEXAPI FMTDatePicHasDate(const char *picture) { return PictureHas(picture, FMTIsDateElement) ? 1 : 0; }

int32_t ORVEXAPI FMTDatePicHasTime(const char *picture) { return PictureHas(picture, FMTIsTimeElement) ? 1 : 0; }

int32_t ORVEXAPI FMTIsDatePicValid(const char *picture) {
    if (!picture) return 0;
    if (!*picture) return 1;
    for (const char *keyword : {"S", "L", "E", "T", "ED"})
        if (IntlIsStrEqual(picture, keyword)) return 1;
    DateTokens tokens;
    return FMTScanDatePicture(picture, tokens) ? 1 : 0;
}

} // extern "C"
