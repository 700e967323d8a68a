// Helpers of the string-function tests: sample double-byte characters of code
// page 932 whose trail bytes look like ASCII, and calls into destination
// buffers of exactly the size the contract asks for.
#pragma once

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace intl_text {

// ア (trail 'A'), 表 (trail '\') and ポ (trail '|').
inline const std::string kA = "\x83\x41";
inline const std::string kHyo = "\x95\x5C";
inline const std::string kPo = "\x83\x7C";
// The ideographic space of 932, and full-width a and A.
inline const std::string kWideBlank = "\x81\x40";
inline const std::string kWideSmallA = "\x82\x81";
inline const std::string kWideCapitalA = "\x82\x60";

struct Result {
    std::string text;
    int32_t value;

    bool operator==(const Result &) const = default;
};

inline void PrintTo(const Result &r, std::ostream *os) { *os << '"' << r.text << "\" -> " << r.value; }

// Calls f(dst) with a heap buffer of exactly `capacity` bytes (so that the
// address sanitizer sees any write beyond it) and returns the text written.
template <typename F> Result IntoBuffer(size_t capacity, F f) {
    std::vector<char> dst(capacity, '\x55');
    const int32_t value = f(dst.data());
    return {std::string(dst.data(), strnlen(dst.data(), capacity)), value};
}

// Offset of a pointer result into text, -1 for null.
inline int OffsetIn(const char *text, const char *found) {
    return found == nullptr ? -1 : static_cast<int>(found - text);
}

// A heap copy of exactly the text and its terminator.
inline std::vector<char> Exact(const std::string &s) { return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1); }

} // namespace intl_text
