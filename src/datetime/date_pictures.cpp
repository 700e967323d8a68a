#include "datetime/date_pictures.h"

#include <algorithm>
#include <cstring>

#include "datetime/intl_profile.h"

namespace {

// A picture that may be one of the keywords: "S" short date, "L" long date,
// "T" time, "ED" emperor date, "E" emperor date and time.
enum class Keyword { kNone, kShort, kLong, kTime, kEmperorDate, kEmperorDateTime };

Keyword KeywordOf(std::string_view picture) {
    if (picture == "S") return Keyword::kShort;
    if (picture == "L") return Keyword::kLong;
    if (picture == "T") return Keyword::kTime;
    if (picture == "ED") return Keyword::kEmperorDate;
    if (picture == "E") return Keyword::kEmperorDateTime;
    return Keyword::kNone;
}

std::string_view Text(const char *text) { return text ? text : ""; }

// A profile field of at most N bytes, which may lack its terminator.
template <size_t N> std::string_view Field(const char (&field)[N]) { return {field, strnlen(field, N)}; }

void UseTimePicture(const FMTCNTLBLOCK &block, FMTDatePlan &plan) {
    plan.composed.clear();
    FMTAppendDefaultTimePic(block, plan.composed);
    plan.picture = plan.composed;
}

// Replaces a keyword picture; returns false when the plan is complete (the
// emperor date alone).
void ResolveKeyword(FMTCNTLBLOCK &block, FMTDatePlan &plan) {
    switch (KeywordOf(plan.picture)) {
    case Keyword::kShort:
        plan.picture = FMTProfileShortDatePicture();
        break;
    case Keyword::kLong:
        plan.picture = FMTProfileLongDatePicture();
        break;
    case Keyword::kTime:
        block.dwFlags &= ~uint32_t{FMT_FLAG_MICROSECONDS};
        UseTimePicture(block, plan);
        break;
    case Keyword::kEmperorDate:
        plan.form = FMTDatePlan::kEmperorDate;
        plan.stopAfterForm = true;
        plan.picture = {};
        break;
    case Keyword::kEmperorDateTime:
        plan.form = FMTDatePlan::kEmperorDate;
        block.dwFlags |= FMT_FLAG_DROP_ZERO_MICROSECONDS;
        UseTimePicture(block, plan);
        break;
    case Keyword::kNone:
        if (plan.picture.empty())
            plan.picture = FMTGetIntlValue(6) != 0 ? FMTProfileShortDatePicture() : FMTProfileLongDatePicture();
        break;
    }
}

} // namespace

void FMTAppendDefaultTimePic(const FMTCNTLBLOCK &block, std::string &out) {
    const bool twentyFour = block.bUseIntl ? FMTGetIntlValue(0) != 0 : block.b24Hour != 0;
    const std::string_view separator = block.bUseIntl ? Field(FMTThreadProfile().sTime) : Text(block.lpszTimeSep);
    out += twentyFour ? "hhhh" : "hh";
    out += separator;
    out += "mm";
    out += separator;
    out += "ss";
    if (block.dwFlags & FMT_FLAG_MICROSECONDS) {
        out += separator;
        out += "mmmmmm";
    }
    if (!twentyFour) out += " AMPM";
}

std::string FMTDefaultTimePic(const FMTCNTLBLOCK &block) {
    std::string picture;
    FMTAppendDefaultTimePic(block, picture);
    return picture;
}

std::string_view FMTProfileShortDatePicture() { return Field(FMTThreadProfile().sShortDate); }
std::string_view FMTProfileLongDatePicture() { return Field(FMTThreadProfile().sLongDate); }

std::string FMTDefaultShortDatePicture() { return std::string(FMTProfileShortDatePicture()); }
std::string FMTDefaultLongDatePicture() { return std::string(FMTProfileLongDatePicture()); }

std::string FMTDefaultDatePicture() {
    return FMTGetIntlValue(6) != 0 ? FMTDefaultShortDatePicture() : FMTDefaultLongDatePicture();
}

bool FMTPlanDateFormat(FMTCNTLBLOCK &block, FMTDatePlan &plan) {
    plan.form = FMTDatePlan::kPicture;
    plan.picture = {};
    plan.composed.clear();
    plan.stopAfterForm = false;
    const int32_t kind = block.nType;
    if (kind < FMT_TYPE_DATE || kind > FMT_TYPE_DATETIME) return false;
    const bool defaults = (block.dwFlags & FMT_FLAG_DEFAULT_PICTURES) != 0;
    if (block.bUseIntl && !defaults) return false;

    // The default time picture, when the request has one, is worked out
    // before any keyword changes the block's flags.
    std::string timePicture;
    if (kind != FMT_TYPE_DATE && defaults) FMTAppendDefaultTimePic(block, timePicture);
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
            plan.composed = std::move(timePicture);
            plan.picture = plan.composed;
        }
        return plan.form != FMTDatePlan::kPicture || !plan.picture.empty();
    }

    const int32_t selector =
        block.bUseIntl ? ((block.dwFlags & FMT_FLAG_LONG_DATE) ? 0 : FMTGetIntlValue(6)) : block.nPicSelect;
    switch (selector) {
    case 0:
        plan.picture = block.bUseIntl ? FMTProfileLongDatePicture() : Text(block.lpszLongPic);
        break;
    case 1:
        plan.picture = block.bUseIntl ? FMTProfileShortDatePicture() : Text(block.lpszShortPic);
        break;
    case 2:
    case 3:
        // A Japanese date form, then (for a date and time) the time picture.
        plan.form = selector == 2 ? FMTDatePlan::kGeeDate : FMTDatePlan::kEmperorDate;
        plan.stopAfterForm = kind == FMT_TYPE_DATE;
        if (kind == FMT_TYPE_DATETIME && timePicture.empty()) return false;
        plan.composed = std::move(timePicture);
        plan.picture = plan.composed;
        return true;
    default:
        return false;
    }
    ResolveKeyword(block, plan);
    if (plan.form != FMTDatePlan::kPicture) return true;
    if (plan.picture.empty()) return false;
    if (kind == FMT_TYPE_DATETIME && defaults) {
        std::string joined;
        joined.reserve(plan.picture.size() + 1 + timePicture.size());
        joined.append(plan.picture).append(1, ' ').append(timePicture);
        plan.composed = std::move(joined);
        plan.picture = plan.composed;
    }
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
