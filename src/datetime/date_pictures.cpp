#include "datetime/date_pictures.h"

#include <algorithm>
#include <cstring>

#include "datetime/intl_profile.h"

namespace {

// A picture that may be one of the keywords: "S" short date, "L" long date,
// "T" time, "ED" emperor date, "E" emperor date and time.
enum class Keyword { kNone, kShort, kLong, kTime, kEmperorDate, kEmperorDateTime };

Keyword KeywordOf(const std::string &picture) {
    if (picture == "S") return Keyword::kShort;
    if (picture == "L") return Keyword::kLong;
    if (picture == "T") return Keyword::kTime;
    if (picture == "ED") return Keyword::kEmperorDate;
    if (picture == "E") return Keyword::kEmperorDateTime;
    return Keyword::kNone;
}

std::string Text(const char *text) { return text ? text : ""; }

// Replaces a keyword picture; returns false when the plan is complete (the
// emperor date alone).
void ResolveKeyword(FMTCNTLBLOCK &block, FMTDatePlan &plan) {
    switch (KeywordOf(plan.picture)) {
    case Keyword::kShort:
        plan.picture = FMTDefaultShortDatePicture();
        break;
    case Keyword::kLong:
        plan.picture = FMTDefaultLongDatePicture();
        break;
    case Keyword::kTime:
        block.dwFlags &= ~uint32_t{FMT_FLAG_MICROSECONDS};
        plan.picture = FMTDefaultTimePic(block);
        break;
    case Keyword::kEmperorDate:
        plan.form = FMTDatePlan::kEmperorDate;
        plan.stopAfterForm = true;
        plan.picture.clear();
        break;
    case Keyword::kEmperorDateTime:
        plan.form = FMTDatePlan::kEmperorDate;
        block.dwFlags |= FMT_FLAG_DROP_ZERO_MICROSECONDS;
        plan.picture = FMTDefaultTimePic(block);
        break;
    case Keyword::kNone:
        if (plan.picture.empty()) plan.picture = FMTDefaultDatePicture();
        break;
    }
}

} // namespace

std::string FMTDefaultTimePic(const FMTCNTLBLOCK &block) {
    const bool twentyFour = block.bUseIntl ? FMTGetIntlValue(0) != 0 : block.b24Hour != 0;
    const std::string separator = block.bUseIntl ? Text(FMTGetIntlString(2)) : Text(block.lpszTimeSep);
    std::string picture = twentyFour ? "hhhh" : "hh";
    picture += separator + "mm" + separator + "ss";
    if (block.dwFlags & FMT_FLAG_MICROSECONDS) picture += separator + "mmmmmm";
    if (!twentyFour) picture += " AMPM";
    return picture;
}

std::string FMTDefaultShortDatePicture() {
    const char *p = FMTGetIntlString(0);
    return p ? std::string(p, strnlen(p, sizeof(INTLPROFILE::sShortDate))) : std::string();
}

std::string FMTDefaultLongDatePicture() {
    const char *p = FMTGetIntlString(1);
    return p ? std::string(p, strnlen(p, sizeof(INTLPROFILE::sLongDate))) : std::string();
}

std::string FMTDefaultDatePicture() {
    return FMTGetIntlValue(6) != 0 ? FMTDefaultShortDatePicture() : FMTDefaultLongDatePicture();
}

bool FMTPlanDateFormat(FMTCNTLBLOCK &block, FMTDatePlan &plan) {
    plan = FMTDatePlan{};
    const int32_t kind = block.nType;
    if (kind < FMT_TYPE_DATE || kind > FMT_TYPE_DATETIME) return false;
    const bool defaults = (block.dwFlags & FMT_FLAG_DEFAULT_PICTURES) != 0;
    if (block.bUseIntl && !defaults) return false;

    std::string timePicture;
    if (kind != FMT_TYPE_DATE && defaults) timePicture = FMTDefaultTimePic(block);
    if (kind == FMT_TYPE_TIME) {
        if (!defaults) {
            if (block.nPicSelect == 0)
                plan.picture = Text(block.lpszLongPic);
            else if (block.nPicSelect == 1)
                plan.picture = Text(block.lpszShortPic);
            else
                return false;
            ResolveKeyword(block, plan);
        } else {
            plan.picture = timePicture;
        }
        return plan.form != FMTDatePlan::kPicture || !plan.picture.empty();
    }

    const int32_t selector =
        block.bUseIntl ? ((block.dwFlags & FMT_FLAG_LONG_DATE) ? 0 : FMTGetIntlValue(6)) : block.nPicSelect;
    switch (selector) {
    case 0:
        plan.picture = block.bUseIntl ? FMTDefaultLongDatePicture() : Text(block.lpszLongPic);
        break;
    case 1:
        plan.picture = block.bUseIntl ? FMTDefaultShortDatePicture() : Text(block.lpszShortPic);
        break;
    case 2:
    case 3:
        // A Japanese date form, then (for a date and time) the time picture.
        plan.form = selector == 2 ? FMTDatePlan::kGeeDate : FMTDatePlan::kEmperorDate;
        plan.stopAfterForm = kind == FMT_TYPE_DATE;
        if (kind == FMT_TYPE_DATETIME && timePicture.empty()) return false;
        plan.picture = timePicture;
        return true;
    default:
        return false;
    }
    ResolveKeyword(block, plan);
    if (plan.form != FMTDatePlan::kPicture) return true;
    if (plan.picture.empty()) return false;
    if (kind == FMT_TYPE_DATETIME && defaults) plan.picture += " " + timePicture;
    return true;
}

extern "C" {

// Copies at most `size` bytes; the last byte of the buffer is always NUL.
static int32_t CopyPicture(char *buffer, uint32_t size, const std::string &picture) {
    if (!buffer || size == 0) return 1;
    const size_t n = std::min<size_t>(picture.size(), size - 1);
    std::memcpy(buffer, picture.data(), n);
    buffer[n] = '\0';
    return 1;
}

int32_t ORVEXAPI FMTGetDefaultShortDatePic(char *buffer, uint32_t size) {
    return CopyPicture(buffer, size, FMTDefaultShortDatePicture());
}

int32_t ORVEXAPI FMTGetDefaultLongDatePic(char *buffer, uint32_t size) {
    return CopyPicture(buffer, size, FMTDefaultLongDatePicture());
}

int32_t ORVEXAPI FMTGetDefaultDatePic(char *buffer, uint32_t size) {
    return CopyPicture(buffer, size, FMTDefaultDatePicture());
}

} // extern "C"
