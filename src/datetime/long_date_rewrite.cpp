#include "datetime/long_date_rewrite.h"

#include <windows.h>

#include <cstdint>

#include "orvexrt/intl.h"

namespace {

constexpr char kQuote = '\'';
constexpr std::string_view kSeparators = ".-/:\\,";

bool IsSeparator(char c) { return c != '\0' && kSeparators.find(c) != std::string_view::npos; }

// Appends the character at p (both bytes of a double-byte one); returns its size.
size_t AppendCharacter(std::string &out, std::string_view text, size_t p) {
    const size_t size = (p + 1 < text.size() && IntlIsDBChar(text.data() + p)) ? 2 : 1;
    out.append(text.substr(p, size));
    return size;
}

// Rewrites the inner text of one quoted segment.
void RewriteSegment(std::string &out, std::string_view inner) {
    bool hasLetters = false, hasSeparators = false;
    for (char c : inner) {
        if (IsSeparator(c))
            hasSeparators = true;
        else if (c != ' ')
            hasLetters = true;
    }
    if (!hasLetters) {
        out.append(inner);
        return;
    }
    if (!hasSeparators) {
        out += kQuote;
        out.append(inner);
        out += kQuote;
        return;
    }
    // Outside the inner text stand the quotes themselves.
    auto neighbourIsQuoteOrSeparator = [&](size_t i, int step) {
        const size_t j = i + step;
        return j >= inner.size() || IsSeparator(inner[j]);
    };
    if (!IsSeparator(inner.front())) out += kQuote;
    for (size_t i = 0; i < inner.size();) {
        if (IsSeparator(inner[i])) {
            if (!neighbourIsQuoteOrSeparator(i, -1)) out += kQuote;
            out += inner[i];
            if (!neighbourIsQuoteOrSeparator(i, +1)) out += kQuote;
            ++i;
        } else {
            i += AppendCharacter(out, inner, i);
        }
    }
    if (!IsSeparator(inner.back())) out += kQuote;
}

// "MMMMt?" -> "MMMM't?'": the first run of M's followed by a 't'.
void QuoteFinnishSuffix(std::string &picture) {
    size_t m = picture.find('M');
    if (m == std::string::npos) return;
    while (m < picture.size() && picture[m] == 'M') ++m;
    if (m >= picture.size() || picture[m] != 't') return;
    const size_t end = std::min(m + 2, picture.size());
    picture.insert(end, 1, kQuote);
    picture.insert(m, 1, kQuote);
}

} // namespace

std::string FMTRewriteLongDate(std::string_view picture, int32_t country) {
    std::string out;
    for (size_t p = 0; p < picture.size();) {
        if (picture[p] == kQuote) {
            const size_t close = picture.find(kQuote, p + 1);
            if (close != std::string_view::npos) {
                if (close > p + 1) RewriteSegment(out, picture.substr(p + 1, close - p - 1));
                p = close + 1;
                continue;
            }
        }
        p += AppendCharacter(out, picture, p);
    }
    if (country == 358) QuoteFinnishSuffix(out);
    return out;
}
