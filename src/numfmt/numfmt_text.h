// Texts of the number-picture functions: a bounded writer for the fixed
// buffers of a call, a scratch copy of a caller's text, and the character
// tests that walk pictures and typed texts one whole character at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "intl/char_walk.h"
#include "orvexrt/intl.h"

// Writes a text into a buffer of known capacity (terminator included) and
// keeps it terminated.  A write that does not fit writes nothing and marks
// the text overflowed; the caller then refuses the whole result.  A caller's
// output buffer, whose size the caller answers for, is written with the
// capacity kUnbounded.
class FMTTextSink {
public:
    static constexpr size_t kUnbounded = SIZE_MAX / 2;

    FMTTextSink(char *buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {
        if (capacity_ > 0)
            buffer_[0] = '\0';
        else
            overflowed_ = true;
    }

    void Put(char c) {
        if (overflowed_ || size_ + 1 >= capacity_) {
            overflowed_ = true;
            return;
        }
        buffer_[size_++] = c;
        buffer_[size_] = '\0';
    }
    void Put(const char *text, size_t bytes) {
        char *at = Append(bytes);
        if (!at) return;
        // The pieces of a number's text are mostly a few bytes long, which a
        // loop copies faster than a call.
        if (bytes <= kShortPiece)
            for (size_t i = 0; i < bytes; ++i) at[i] = text[i];
        else
            std::memcpy(at, text, bytes);
    }
    // Makes room for `bytes` more bytes, which the caller writes, and
    // terminates the text after them; null (and overflowed) when they do
    // not fit.
    char *Append(size_t bytes) {
        if (overflowed_ || bytes >= capacity_ - size_) {
            overflowed_ = true;
            return nullptr;
        }
        char *at = buffer_ + size_;
        size_ += bytes;
        buffer_[size_] = '\0';
        return at;
    }
    void Put(std::string_view text) { Put(text.data(), text.size()); }
    void Put(const char *text) { Put(text, std::strlen(text)); }
    // Drops the text from byte `size` on.
    void Cut(size_t size) {
        if (size >= size_) return;
        size_ = size;
        buffer_[size_] = '\0';
    }

    char *Data() const { return buffer_; }
    size_t Size() const { return size_; }
    bool Overflowed() const { return overflowed_; }
    // Whether everything fitted; a text that did not is left empty.
    bool Finish() {
        if (overflowed_ && capacity_ > 0) buffer_[0] = '\0';
        return !overflowed_;
    }

private:
    static constexpr size_t kShortPiece = 16;

    char *buffer_;
    size_t capacity_;
    size_t size_ = 0;
    bool overflowed_ = false;
};

// A writable copy of a caller's text: in the object for short texts, in a
// MemAlloc block for longer ones.  Ok() is false when the block could not be
// had (or the text is null).
class FMTScratchText {
public:
    explicit FMTScratchText(const char *text);
    explicit FMTScratchText(std::string_view text);
    ~FMTScratchText();
    FMTScratchText(const FMTScratchText &) = delete;
    FMTScratchText &operator=(const FMTScratchText &) = delete;

    bool Ok() const { return data_ != nullptr; }
    char *Data() const { return data_; }
    // Replaces the contents by `text`, which is no longer than the original.
    void Reset(std::string_view text);

private:
    void Take(std::string_view text);

    static constexpr size_t kInline = 256;
    char inline_[kInline];
    char *data_ = nullptr;
    size_t capacity_ = 0;
};

// Whether the character at p, which starts a character, is the single byte
// c.  Bytes below 0x80 are never lead bytes, so only a separator from the
// upper half needs the walker's word.
inline bool FMTIsSingleAt(const char *p, char c, bool dbcs) {
    return *p == c && c != '\0' && (static_cast<uint8_t>(c) < 0x80 || IntlCharWidth(p, dbcs) == 1);
}

inline bool FMTIsPlaceholder(char c) { return c == '#' || c == '0'; }
inline bool FMTIsQuote(char c) { return c == '\'' || c == '"'; }

// Whether text begins with the non-empty `affix`, compared byte for byte
// over the whole affix.
inline bool FMTStartsWith(const char *text, std::string_view affix) {
    return !affix.empty() && std::strncmp(text, affix.data(), affix.size()) == 0;
}

// The bytes of a NUL-terminated field of at most n bytes.
inline std::string_view FMTFieldText(const char *field, size_t n) {
    return field ? std::string_view(field, strnlen(field, n)) : std::string_view();
}

// The first character of an accessor's separator text; 0 when there is none.
inline char FMTFirstChar(const char *text) { return text ? text[0] : '\0'; }

// Whether a text has no white space at its ends to trim: it begins with a
// visible ASCII character and ends with one below 0x40, which no trail byte
// of a double-byte blank is.
inline bool FMTHasNoBlanksToTrim(std::string_view text) {
    const auto first = static_cast<uint8_t>(text.empty() ? 0 : text.front()),
               last = static_cast<uint8_t>(text.empty() ? 0 : text.back());
    return first > ' ' && first < 0x7F && last > ' ' && last < 0x40;
}
// Trims white space off both ends of text in place and returns the trimmed
// text.
inline std::string_view FMTTrimmedBlanks(char *text) {
    const std::string_view whole(text);
    return FMTHasNoBlanksToTrim(whole) ? whole : IntlStrStripSpace(text);
}
inline char *FMTTrimBlanks(char *text) { return const_cast<char *>(FMTTrimmedBlanks(text).data()); }

// The decimal separator of a request: a missing one reads as ".".
inline char FMTDecimalOrPoint(char decimal) { return decimal ? decimal : '.'; }
