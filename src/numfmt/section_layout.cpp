// FMTAnalyzeNumberSection: places, zeros, grouping and suffix of a section.
#include "numfmt/picture_syntax.h"

#include <cstddef>

namespace {

class SectionReader {
public:
    SectionReader(std::string_view section, FMTSeparators separators, bool dbcs)
        : begin_(section.data()), end_(section.data() + section.size()), separators_(separators), dbcs_(dbcs) {}

    FMTSectionLayout Analyze() {
        FMTSectionLayout layout;
        layout.field = FindFirst([](char c) { return FMTIsPlaceholder(c); }, begin_);
        if (!layout.field) return layout;
        const Field field = ReadField(layout);
        // The first "0" lies in the field, or else somewhere after it.
        const char *firstZero =
            field.firstZero ? field.firstZero : FindFirst([](char c) { return c == '0'; }, field.end);
        if (field.decimal)
            layout.zeros = firstZero && firstZero < field.decimal ? field.zerosBeforeDecimal : 0;
        else if (firstZero)
            layout.zeros = CountZeros(firstZero, end_);
        const char *suffix = field.decimal ? AfterPlaces(field.decimal, layout)
                             : firstZero   ? SkipWhile(firstZero, true)
                                           : SkipWhile(layout.field, layout.grouping);
        layout.suffix = std::string_view(suffix, static_cast<size_t>(end_ - suffix));
        return layout;
    }

private:
    // What one walk over the digit field finds.
    struct Field {
        const char *end = nullptr;     // the first byte after it
        const char *decimal = nullptr; // its first decimal separator
        const char *firstZero = nullptr;
        int zerosBeforeDecimal = 0; // its "0"s before the decimal separator
    };

    bool IsThousand(const char *p) const { return FMTIsSingleAt(p, separators_.thousand, dbcs_); }
    bool IsDecimal(const char *p) const { return FMTIsSingleAt(p, separators_.decimal, dbcs_); }
    const char *Next(const char *p) const { return p + IntlCharWidth(p, dbcs_); }

    // The first single-byte character from p on that `match` accepts.
    template <typename Match> const char *FindFirst(Match match, const char *p) const {
        for (; p < end_; p = Next(p))
            if (IntlCharWidth(p, dbcs_) == 1 && match(*p)) return p;
        return nullptr;
    }

    // Walks the field, whose bytes are all single-byte characters, and notes
    // grouping.
    Field ReadField(FMTSectionLayout &layout) const {
        Field field;
        const char *p = layout.field;
        for (; p < end_; ++p) {
            if (FMTIsPlaceholder(*p)) {
                if (*p == '0') {
                    if (!field.firstZero) field.firstZero = p;
                    if (!field.decimal) ++field.zerosBeforeDecimal;
                }
            } else if (IsThousand(p)) {
                if (p + 1 < end_ && FMTIsPlaceholder(p[1])) layout.grouping = true;
            } else if (IsDecimal(p)) {
                if (!field.decimal) field.decimal = p;
            } else {
                break;
            }
        }
        field.end = p;
        return field;
    }

    int CountZeros(const char *from, const char *to) const {
        int zeros = 0;
        for (const char *p = from; p < to; p = Next(p)) zeros += *p == '0' ? 1 : 0;
        return zeros;
    }

    // Counts the places after the decimal separator; returns where they end.
    const char *AfterPlaces(const char *decimal, FMTSectionLayout &layout) const {
        const char *p = decimal + 1;
        for (; p < end_ && FMTIsPlaceholder(*p); ++p) {
            ++layout.places;
            if (*p == '0') ++layout.minPlaces;
        }
        return p;
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
};

} // namespace

FMTSectionLayout FMTAnalyzeNumberSection(std::string_view section, FMTSeparators separators, bool dbcs) {
    return SectionReader(section, separators, dbcs).Analyze();
}
