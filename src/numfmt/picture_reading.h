// The sections of a number picture and the layouts of their digit fields,
// as formatting and unformatting read them for one call.
#pragma once

#include <cstdint>

#include "numfmt/picture_syntax.h"

// What the calling thread learnt of the last picture it read: its text, the
// separators and mode it was read with, where its sections stand and the
// layouts analysed so far, as offsets into the text.  A caller that formats
// or reads many values by one picture splits and analyses it once.
struct FMTPictureMemo {
    static constexpr size_t kMaxText = 64; // longer pictures are read afresh on every call

    struct Layout {
        bool known;
        bool grouping;
        int16_t field; // -1: no digit field
        int16_t suffix;
        int16_t suffixSize;
        int16_t places;
        int16_t zeros;
        int16_t minPlaces;
        int16_t digitsEnd;
    };

    uint32_t generation; // changes whenever another picture is taken
    uint8_t size;        // of text; 0 while empty
    bool dbcs;
    FMTSeparators separators;
    int count;
    uint8_t start[3];
    uint8_t sectionSize[3];
    Layout layouts[3];
    char text[kMaxText];
};

// Reads a non-empty picture for one call.
class FMTPictureReading {
public:
    FMTPictureReading(const char *picture, FMTSeparators separators, bool dbcs);

    const FMTPictureSections &Sections() const { return sections_; }
    // The layout of section `index` (0..2) under the reading's separators.
    FMTSectionLayout Layout(int index);

private:
    // The thread's memo while it still holds this picture; null otherwise.
    FMTPictureMemo *Memo() const;

    const char *picture_;
    FMTSeparators separators_;
    bool dbcs_;
    FMTPictureSections sections_;
    FMTPictureMemo *memo_ = nullptr;
    uint32_t generation_ = 0;
};
