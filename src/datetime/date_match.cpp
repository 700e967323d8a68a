#include "datetime/date_match.h"

#include <windows.h>

#include <cstring>
#include <string_view>

#include "datetime/date_values.h"
#include "datetime/intl_profile.h"
#include "datetime/name_tables.h"

namespace {

std::string_view StripSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// A NUL-terminated copy of a token's text for the system's comparisons.
// Tokens are at most 99 characters long; a longer text (which no name or
// designator is) becomes empty.
class CText {
public:
    explicit CText(std::string_view text) {
        const size_t n = text.size() < sizeof text_ ? text.size() : 0;
        std::memcpy(text_, text.data(), n);
        text_[n] = '\0';
    }
    const char *c_str() const { return text_; }

private:
    char text_[128];
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return lstrcmpiA(CText(a).c_str(), CText(b).c_str()) == 0;
}

// What one matching run has read so far.
struct MatchState {
    DATDEF date{1, 1, 1900, 0, 0, 0, 0};
    char weekday[16] = ""; // a day name, which is at most 14 characters
    bool dateRead = false, timeRead = false, hour12Read = false, hour24Read = false, noHourZero = false;
};

class Matcher {
public:
    Matcher(const DateTokens &value, const DateTokens &picture, const FMTCNTLBLOCK &block)
        : value_(value), picture_(picture), type_(block.nType),
          am_(block.bUseIntl ? FMTGetIntlString(3) : (block.lpszAM ? block.lpszAM : "")),
          pm_(block.bUseIntl ? FMTGetIntlString(4) : (block.lpszPM ? block.lpszPM : "")) {}

    bool Run() {
        while (p_ < picture_.size() || v_ < value_.size()) {
            SkipBlanks();
            if (p_ >= picture_.size()) {
                if (v_ < value_.size()) return false;
                break;
            }
            if (!MatchElement(picture_[p_++])) return false;
        }
        return type_ == FMT_TYPE_TIME ||
               FMTIsValidDate(state_.date.nMonth, state_.date.nDay, state_.date.nYear, state_.weekday);
    }

    const MatchState &State() const { return state_; }

private:
    // Spaces, and texts that hold nothing but spaces.
    static bool IsBlankToken(const DateToken &t) {
        return t.code == kDateSpaces ||
               (t.code == kDateText && t.Text().find_first_not_of(' ') == std::string_view::npos);
    }
    void SkipBlanks() {
        while (p_ < picture_.size() && IsBlankToken(picture_[p_])) ++p_;
        while (v_ < value_.size() && IsBlankToken(value_[v_])) ++v_;
    }

    const DateToken *Value() const { return v_ < value_.size() ? &value_[v_] : nullptr; }
    bool ValueIs(int32_t code) const { return Value() && Value()->code == code; }

    // A required number within a range; consumes it.
    bool RequiredNumber(uint32_t low, uint32_t high, uint32_t &out) {
        if (!ValueIs(kDateNumber) || Value()->value < low || Value()->value > high) return false;
        out = value_[v_++].value;
        return true;
    }
    // An optional number: absent values read nothing; a token of another
    // kind is left for the next element (but not after a 24-hour hour);
    // a number out of range fails.
    bool OptionalNumber(uint32_t high, int32_t &out, bool &read) {
        read = false;
        if (!Value()) return true;
        if (!ValueIs(kDateNumber)) return !state_.hour24Read;
        if (Value()->value > high) return false;
        out = static_cast<int32_t>(value_[v_++].value);
        read = true;
        return true;
    }
    bool OptionalHour(uint32_t high, bool twelve, bool noZero) {
        if (!Value()) return true;
        if (!ValueIs(kDateNumber)) return true;
        if (Value()->value > high) return false;
        state_.date.nHour = static_cast<int32_t>(value_[v_++].value);
        (twelve ? state_.hour12Read : state_.hour24Read) = true;
        state_.timeRead = true;
        if (noZero) state_.noHourZero = true;
        return true;
    }

    bool Text(const DateToken &picture) {
        if (!ValueIs(kDateText)) return false;
        if (!SameIgnoringCase(StripSpaces(Value()->Text()), StripSpaces(picture.Text()))) return false;
        ++v_;
        return true;
    }

    bool Separator() {
        if (ValueIs(kDateChar)) {
            ++v_;
            return true;
        }
        // After a 24-hour hour a time needs its separators.
        return !(Value() && state_.hour24Read && (type_ == FMT_TYPE_TIME || type_ == FMT_TYPE_DATETIME));
    }

    bool Weekday() {
        if (!ValueIs(kDateText)) return false;
        const std::string_view word = Value()->Text();
        if (word.size() >= sizeof state_.weekday || !FMTDayByName(CText(word).c_str())) return false;
        std::memcpy(state_.weekday, word.data(), word.size());
        state_.weekday[word.size()] = '\0';
        ++v_;
        return true;
    }

    // A month name; or a month name run together with the picture's next
    // text («Decemberta» against «MMMM'ta'»).
    bool MonthName() {
        if (!ValueIs(kDateText)) return false;
        const std::string_view word = Value()->Text();
        if (const int32_t month = FMTMonthByName(CText(word).c_str())) {
            SetMonth(month);
            ++v_;
            return true;
        }
        if (p_ >= picture_.size() || picture_[p_].code != kDateText) return false;
        const std::string_view suffix = picture_[p_].Text();
        if (suffix.empty() || word.size() <= suffix.size() || word.substr(word.size() - suffix.size()) != suffix)
            return false;
        const int32_t month = FMTMonthByName(CText(word.substr(0, word.size() - suffix.size())).c_str());
        if (!month) return false;
        SetMonth(month);
        ++v_;
        ++p_;
        return true;
    }

    void SetMonth(int32_t month) {
        state_.date.nMonth = month;
        state_.dateRead = true;
    }

    bool Year(bool fourDigits) {
        if (!ValueIs(kDateNumber)) return false;
        const uint32_t raw = Value()->value;
        const bool marked = fourDigits && (raw & kFourDigitMark) == kFourDigitMark && (raw & 0x00FFFFFF) <= 99;
        const uint32_t year = marked ? raw & 0x00FFFFFF : raw;
        if (year > 9999) return false;
        int32_t y = static_cast<int32_t>(year);
        if (!marked && y <= 99) y += FMTCenturyFor(y);
        state_.date.nYear = y;
        state_.dateRead = true;
        ++v_;
        return true;
    }

    bool AmPm() {
        if (!Value()) return !state_.hour12Read;
        if (!ValueIs(kDateText)) return false;
        const std::string_view word = Value()->Text();
        const bool pm = SameIgnoringCase(word, pm_);
        if (!pm && !SameIgnoringCase(word, am_)) return false;
        if (state_.date.nHour < 1 || state_.date.nHour > 12) return false;
        if (pm && state_.date.nHour != 12) state_.date.nHour += 12;
        if (!pm && state_.date.nHour == 12) state_.date.nHour = 0;
        ++v_;
        return true;
    }

    bool MatchElement(const DateToken &picture) {
        uint32_t n;
        bool read;
        switch (picture.code) {
        case kDateText:
            return Text(picture);
        case kDateChar:
            return Separator();
        case kDateDay:
        case kDateDay2:
            if (!RequiredNumber(1, 31, n)) return false;
            state_.date.nDay = static_cast<int32_t>(n);
            state_.dateRead = true;
            return true;
        case kDateDayShort:
        case kDateDayLong:
            return Weekday();
        case kDateMonth:
        case kDateMonth2:
            if (!RequiredNumber(1, 12, n)) return false;
            SetMonth(static_cast<int32_t>(n));
            return true;
        case kDateMonthShort:
        case kDateMonthLong:
            return MonthName();
        case kDateYear2:
            return Year(false);
        case kDateYear4:
            return Year(true);
        case kDateHour12Pad:
            return OptionalHour(12, true, false);
        case kDateHour12:
            return OptionalHour(12, true, true);
        case kDateHour24Pad:
            return OptionalHour(24, false, false);
        case kDateHour24:
            return OptionalHour(24, false, true);
        case kDateMinute:
            if (!OptionalNumber(59, state_.date.nMinute, read)) return false;
            state_.timeRead |= read;
            return true;
        case kDateSecond:
            if (!OptionalNumber(59, state_.date.nSecond, read)) return false;
            state_.timeRead |= read;
            return true;
        case kDateMicro:
            if (!OptionalNumber(999999, state_.date.nMicrosecond, read)) return false;
            state_.timeRead |= read;
            return true;
        case kDateAmPm:
            return AmPm();
        default:
            return false;
        }
    }

    const DateTokens &value_;
    const DateTokens &picture_;
    int32_t type_;
    std::string_view am_, pm_;
    size_t p_ = 0, v_ = 0;
    MatchState state_;
};

} // namespace

int32_t FMTMatchDateTokens(const DateTokens &value, const DateTokens &picture, FMTCNTLBLOCK *block) {
    if (!block || value.empty() || picture.empty()) return 0;
    Matcher matcher(value, picture, *block);
    if (!matcher.Run()) return 0;
    const MatchState &s = matcher.State();
    block->dtValue = s.date;
    block->dwFlags &= ~uint32_t{FMT_FLAG_DATE_READ | FMT_FLAG_TIME_READ | FMT_FLAG_NO_HOUR_ZERO};
    if (s.dateRead) block->dwFlags |= FMT_FLAG_DATE_READ;
    if (s.timeRead) block->dwFlags |= FMT_FLAG_TIME_READ;
    if (s.noHourZero) block->dwFlags |= FMT_FLAG_NO_HOUR_ZERO;
    return 1;
}
