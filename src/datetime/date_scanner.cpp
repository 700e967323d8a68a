// The date/time scanner: pictures and typed values read into tokens.  The
// state of a scan lives in the call, so scans on several threads run side
// by side.
#include <algorithm>
#include <cstring>
#include <string>

#include "datetime/date_tokens.h"

namespace {

// A token longer than this ends the scan with an error.
constexpr size_t kMaxTokenLength = 99;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsSeparator(char c) {
    switch (c) {
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case '\\':
        return true;
    default:
        return false;
    }
}
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

class Scanner {
public:
    Scanner(std::string_view text, DateTokens &out) : text_(text), out_(out) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    // The length of the run of `c` from the current position.
    size_t RunOf(char c) const {
        size_t n = 0;
        while (Peek(n) == c) ++n;
        return n;
    }
    template <typename Pred> size_t RunWhile(Pred pred) const {
        size_t n = 0;
        while (pos_ + n < text_.size() && pred(text_[pos_ + n])) ++n;
        return n;
    }

    // Emits a token for the next `length` characters; false for an over-long one.
    bool Emit(int32_t code, uint32_t value, size_t length, std::string_view text = {}) {
        if (length > kMaxTokenLength) return false;
        out_.Add({code, value, text.data(), text.size()});
        pos_ += length;
        return true;
    }

    bool Separator() { return Emit(kDateChar, static_cast<unsigned char>(Peek()), 1); }
    bool Spaces() {
        const size_t n = RunWhile(IsSpace);
        return Emit(kDateSpaces, static_cast<uint32_t>(n), n);
    }
    // '...': the text between the quotes.
    bool Quoted() {
        const size_t close = text_.find('\'', pos_ + 1);
        if (close == std::string_view::npos) return false;
        const size_t length = close + 1 - pos_;
        return Emit(kDateText, 0, length, text_.substr(pos_ + 1, close - pos_ - 1));
    }

    std::string_view text_;
    DateTokens &out_;
    size_t pos_ = 0;
};

// d, M and h runs of 1 to 4; anything longer is an error.
bool ScanLetterRun(Scanner &s, char letter) {
    static constexpr int32_t kHourCodes[5] = {0, kDateHour12, kDateHour12Pad, kDateHour24, kDateHour24Pad};
    const size_t n = s.RunOf(letter);
    if (n > 4) return false;
    const int32_t code = letter == 'd'   ? kDateDay + static_cast<int32_t>(n) - 1
                         : letter == 'M' ? kDateMonth + static_cast<int32_t>(n) - 1
                                         : kHourCodes[n];
    return s.Emit(code, 0, n);
}

// Longest match first: yyyy before yy, mmmmmm before mm.
bool ScanLongestOf(Scanner &s, char letter, size_t longLength, int32_t longCode, int32_t shortCode) {
    if (s.RunOf(letter) >= longLength) return s.Emit(longCode, 0, longLength);
    if (s.RunOf(letter) >= 2) return s.Emit(shortCode, 0, 2);
    return false;
}

bool ScanPictureToken(Scanner &s) {
    const char c = s.Peek();
    switch (c) {
    case 'd':
    case 'M':
    case 'h':
        return ScanLetterRun(s, c);
    case 'y':
        return ScanLongestOf(s, 'y', 4, kDateYear4, kDateYear2);
    case 'm':
        return ScanLongestOf(s, 'm', 6, kDateMicro, kDateMinute);
    case 's':
        return s.RunOf('s') >= 2 && s.Emit(kDateSecond, 0, 2);
    case 'A':
        return s.text_.substr(s.pos_, 4) == "AMPM" && s.Emit(kDateAmPm, 0, 4);
    case '\'':
        return s.Quoted();
    default:
        if (IsSeparator(c)) return s.Separator();
        if (IsSpace(c)) return s.Spaces();
        return false;
    }
}

// A number's value; over-long runs saturate, so that no range check passes.
uint32_t NumberValue(std::string_view digits) {
    uint64_t value = 0;
    for (char d : digits) value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(d - '0'), 0xFFFFFFFFu);
    if (digits.size() == 4 && digits.substr(0, 2) == "00") value |= kFourDigitMark;
    return static_cast<uint32_t>(value);
}

// Letters of a word: ASCII letters and double-byte characters (a byte of
// 0x81 or more and the byte after it).
size_t WordLength(const Scanner &s) {
    size_t n = 0;
    for (;;) {
        const char c = s.Peek(n);
        if (IsAsciiLetter(c)) {
            ++n;
        } else if (static_cast<unsigned char>(c) >= 0x81 && s.Peek(n + 1) != '\0') {
            n += 2;
        } else {
            return n;
        }
    }
}

bool ScanValueToken(Scanner &s) {
    const char c = s.Peek();
    if (IsDigit(c)) {
        const size_t n = s.RunWhile(IsDigit);
        return s.Emit(kDateNumber, NumberValue(s.text_.substr(s.pos_, n)), n);
    }
    if (const size_t n = WordLength(s)) return s.Emit(kDateText, 0, n, s.text_.substr(s.pos_, n));
    if (c == '\'') return s.Quoted();
    if (IsSeparator(c)) return s.Separator();
    if (IsSpace(c)) return s.Spaces();
    return false;
}

template <typename ScanToken> bool ScanAll(std::string_view text, DateTokens &out, ScanToken scanToken) {
    out.Clear();
    Scanner s(text, out);
    while (!s.AtEnd())
        if (!scanToken(s)) {
            out.Clear();
            return false;
        }
    return true;
}

} // namespace

bool FMTScanDatePicture(std::string_view picture, DateTokens &out) { return ScanAll(picture, out, ScanPictureToken); }

bool FMTScanDateValue(std::string_view value, DateTokens &out) {
    if (!ScanAll(value, out, ScanValueToken)) return false;
    // «20261204» is read like «2026 12 04»; the tokens then point into the
    // spaced copy, which the token list keeps.
    if (value.size() == 8 && out.size() == 1) {
        out.Keep(std::string(value.substr(0, 4)) + " " + std::string(value.substr(4, 2)) + " " +
                 std::string(value.substr(6, 2)));
        return ScanAll(out.Kept(), out, ScanValueToken);
    }
    return true;
}

int32_t FMTPicKind(const DateTokens &picture) {
    int32_t kind = 0;
    for (size_t i = 0; i < picture.size(); ++i) {
        if (FMTIsDateElement(picture[i].code)) kind |= 1;
        if (FMTIsTimeElement(picture[i].code)) kind |= 2;
    }
    return kind;
}
