#include "datetime/date_picture_cache.h"

#include <cstring>

#include "datetime/intl_profile.h"

const DateTokens *FMTPictureCache::Tokens(std::string_view picture, DateTokens &scratch) {
    if (picture.size() > kMaxPicture) return FMTScanDatePicture(picture, scratch) ? &scratch : nullptr;
    for (Entry &e : entries_)
        if (e.size == picture.size() && std::memcmp(e.text, picture.data(), picture.size()) == 0)
            return e.scanned ? &e.tokens : nullptr;
    Entry &e = entries_[next_];
    next_ = (next_ + 1) % kEntries;
    std::memcpy(e.text, picture.data(), picture.size());
    e.size = picture.size();
    e.scanned = FMTScanDatePicture(std::string_view(e.text, e.size), e.tokens);
    return e.scanned ? &e.tokens : nullptr;
}

const DateTokens *FMTPictureTokens(std::string_view picture, DateTokens &scratch) {
    if (FMTTHREADDATA *data = FMTThreadData()) return data->pictures.Tokens(picture, scratch);
    return FMTScanDatePicture(picture, scratch) ? &scratch : nullptr;
}
