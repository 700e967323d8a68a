// Free-form shapes of typed dates and times, and the pictures they stand for.
#include <algorithm>
#include <cstring>
#include <string>

#include "datetime/date_tokens.h"
#include "orvexrt/intl.h"

namespace {

constexpr const char *kDateShapes[] = {
    "MMM d, yyyy",  "MMM dd, yyyy", "MMMM d, yyyy",  "MMMM dd, yyyy", "yyyy-MM-dd", "d MMM, yyyy",
    "dd MMM, yyyy", "d MMMM, yyyy", "dd MMMM, yyyy", "M/d/yyyy",      "d-MMM-yyyy",
};
constexpr const char *kTimeShapes[] = {"hh.mm.ss.mmmmmm AMPM", "hhhh.mm.ss.mmmmmm"};
constexpr int kNumericDateShape = 9;
constexpr int kIsoDateShape = 4;
constexpr int kNoShape = -1;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDateSeparator(char c) { return c != '\0' && std::strchr(",-/.:\\", c) != nullptr; }
bool IsTimeSeparator(char c) { return c == ',' || c == '.' || c == ':'; }

// Reads runs from a text; each step returns the run's length (0 = none).
class Reader {
public:
    explicit Reader(std::string_view text, size_t pos = 0) : text_(text), pos_(pos) {}
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    size_t Pos() const { return pos_; }
    template <typename Pred> size_t Run(Pred pred) {
        const size_t start = pos_;
        while (pos_ < text_.size() && pred(text_[pos_])) ++pos_;
        return pos_ - start;
    }
    template <typename Pred> bool One(Pred pred) {
        if (!pred(Peek())) return false;
        ++pos_;
        return true;
    }

private:
    std::string_view text_;
    size_t pos_;
};

// A matched date: its end and its shape (or kNoShape when the classifier
// refuses it).
struct DateMatch {
    size_t end = 0;
    int shape = kNoShape;
    bool numeric = false;
};

DateMatch NumericDate(std::string_view t) {
    Reader r(t);
    const size_t g1 = r.Run(IsDigit);
    const char s1 = r.Peek();
    if (!g1 || !r.One(IsDateSeparator)) return {};
    const size_t g2 = r.Run(IsDigit);
    const char s2 = r.Peek();
    if (!g2 || !r.One(IsDateSeparator)) return {};
    const size_t g3 = r.Run(IsDigit);
    if (!g3) return {};
    int shape = kNoShape;
    if (g1 == 4) {
        if (s1 == '-' && s2 == '-' && g2 <= 2 && g3 <= 2) shape = kIsoDateShape;
    } else if (g1 <= 2 && g2 <= 2 && g3 == 4) {
        shape = kNumericDateShape;
    }
    return {r.Pos(), shape, true};
}

DateMatch MonthNameFirst(std::string_view t) {
    Reader r(t);
    const size_t word = r.Run(IsLetter);
    if (!word || !r.Run(IsBlank)) return {};
    const size_t day = r.Run(IsDigit);
    if (!day || !r.Run([](char c) { return IsBlank(c) || c == ','; })) return {};
    const size_t year = r.Run(IsDigit);
    if (!year) return {};
    int shape = kNoShape;
    if (word >= 3 && day <= 2 && year == 4) shape = (word == 3 ? 0 : 2) + (day == 2 ? 1 : 0);
    return {r.Pos(), shape, false};
}

DateMatch DayFirst(std::string_view t) {
    Reader r(t);
    const size_t day = r.Run(IsDigit);
    if (!day || !r.Run(IsBlank)) return {};
    const size_t word = r.Run(IsLetter);
    if (!word || !r.Run([](char c) { return IsBlank(c) || c == ','; })) return {};
    const size_t year = r.Run(IsDigit);
    if (!year) return {};
    int shape = kNoShape;
    if (day <= 2 && word >= 3 && year == 4) shape = (word == 3 ? 5 : 7) + (day == 2 ? 1 : 0);
    return {r.Pos(), shape, false};
}

DateMatch SeparatedDayMonthYear(std::string_view t) {
    Reader r(t);
    const size_t day = r.Run(IsDigit);
    if (!day || !r.One(IsDateSeparator)) return {};
    const size_t word = r.Run(IsLetter);
    if (!word || !r.One(IsDateSeparator)) return {};
    const size_t year = r.Run(IsDigit);
    if (!year) return {};
    const int shape = (day <= 2 && word == 3 && (year == 2 || year == 4)) ? 10 : kNoShape;
    return {r.Pos(), shape, false};
}

// The longest of the date patterns; on equal lengths the first listed.
DateMatch LongestDate(std::string_view t) {
    DateMatch best;
    for (DateMatch m : {NumericDate(t), MonthNameFirst(t), DayFirst(t), SeparatedDayMonthYear(t)})
        if (m.end > best.end) best = m;
    return best;
}

// The longest time from `pos`: 1-2 digits; up to two more groups of a
// separator and 1-2 digits; optionally a separator and 1-6 digits; blanks;
// optionally letters and blanks.  Returns the end (0 = no match) and
// whether letters ended it.
size_t DigitsEnd(std::string_view t, size_t pos, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (pos + i >= t.size() || !IsDigit(t[pos + i])) return 0;
    return pos + count;
}

size_t LongestTimeNumbers(std::string_view t, size_t pos, int groupsLeft, bool fractionLeft) {
    size_t best = pos;
    if (pos >= t.size() || !IsTimeSeparator(t[pos])) return best;
    for (size_t digits = 1; digits <= 6; ++digits) {
        const size_t end = DigitsEnd(t, pos + 1, digits);
        if (!end) break;
        if (groupsLeft > 0 && digits <= 2) best = std::max(best, LongestTimeNumbers(t, end, groupsLeft - 1, true));
        if (fractionLeft) best = std::max(best, end);
    }
    return best;
}

struct TimeMatch {
    size_t end = 0;
    bool letters = false;
};

TimeMatch LongestTime(std::string_view t, size_t pos) {
    size_t end = 0;
    for (size_t digits = 1; digits <= 2; ++digits)
        if (const size_t e = DigitsEnd(t, pos, digits)) end = std::max(end, LongestTimeNumbers(t, e, 2, true));
    if (!end) return {};
    Reader r(t, end);
    r.Run(IsBlank);
    const bool letters = r.Run(IsLetter) > 0;
    if (letters) r.Run(IsBlank);
    return {r.Pos(), letters};
}

// The shapes of a stripped text: the date shape and the time shape, or false.
bool FindShapes(std::string_view t, size_t inputLength, int32_t kind, int &dateShape, int &timeShape) {
    dateShape = 0;
    timeShape = 0;
    if (kind == 2) {
        const TimeMatch time = LongestTime(t, 0);
        if (!time.end || time.end != t.size()) return false;
        timeShape = time.letters ? 0 : 1;
        return true;
    }
    const DateMatch date = LongestDate(t);
    if (!date.end || date.shape == kNoShape) return false;
    dateShape = date.shape;
    if (kind == 1) return date.end == t.size();
    // Date and time: the date part takes the blanks after it, a numeric date
    // also a single "-".
    Reader r(t, date.end);
    if (!r.Run(IsBlank) && date.numeric) r.One([](char c) { return c == '-'; });
    if (r.Pos() >= inputLength) return r.Pos() == t.size();
    const TimeMatch time = LongestTime(t, r.Pos());
    if (!time.end || time.end != t.size()) return false;
    timeShape = time.letters ? 0 : 1;
    return true;
}

} // namespace

bool FMTGuessDatePicture(std::string_view text, int32_t kind, bool allowNumeric, std::string &picture) {
    if (kind < 1 || kind > 3) return false;
    // A copy without the spaces around it: on the stack when it is short.
    char local[128];
    std::string long_;
    char *copy = local;
    if (text.size() >= sizeof local) {
        long_.assign(text);
        copy = long_.data();
    } else {
        std::memcpy(local, text.data(), text.size());
        local[text.size()] = '\0';
    }
    IntlStrStripSpace(copy);
    const std::string_view stripped(copy);
    int dateShape, timeShape;
    if (!FindShapes(stripped, text.size(), kind, dateShape, timeShape)) return false;
    if (!allowNumeric && kind != 2 && dateShape == kNumericDateShape) return false;
    switch (kind) {
    case 1:
        picture = kDateShapes[dateShape];
        break;
    case 2:
        picture = kTimeShapes[timeShape];
        break;
    default:
        picture =
            std::string(kDateShapes[dateShape]) + (dateShape == kIsoDateShape ? "-" : " ") + kTimeShapes[timeShape];
        break;
    }
    return true;
}
