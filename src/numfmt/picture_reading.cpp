// FMTPictureReading: a picture split and analysed once per thread while the
// thread keeps reading the same picture text.
#include "numfmt/picture_reading.h"

#include <cstring>

namespace {

// Plain data, so that the thread's copy needs no constructor call.  The
// dynamic TLS model stays: the library may be loaded late, after the
// static TLS space is gone.
thread_local FMTPictureMemo tLastPicture;

// The thread's memo, its address looked up once per call: a compiler may
// otherwise look it up again after every call it makes.
[[gnu::noinline]] FMTPictureMemo *ThreadMemo() { return &tLastPicture; }

bool Holds(const FMTPictureMemo &memo, std::string_view picture, FMTSeparators separators, bool dbcs) {
    return memo.size != 0 && memo.size == picture.size() && memo.dbcs == dbcs &&
           memo.separators.thousand == separators.thousand && memo.separators.decimal == separators.decimal &&
           std::memcmp(memo.text, picture.data(), picture.size()) == 0;
}

void Take(FMTPictureMemo &memo, std::string_view picture, FMTSeparators separators, bool dbcs,
          const FMTPictureSections &sections) {
    ++memo.generation;
    memo.size = static_cast<uint8_t>(picture.size());
    memo.dbcs = dbcs;
    memo.separators = separators;
    std::memcpy(memo.text, picture.data(), picture.size());
    memo.count = sections.count;
    for (int i = 0; i < 3; ++i) {
        const std::string_view section = sections.section[i];
        memo.start[i] = static_cast<uint8_t>(section.data() ? section.data() - picture.data() : 0);
        memo.sectionSize[i] = static_cast<uint8_t>(section.size());
        memo.layouts[i].known = false;
    }
}

FMTPictureSections SectionsOf(const FMTPictureMemo &memo, const char *picture) {
    FMTPictureSections sections{{}, memo.count};
    const int present = memo.count < 3 ? memo.count : 3;
    for (int i = 0; i < present; ++i) sections.section[i] = {picture + memo.start[i], memo.sectionSize[i]};
    return sections;
}

FMTPictureMemo::Layout Remember(const FMTSectionLayout &layout, const char *picture) {
    FMTPictureMemo::Layout kept{};
    kept.known = true;
    kept.grouping = layout.grouping;
    kept.field = static_cast<int16_t>(layout.field ? layout.field - picture : -1);
    kept.suffix = static_cast<int16_t>(layout.suffix.data() ? layout.suffix.data() - picture : -1);
    kept.suffixSize = static_cast<int16_t>(layout.suffix.size());
    kept.places = static_cast<int16_t>(layout.places);
    kept.zeros = static_cast<int16_t>(layout.zeros);
    kept.minPlaces = static_cast<int16_t>(layout.minPlaces);
    kept.digitsEnd = static_cast<int16_t>(layout.digitsEnd ? layout.digitsEnd - picture : -1);
    return kept;
}

FMTSectionLayout Recall(const FMTPictureMemo::Layout &kept, const char *picture) {
    FMTSectionLayout layout;
    layout.field = kept.field < 0 ? nullptr : picture + kept.field;
    layout.places = kept.places;
    layout.zeros = kept.zeros;
    layout.minPlaces = kept.minPlaces;
    layout.grouping = kept.grouping;
    layout.digitsEnd = kept.digitsEnd < 0 ? nullptr : picture + kept.digitsEnd;
    if (kept.suffix >= 0) layout.suffix = {picture + kept.suffix, static_cast<size_t>(kept.suffixSize)};
    return layout;
}

} // namespace

FMTPictureReading::FMTPictureReading(const char *picture, FMTSeparators separators, bool dbcs)
    : picture_(picture), separators_(separators), dbcs_(dbcs) {
    const std::string_view text(picture);
    FMTPictureMemo &memo = *ThreadMemo();
    if (Holds(memo, text, separators, dbcs)) {
        sections_ = SectionsOf(memo, picture);
    } else {
        sections_ = FMTSplitSections(text);
        if (text.size() > FMTPictureMemo::kMaxText) return;
        Take(memo, text, separators, dbcs, sections_);
    }
    memo_ = &memo;
    generation_ = memo.generation;
}

FMTPictureMemo *FMTPictureReading::Memo() const { return memo_ && memo_->generation == generation_ ? memo_ : nullptr; }

FMTSectionLayout FMTPictureReading::Layout(int index) {
    FMTPictureMemo *memo = Memo();
    if (memo && memo->layouts[index].known) return Recall(memo->layouts[index], picture_);
    const FMTSectionLayout layout = FMTAnalyzeNumberSection(sections_.section[index], separators_, dbcs_);
    if (memo) memo->layouts[index] = Remember(layout, picture_);
    return layout;
}
