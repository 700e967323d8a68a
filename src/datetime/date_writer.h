// Writing date/time texts into the caller's output buffer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Appends to a NUL-terminated buffer that the caller sized.  The text is
// terminated when the writer goes out of scope.
class FMTTextOut {
public:
    explicit FMTTextOut(char *buffer, bool append = false)
        : buffer_(buffer), length_(append ? std::strlen(buffer) : 0) {}
    ~FMTTextOut() { buffer_[length_] = '\0'; }
    FMTTextOut(const FMTTextOut &) = delete;
    FMTTextOut &operator=(const FMTTextOut &) = delete;

    void Put(char c) { buffer_[length_++] = c; }
    void Put(std::string_view text) {
        std::memcpy(buffer_ + length_, text.data(), text.size());
        length_ += text.size();
    }
    void Repeat(char c, uint32_t n) {
        std::memset(buffer_ + length_, c, n);
        length_ += n;
    }
    // A decimal number, padded with "0" on the left to `width` characters.
    void Number(int64_t value, int width = 0) {
        char digits[24];
        int n = 0;
        const bool negative = value < 0;
        uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (negative) digits[n++] = '-';
        for (int pad = width - n; pad > 0; --pad) Put('0');
        while (n > 0) Put(digits[--n]);
    }
    void DropLast() {
        if (length_ > 0) --length_;
    }
    size_t Length() const { return length_; }

private:
    char *buffer_;
    size_t length_;
};
