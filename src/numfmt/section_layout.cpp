// FMTAnalyzeNumberSection: places, zeros, grouping and suffix of a section.
#include "numfmt/picture_syntax.h"

#include <cstddef>
#include <cstdint>

namespace {

class SectionReader {
public:
    SectionReader(std::string_view section, FMTSeparators separators, bool dbcs)
        : begin_(section.data()), end_(section.data() + section.size()), separators_(separators), dbcs_(dbcs),
          plainThousand_(IsPlain(separators.thousand, dbcs)), plainDecimal_(IsPlain(separators.decimal, dbcs)) {}

    FMTSectionLayout Analyze() {
        FMTSectionLayout layout;
        layout.field = FindFirst([](char c) { return FMTIsPlaceholder(c); }, begin_);
        if (!layout.field) return layout;
        const Field field = ReadField(layout);
        layout.digitsEnd = field.loneThousand ? field.loneThousand : field.end;
        const char *suffix;
        if (field.decimal) {
            // The zeros count only from a "0" before the decimal separator.
            layout.zeros = field.zerosBeforeDecimal;
            suffix = field.placesEnd;
        } else {
            // The first "0" lies in the field, or else somewhere after it.
            const char *firstZero =
                field.firstZero ? field.firstZero : FindFirst([](char c) { return c == '0'; }, field.end);
            if (firstZero) layout.zeros = CountZeros(firstZero, end_);
            suffix = firstZero ? SkipWhile(firstZero, true) : SkipWhile(layout.field, layout.grouping);
        }
        layout.suffix = std::string_view(suffix, static_cast<size_t>(end_ - suffix));
        return layout;
    }

private:
    // What one walk over the digit field finds.
    struct Field {
        const char *end = nullptr;          // the first byte after it
        const char *decimal = nullptr;      // its first decimal separator
        const char *firstZero = nullptr;    // before the decimal separator
        const char *placesEnd = nullptr;    // the end of the "#" and "0" run after the decimal separator
        const char *loneThousand = nullptr; // the first thousands separator before no place
        int zerosBeforeDecimal = 0;         // its "0"s before the decimal separator
    };

    // Whether a byte equal to the separator c is always the single-byte
    // character c: c is not 0, and is ASCII or the text has no double-byte
    // characters.  Such a separator is found by comparing bytes alone.
    static bool IsPlain(char c, bool dbcs) { return c != '\0' && (!dbcs || static_cast<uint8_t>(c) < 0x80); }
    bool IsThousand(const char *p) const {
        return *p == separators_.thousand && (plainThousand_ || FMTIsSingleAt(p, separators_.thousand, dbcs_));
    }
    bool IsDecimal(const char *p) const {
        return *p == separators_.decimal && (plainDecimal_ || FMTIsSingleAt(p, separators_.decimal, dbcs_));
    }
    const char *Next(const char *p) const { return p + IntlCharWidth(p, dbcs_); }

    // The first single-byte character from p on that `match` accepts.
    template <typename Match> const char *FindFirst(Match match, const char *p) const {
        for (; p < end_; p = Next(p))
            if (IntlCharWidth(p, dbcs_) == 1 && match(*p)) return p;
        return nullptr;
    }

    // Walks the field, whose bytes are all single-byte characters: the
    // integer places and thousands separators up to the first decimal
    // separator, the places right after it, then the rest of the field.
    // Notes grouping: a thousands separator before a place.
    Field ReadField(FMTSectionLayout &layout) const {
        Field field;
        bool grouping = false;
        const char *p = layout.field;
        for (; p < end_; ++p) {
            if (*p == '0') {
                if (!field.firstZero) field.firstZero = p;
                ++field.zerosBeforeDecimal;
            } else if (*p != '#') {
                if (!IsThousand(p)) break;
                NoteThousand(p, field, grouping);
            }
        }
        if (p < end_ && IsDecimal(p)) {
            field.decimal = p;
            int places = 0, minPlaces = 0;
            for (++p; p < end_ && FMTIsPlaceholder(*p); ++p) {
                ++places;
                minPlaces += *p == '0' ? 1 : 0;
            }
            layout.places = places;
            layout.minPlaces = minPlaces;
            field.placesEnd = p;
            for (; p < end_; ++p) {
                if (FMTIsPlaceholder(*p)) continue;
                if (IsThousand(p))
                    NoteThousand(p, field, grouping);
                else if (!IsDecimal(p))
                    break;
            }
        }
        layout.grouping = grouping;
        field.end = p;
        return field;
    }

    // A thousands separator at p groups when a place follows; one that
    // does not (and is not the decimal separator as well) ends the digits
    // a typed text shows.
    void NoteThousand(const char *p, Field &field, bool &grouping) const {
        if (p + 1 < end_ && FMTIsPlaceholder(p[1]))
            grouping = true;
        else if (!field.loneThousand && !IsDecimal(p))
            field.loneThousand = p;
    }

    int CountZeros(const char *from, const char *to) const {
        int zeros = 0;
        for (const char *p = from; p < to; p = Next(p)) zeros += *p == '0' ? 1 : 0;
        return zeros;
    }

    // Skips "#", "0" and, when `thousands`, thousands separators.
    const char *SkipWhile(const char *p, bool thousands) const {
        while (p < end_ && (FMTIsPlaceholder(*p) || (thousands && IsThousand(p)))) ++p;
        return p;
    }

    const char *begin_;
    const char *end_;
    FMTSeparators separators_;
    bool dbcs_;
    bool plainThousand_;
    bool plainDecimal_;
};

} // namespace

FMTSectionLayout FMTAnalyzeNumberSection(std::string_view section, FMTSeparators separators, bool dbcs) {
    return SectionReader(section, separators, dbcs).Analyze();
}
