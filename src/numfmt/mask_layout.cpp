// The layout of input masks: which positions are literals and which take
// input, the two options, and the mapping between masked and raw texts.
#include <algorithm>
#include <cstring>

#include "numfmt/mask_core.h"
#include "orvexrt/masks.h"

namespace {

int32_t Length(const char *text) { return text ? static_cast<int32_t>(std::strlen(text)) : 0; }

int32_t CountMaskChars(const char *positions, int32_t end) {
    return static_cast<int32_t>(std::count_if(positions, positions + end, FMTIsMaskChar));
}

// The first index at or after `from` whose character is, or is not, a mask
// character.
bool NextPos(const char *positions, int32_t from, bool maskChar, int32_t *pos) {
    if (!positions || from < 0) return false;
    const int32_t length = Length(positions);
    for (int32_t i = from; i < length; ++i) {
        if (FMTIsMaskChar(positions[i]) != maskChar) continue;
        if (pos) *pos = i;
        return true;
    }
    return false;
}

} // namespace

const char *FMTMaskPositions(const char *mask) { return mask && *mask == kMaskNoUnmask ? mask + 1 : mask; }

bool FMTIsUnlimitedPositions(const char *positions) {
    const int32_t length = Length(positions);
    return length > 0 && positions[length - 1] == kMaskRest;
}

bool FMTNextLiteralPos(const char *positions, int32_t from, int32_t *pos) {
    return NextPos(positions, from, false, pos);
}

bool FMTNextMaskPos(const char *positions, int32_t from, int32_t *pos) { return NextPos(positions, from, true, pos); }

int32_t FMTCountLiterals(const char *positions) {
    const int32_t length = Length(positions);
    return length - (positions ? CountMaskChars(positions, length) : 0);
}

int32_t FMTMaskedLength(const char *positions, const char *text) { return Length(text) + FMTCountLiterals(positions); }

int32_t FMTMaskedBufferSize(const char *positions, const char *text) {
    return (FMTIsUnlimitedPositions(positions) ? FMTMaskedLength(positions, text) : Length(positions)) + 1;
}

int32_t FMTMaskPosToRawIndex(const char *text, const char *positions, int32_t pos) {
    const int32_t length = Length(positions);
    if (length == 0 || pos < 0) return 0;
    if (text) pos = std::min(pos, Length(text));
    const int32_t last = std::min(pos, length - 1);
    const int32_t index = std::max(CountMaskChars(positions, last + 1) - 1, 0);
    // Beyond an unlimited mask every position holds a raw character.
    return FMTIsUnlimitedPositions(positions) && pos > last ? index + (pos - last) : index;
}

extern "C" {

uint32_t ORVEXAPI FMTIsValidMaskFormat(const char *mask) {
    const int32_t length = Length(mask);
    if (length == 0 || CountMaskChars(mask, length) == 0) return 0;
    const char *rest = static_cast<const char *>(std::memchr(mask, kMaskRest, static_cast<size_t>(length)));
    return !rest || rest == mask + length - 1 ? 1 : 0;
}

int32_t ORVEXAPI FMTCntMaskChars(const char *mask) {
    const char *positions = FMTMaskPositions(mask);
    return positions ? CountMaskChars(positions, Length(positions)) : 0;
}

int32_t ORVEXAPI FMTCntNonMaskChars(const char *mask) { return FMTCountLiterals(FMTMaskPositions(mask)); }

uint32_t ORVEXAPI FMTIsPicNoUnmaskOnGets(const char *mask) { return mask && *mask == kMaskNoUnmask ? 1 : 0; }

uint32_t ORVEXAPI FMTIsPicUnlimited(const char *mask) { return FMTIsUnlimitedPositions(mask) ? 1 : 0; }

} // extern "C"
