// IntlStrScan: a case-insensitive search with a small pattern language.
//
//   %    any run of characters (also none)
//   _    one character
//   \c   the character c itself, even when it is %, _ or \ (a \ that ends
//        the pattern stands for itself)
//   c    any other character: itself, in either case
//
// The result is where the match begins: 0 when the pattern begins with % or
// _, else the first place where the text of the pattern occurs.  The scan
// moves one way through the text: after a %, a mismatch goes back only to
// the last character found after the %, never to the start of the match.
#include "intl/char_walk.h"
#include "intl/string_case.h"
#include "orvexrt/intl.h"

namespace {

// Whether the single-byte character at q is `c`: a trail byte never is.
bool IsPatternSign(const char *q, int32_t width, char c) { return width == 1 && *q == c; }

class PatternScan {
public:
    PatternScan(const char *text, const char *pattern, bool dbcs)
        : text_(text), pattern_(pattern), dbcs_(dbcs), p_(text), q_(pattern), savedP_(text), savedQ_(pattern) {}

    // Byte offset of the match in the text, or -1.  The pattern is not empty.
    int32_t Run() {
        for (;;) {
            const Step step = Next();
            if (step == Step::kMatched) return start_ != nullptr ? static_cast<int32_t>(start_ - text_) : -1;
            if (step == Step::kFailed) return -1;
        }
    }

private:
    enum class Step { kGoOn, kMatched, kFailed };

    Step Next() {
        int32_t width = IntlCharWidth(q_, dbcs_);
        if (IsPatternSign(q_, width, '%')) return AnyRun();
        if (IsPatternSign(q_, width, '_')) return AnyCharacter();
        if (IsPatternSign(q_, width, '\\') && q_[1] != '\0') {
            ++q_;
            width = IntlCharWidth(q_, dbcs_);
        }
        const uint16_t c = IntlCodeAt(q_, width);
        return anchored_ ? CompareHere(c, width) : Seek(c, width);
    }

    Step AnyRun() {
        ++q_;
        savedQ_ = q_;
        anchored_ = false;
        afterPercent_ = true;
        if (start_ == nullptr && *p_ != '\0') start_ = text_;
        return AtPatternEnd();
    }

    Step AnyCharacter() {
        ++q_;
        p_ = IntlNextChar(p_, dbcs_);
        if (start_ == nullptr && *p_ != '\0') {
            start_ = text_;
            anchored_ = true;
        }
        return AtPatternEnd();
    }

    // The pattern character c must stand at p.
    Step CompareHere(uint16_t c, int32_t width) {
        const int32_t textWidth = IntlCharWidth(p_, dbcs_);
        if (*p_ != '\0' && IntlSameIgnoringCase(IntlCodeAt(p_, textWidth), c)) {
            p_ += textWidth;
            q_ += width;
            return AtPatternEnd();
        }
        if (start_ == nullptr || *start_ == '\0') return Step::kFailed;
        if (afterPercent_) {
            p_ = savedP_;
            q_ = savedQ_;
            anchored_ = false;
            return Step::kGoOn;
        }
        return Restart();
    }

    // The pattern character c may stand anywhere from p on.
    Step Seek(uint16_t c, int32_t width) {
        anchored_ = true;
        const char *found =
            EarlierOf(IntlFindCharInMode(p_, IntlUpperCode(c), dbcs_), IntlFindCharInMode(p_, IntlLowerCode(c), dbcs_));
        if (found == nullptr) {
            if (start_ == nullptr || *start_ == '\0' || afterPercent_) return Step::kFailed;
            return Restart();
        }
        p_ = IntlNextChar(found, dbcs_);
        q_ += width;
        if (start_ == nullptr) start_ = found;
        if (afterPercent_) savedP_ = p_;
        return AtPatternEnd();
    }

    // Tries the whole pattern again one character further on.
    Step Restart() {
        start_ = IntlNextChar(start_, dbcs_);
        q_ = pattern_;
        p_ = start_;
        anchored_ = true;
        return Step::kGoOn;
    }

    Step AtPatternEnd() const { return *q_ == '\0' ? Step::kMatched : Step::kGoOn; }

    static const char *EarlierOf(const char *a, const char *b) {
        if (a == nullptr) return b;
        if (b == nullptr) return a;
        return a < b ? a : b;
    }

    const char *const text_;
    const char *const pattern_;
    const bool dbcs_;
    const char *start_ = nullptr; // where the match begins; null before it is known
    const char *p_;               // the text position
    const char *q_;               // the pattern position
    bool anchored_ = false;       // the next pattern character must stand at p
    bool afterPercent_ = false;
    const char *savedP_; // where to go on after a mismatch behind a %
    const char *savedQ_;
};

// Characters of s before byte offset `offset`, which begins a character.
int32_t CharactersBefore(const char *s, int32_t offset) {
    int32_t count = 0;
    for (const char *p = s; p < s + offset; p = IntlNextChar(p, true)) ++count;
    return count;
}

} // namespace

int32_t ORVEXAPI IntlStrScan(const char *s, const char *pattern) {
    if (s == nullptr || pattern == nullptr) return -1;
    if (*s == '\0') return *pattern == '\0' ? 0 : -1;
    if (*pattern == '\0') return -1;
    const bool dbcs = IntlInDBCSMode();
    const int32_t offset = PatternScan(s, pattern, dbcs).Run();
    return offset < 0 || !dbcs ? offset : CharactersBefore(s, offset);
}
