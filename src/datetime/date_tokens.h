// Date tokens: what a date/time picture or a typed date/time value is made
// of, as the scanner reads it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Token codes.  4-13 are the date elements, 14-21 the time elements.
enum FMTDateCode : int32_t {
    kDateNumber = 0,      // a run of digits (typed values only)
    kDateText = 1,        // quoted text; in typed values also a word
    kDateChar = 2,        // one of , - . / : backslash
    kDateSpaces = 3,      // a run of spaces, tabs or line feeds
    kDateDay = 4,         // d
    kDateDay2 = 5,        // dd
    kDateDayShort = 6,    // ddd
    kDateDayLong = 7,     // dddd
    kDateMonth = 8,       // M
    kDateMonth2 = 9,      // MM
    kDateMonthShort = 10, // MMM
    kDateMonthLong = 11,  // MMMM
    kDateYear2 = 12,      // yy
    kDateYear4 = 13,      // yyyy
    kDateHour12Pad = 14,  // hh
    kDateHour24Pad = 15,  // hhhh
    kDateMinute = 16,     // mm
    kDateSecond = 17,     // ss
    kDateMicro = 18,      // mmmmmm
    kDateAmPm = 19,       // AMPM
    kDateHour12 = 20,     // h
    kDateHour24 = 21,     // hhh
};

inline bool FMTIsDateElement(int32_t code) { return code >= kDateDay && code <= kDateYear4; }
inline bool FMTIsTimeElement(int32_t code) { return code >= kDateHour12Pad && code <= kDateHour24; }

// A number token written as four digits beginning with "00" carries this
// mark in its top byte, so that «0099» is not taken for a two-digit year.
constexpr uint32_t kFourDigitMark = 0xFF000000u;

// A token: its code, its number (a number's value, a character, a count of
// spaces) and, for text tokens, the text (a view into the scanned text).
// A plain record, so that a list of them costs nothing to set up.
struct DateToken {
    int32_t code;
    uint32_t value;
    const char *textData;
    size_t textSize;

    std::string_view Text() const { return {textData, textSize}; }
};

// The tokens of one text.  Most pictures and values have a few dozen tokens
// at most, which fit without allocating.
class DateTokens {
public:
    void Add(DateToken token) {
        if (size_ < kInline)
            inline_[size_] = token;
        else
            overflow_.push_back(token);
        ++size_;
    }
    void Clear() {
        size_ = 0;
        overflow_.clear();
    }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const DateToken &operator[](size_t i) const { return i < kInline ? inline_[i] : overflow_[i - kInline]; }

    // A text that the tokens may point into, kept as long as the list.
    void Keep(std::string text) { kept_ = std::move(text); }
    std::string_view Kept() const { return kept_; }

private:
    static constexpr size_t kInline = 40;
    DateToken inline_[kInline]; // left uninitialised: only [0, size) is read
    std::vector<DateToken> overflow_;
    size_t size_ = 0;
    std::string kept_;
};

// Scanning: true when the whole text is made of valid tokens.  A picture
// (d, M, y, h, m, s, AMPM, quoted text, separators, spaces); a typed value
// (numbers, words, quoted text, separators, spaces), where a single token
// of exactly 8 characters is read again as «cccc cc cc».
bool FMTScanDatePicture(std::string_view picture, DateTokens &out);
bool FMTScanDateValue(std::string_view value, DateTokens &out);

// 1 when the picture has date elements only, 2 time elements only, 3 both,
// 0 none.
int32_t FMTPicKind(const DateTokens &picture);

// The linked-list form of a token list, as the parsing functions hand it out:
// nodes and texts from MemAlloc, owned by the caller.
struct FMTDATETOKEN {
    int32_t code;
    uintptr_t value; // number, character, count, or the node's own text
    FMTDATETOKEN *next;
    FMTDATETOKEN *prev;
};

// Mode 4 reads a picture, modes 1-3 a typed value; others, an empty text or
// a scan error give null.
FMTDATETOKEN *FMTParseDatePic(const char *text, int32_t mode);
void FMTFreeDateTokens(FMTDATETOKEN *first);
FMTDATETOKEN *FMTFirstDateToken(FMTDATETOKEN *node);

// The picture of a typed text's free-form shape: kind 1 date, 2 time, 3 both;
// numeric «M/d/yyyy» only when allowed.  Writes the picture (at most 64
// bytes with its terminator) and returns true, or false when no shape fits.
bool FMTGuessDatePicture(std::string_view text, int32_t kind, bool allowNumeric, std::string &picture);
FMTDATETOKEN *FMTGuessDatePic(const char *text, int32_t kind, char *picture, int32_t allowNumeric);
