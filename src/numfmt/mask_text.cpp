// Laying raw text into an input mask.
#include <cstring>

#include "numfmt/mask_core.h"
#include "orvexrt/frame.h"
#include "orvexrt/masks.h"

namespace {

int32_t Length(const char *text) { return static_cast<int32_t>(std::strlen(text)); }

// Walks the mask and the text together into work, which has room for the
// result; returns the length written.
int32_t LayIntoMask(const char *text, const char *positions, bool skipTypedLiterals, char *work) {
    const int32_t maskLength = Length(positions);
    const int32_t textLength = Length(text);
    int32_t i = 0; // in the text
    int32_t j = 0; // in the mask and the result
    while (j < maskLength && i < textLength) {
        const char position = positions[j];
        if (!FMTIsMaskChar(position)) {
            work[j++] = position;
            if (skipTypedLiterals && text[i] == position) ++i;
            continue;
        }
        // A rejected character is dropped; the next one is tried at the
        // same position.
        char c = text[i++];
        if (FMTApplyMaskChar(position, &c)) work[j++] = c;
    }
    if (FMTIsUnlimitedPositions(positions)) {
        // Everything from the '*' on is taken as it is.
        std::memcpy(work + j, text + i, static_cast<size_t>(textLength - i));
        j += textLength - i;
    } else if (j < maskLength && !FMTIsMaskChar(positions[j])) {
        // A text that ends just before a literal shows that literal.
        work[j] = positions[j];
        ++j;
    }
    work[j] = '\0';
    return j;
}

} // namespace

bool FMTMaskTextEx(const char *text, char *output, const char *mask, bool skipTypedLiterals) {
    if (!text || !output || !mask) return false;
    const char *positions = FMTMaskPositions(mask);
    if (!FMTIsValidMaskFormat(positions)) return false;
    // Every literal is written at most once and every text character at
    // most once, so the masked length bounds an unlimited result and the
    // mask length a limited one.
    const int32_t size = FMTMaskedBufferSize(positions, text);
    auto *work = static_cast<char *>(MemAlloc(static_cast<uint32_t>(size)));
    if (!work) return false;
    const int32_t length = LayIntoMask(text, positions, skipTypedLiterals, work);
    std::memcpy(output, work, static_cast<size_t>(length) + 1);
    MemFree(work);
    return true;
}

void FMTTrimTrailingSpaces(char *text) {
    if (!text) return;
    size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ') --length;
    text[length] = '\0';
}

extern "C" uint32_t ORVEXAPI FMTMaskText(const char *text, char *output, const char *mask) {
    return FMTMaskTextEx(text, output, mask, true) ? 1 : 0;
}
