// Reading plain number pictures: sections, quoted literal text, scientific
// pictures, and the layout of a section's digit field.
#pragma once

#include <string_view>

#include "numfmt/numfmt_text.h"
#include "numfmt/picture_settings.h"

// The sections of a picture, split at every ";" (quoted or not: a ";" inside
// quotes leaves an unclosed literal in each half, which no valid picture
// has).
struct FMTPictureSections {
    std::string_view section[3]; // positive, negative, zero; empty when absent
    int count;                   // 1 + the number of ";", so possibly above 3
    bool HasSemicolon() const { return count > 1; }
};
FMTPictureSections FMTSplitSections(std::string_view picture);

// Whether the picture is scientific: "0", "." or ",", mantissa places, "E" or
// "e", a sign character, then a "0" (as the pattern scan reads it).
bool FMTIsScientificPicture(const char *picture);

// The end of a quoted literal whose opening quote is at `open`: the byte
// after its closing quote, or `end` when it is not closed (then *closed is
// false).  Inside, with escapes, a doubled quote character or a backslash
// before it stands for the quote.
const char *FMTSkipQuoted(const char *open, const char *end, bool dbcs, bool escapes, bool *closed);

// Reads picture text [from, to) as it is shown: quotes open and close
// literals and are not shown; inside a literal a doubled quote or a
// backslash before the quote shows the quote.  show(p, width) receives each
// shown character.  With pads, "_" outside quotes and the character after
// it call pad() instead of being shown.
template <typename Show, typename Pad>
void FMTReadLiteral(const char *from, const char *to, bool dbcs, bool pads, Show show, Pad pad) {
    char quote = '\0';
    for (const char *p = from; p < to;) {
        const int width = IntlCharWidth(p, dbcs);
        if (width == 1 && quote && *p == quote) {
            const bool escaped = p + 1 < to && p[1] == quote;
            if (escaped)
                show(p, 1);
            else
                quote = '\0';
            p += escaped ? 2 : 1;
        } else if (width == 1 && quote && *p == '\\' && p + 1 < to && p[1] == quote) {
            show(p + 1, 1);
            p += 2;
        } else if (width == 1 && !quote && FMTIsQuote(*p)) {
            quote = *p++;
        } else if (width == 1 && !quote && pads && *p == '_') {
            pad();
            ++p;
            if (p < to) p += IntlCharWidth(p, dbcs);
        } else {
            show(p, width);
            p += width;
        }
    }
}

// The layout of a section's digit field.
struct FMTSectionLayout {
    const char *field = nullptr; // the first "#" or "0", null when there is none
    int places = 0;              // "#" and "0" right after the decimal separator
    int zeros = 0;               // "0"s from the first "0" to the decimal separator
    int minPlaces = 0;           // the "0"s among the places
    bool grouping = false;       // a thousands separator stands before a place
    std::string_view suffix;     // the text after the digit field
    // The end of the digits a typed text shows: the field up to its first
    // thousands separator that stands before no place.
    const char *digitsEnd = nullptr;
};

// Analyzes a section.  The digit field begins at the section's first "#" or
// "0", wherever it stands, and runs over "#", "0" and the two separators.
FMTSectionLayout FMTAnalyzeNumberSection(std::string_view section, FMTSeparators separators, bool dbcs);
