// Sections, quoted literals and the scientific form of number pictures.
#include "numfmt/picture_syntax.h"

#include "orvexrt/intl.h"

FMTPictureSections FMTSplitSections(std::string_view picture) {
    // ";" lies below every trail byte of the double-byte code pages, so a
    // byte search finds only real semicolons.
    FMTPictureSections sections{{}, 1};
    size_t start = 0;
    for (;;) {
        const size_t end = picture.find(';', start);
        const std::string_view part = picture.substr(start, end == std::string_view::npos ? end : end - start);
        if (sections.count <= 3) sections.section[sections.count - 1] = part;
        if (end == std::string_view::npos) break;
        ++sections.count;
        start = end + 1;
    }
    return sections;
}

bool FMTIsScientificPicture(const char *picture) {
    if (!picture || picture[0] != '0' || (picture[1] != '.' && picture[1] != ',')) return false;
    // The scan ignores case, so these two stand for the "e" forms as well.
    return IntlStrScan(picture, "0.%E_0%") == 0 || IntlStrScan(picture, "0,%E_0%") == 0;
}

const char *FMTSkipQuoted(const char *open, const char *end, bool dbcs, bool escapes, bool *closed) {
    const char quote = *open;
    const char *p = open + 1;
    while (p < end) {
        const int width = IntlCharWidth(p, dbcs);
        if (width == 1 && escapes && (*p == quote || *p == '\\') && p + 1 < end && p[1] == quote) {
            p += 2;
        } else if (width == 1 && *p == quote) {
            *closed = true;
            return p + 1;
        } else {
            p += width;
        }
    }
    *closed = false;
    return end;
}
