// Taking the typed characters back out of a masked text.
#include <cstring>

#include "numfmt/mask_core.h"
#include "orvexrt/masks.h"

namespace {

// Writes the typed characters of text to output; false when the text does
// not fit the mask.  Spaces stand for positions not yet typed and pass
// every class.
bool Unmask(const char *text, const char *positions, char *output) {
    const size_t maskLength = std::strlen(positions);
    size_t written = 0;
    for (size_t i = 0; i < maskLength && text[i] != '\0'; ++i) {
        const char position = positions[i];
        const char c = text[i];
        if (position == kMaskRest) {
            const size_t rest = std::strlen(text + i);
            std::memcpy(output + written, text + i, rest);
            written += rest;
            break;
        }
        if (!FMTIsMaskChar(position)) {
            if (c != position) return false;
            continue;
        }
        if (c != ' ' && !FMTPassesUnmaskTest(position, c)) return false;
        output[written++] = c;
    }
    output[written] = '\0';
    return true;
}

} // namespace

extern "C" uint32_t ORVEXAPI FMTUnmaskInput(FMTCNTLBLOCK *block) {
    if (!block || !block->lpszOutput) return 0;
    char *output = block->lpszOutput;
    const char *text = block->lpszInput;
    const char *positions = FMTMaskPositions(block->lpszPicture);
    // A limited mask holds one character a position.  (The output is
    // written behind the reading, so it may be the input itself.)
    const bool fits = text && positions && *positions != '\0' &&
                      (FMTIsUnlimitedPositions(positions) || std::strlen(positions) >= std::strlen(text));
    if (fits && Unmask(text, positions, output)) return 1;
    output[0] = '\0';
    return 0;
}
