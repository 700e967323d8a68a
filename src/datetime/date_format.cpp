// FMTFormatDateTime: a date/time value written through a picture.
#include <windows.h>

#include <string>

#include "datetime/date_picture_cache.h"
#include "datetime/date_pictures.h"
#include "datetime/date_tokens.h"
#include "datetime/date_values.h"
#include "datetime/date_writer.h"
#include "datetime/intl_profile.h"
#include "datetime/japanese_dates.h"
#include "datetime/name_tables.h"

namespace {

// Locale items of the weekday names, by weekday (1 = Saturday), and of the
// month names.
constexpr LCTYPE kShortDayItems[8] = {0, 0x36, 0x37, 0x31, 0x32, 0x33, 0x34, 0x35};
constexpr LCTYPE kLongDayItems[8] = {0, 0x2F, 0x30, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E};
constexpr LCTYPE kFirstShortMonthItem = 0x44;
constexpr LCTYPE kFirstLongMonthItem = 0x38;

// Appends a locale item of the user; a failed query appends nothing.
void PutLocaleName(FMTTextOut &out, LCTYPE item) {
    const int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (size <= 0) return;
    std::string name(static_cast<size_t>(size), '\0');
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, name.data(), size) > 0) out.Put(name.c_str());
}

// The designators and the hours' leading zero of a request.
struct TimeStyle {
    const char *am, *pm;
    bool hourZero;
};

TimeStyle TimeStyleOf(const FMTCNTLBLOCK &b) {
    if (b.bUseIntl) return {FMTGetIntlString(3), FMTGetIntlString(4), FMTGetIntlValue(1) == 1};
    return {b.lpszAM ? b.lpszAM : "", b.lpszPM ? b.lpszPM : "",
            b.bTLzero != 0 && (b.dwFlags & FMT_FLAG_NO_HOUR_ZERO) == 0};
}

class DateWriter {
public:
    DateWriter(const FMTCNTLBLOCK &block, FMTTextOut &out, bool localeNames)
        : d_(block.dtValue), flags_(block.dwFlags), out_(out), localeNames_(localeNames), style_(TimeStyleOf(block)) {}

    bool Write(const DateToken &t) {
        switch (t.code) {
        case kDateText:
            out_.Put(t.Text());
            break;
        case kDateChar:
            out_.Put(static_cast<char>(t.value));
            break;
        case kDateSpaces:
            out_.Repeat(' ', t.value);
            break;
        case kDateDay:
            out_.Number(d_.nDay);
            break;
        case kDateDay2:
            TwoDigits(d_.nDay);
            break;
        case kDateDayShort:
            DayName(kShortDayItems, FMTShortDayName);
            break;
        case kDateDayLong:
            DayName(kLongDayItems, FMTLongDayName);
            break;
        case kDateMonth:
            out_.Number(d_.nMonth);
            break;
        case kDateMonth2:
            TwoDigits(d_.nMonth);
            break;
        case kDateMonthShort:
            MonthName(kFirstShortMonthItem, FMTShortMonthName);
            break;
        case kDateMonthLong:
            MonthName(kFirstLongMonthItem, FMTLongMonthName);
            break;
        case kDateYear2:
            ShortYear();
            break;
        case kDateYear4:
            out_.Number(d_.nYear, 4);
            break;
        case kDateHour12Pad:
            Hour(Hour12(), style_.hourZero);
            break;
        case kDateHour12:
            Hour(Hour12(), false);
            break;
        case kDateHour24Pad:
            Hour(d_.nHour, style_.hourZero);
            break;
        case kDateHour24:
            Hour(d_.nHour, false);
            break;
        case kDateMinute:
            TwoDigits(d_.nMinute);
            break;
        case kDateSecond:
            TwoDigits(d_.nSecond);
            break;
        case kDateMicro:
            Microseconds();
            break;
        case kDateAmPm:
            out_.Put(d_.nHour >= 12 ? style_.pm : style_.am);
            break;
        default:
            return false;
        }
        return true;
    }

private:
    void TwoDigits(int32_t v) { out_.Number(v, v >= 0 ? 2 : 0); }
    void Hour(int32_t v, bool zero) { out_.Number(v, zero && v >= 0 ? 2 : 0); }
    int32_t Hour12() const {
        const int32_t h = d_.nHour % 12;
        return h == 0 ? 12 : h;
    }
    void ShortYear() {
        if (d_.nYear < 10) {
            out_.Put('0');
            out_.Number(d_.nYear);
            return;
        }
        char digits[16];
        FMTTextOut year(digits);
        year.Number(d_.nYear);
        out_.Put(std::string_view(digits + year.Length() - 2, 2));
    }
    void Microseconds() {
        const bool dropZero = (flags_ & FMT_FLAG_DROP_ZERO_MICROSECONDS) != 0;
        if ((dropZero && d_.nMicrosecond < 1) || d_.nMicrosecond < 0) {
            out_.DropLast(); // the separator before the element
            return;
        }
        out_.Number(d_.nMicrosecond, 6);
    }
    template <typename NameOf> void DayName(const LCTYPE (&items)[8], NameOf nameOf) {
        const int32_t weekday = FMTWeekday(d_.nMonth, d_.nDay, d_.nYear);
        if (localeNames_)
            PutLocaleName(out_, items[weekday]);
        else
            out_.Put(nameOf(weekday));
    }
    template <typename NameOf> void MonthName(LCTYPE firstItem, NameOf nameOf) {
        if (localeNames_) {
            if (d_.nMonth >= 1 && d_.nMonth <= 12) PutLocaleName(out_, firstItem + d_.nMonth - 1);
        } else {
            out_.Put(nameOf(d_.nMonth));
        }
    }

    const DATDEF &d_;
    uint32_t flags_;
    FMTTextOut &out_;
    bool localeNames_;
    TimeStyle style_;
};

// Writes a picture's tokens after what the output already holds.
bool WritePicture(const FMTCNTLBLOCK &block, std::string_view picture, bool localeNames) {
    DateTokens scratch;
    const DateTokens *tokens = FMTPictureTokens(picture, scratch);
    if (!tokens || tokens->empty()) return false;
    FMTTextOut out(block.lpszOutput, true);
    DateWriter writer(block, out, localeNames);
    for (size_t i = 0; i < tokens->size(); ++i)
        if (!writer.Write((*tokens)[i])) return false;
    return true;
}

} // namespace

extern "C" int32_t ORVEXAPI FMTFormatDateTime(FMTCNTLBLOCK *block, int32_t useLocaleNames) {
    if (!block || !block->lpszOutput) return 0;
    block->lpszOutput[0] = '\0';
    FMTDatePlan plan;
    if (!FMTPlanDateFormat(*block, plan)) return 0;
    if (plan.form != FMTDatePlan::kPicture) {
        const int32_t written =
            plan.form == FMTDatePlan::kGeeDate ? FMTFormatGeeDate(block) : FMTFormatEmperorDate(block);
        if (!written || plan.stopAfterForm) return written;
    }
    return WritePicture(*block, plan.picture, useLocaleNames != 0) ? 1 : 0;
}
