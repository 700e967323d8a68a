// The pictures a thread scanned last, with their tokens, so that a thread
// formatting or reading many values by the same few pictures scans each
// picture once.
#pragma once

#include <cstddef>
#include <string_view>

#include "datetime/date_tokens.h"

class FMTPictureCache {
public:
    // Pictures longer than this are scanned on every use.
    static constexpr size_t kMaxPicture = 64;

    // The tokens of a picture, or null when it does not scan.  A picture
    // that is not kept is scanned into `scratch`.  The tokens stay valid
    // until the next call.
    const DateTokens *Tokens(std::string_view picture, DateTokens &scratch);

private:
    static constexpr size_t kEntries = 4;
    struct Entry {
        char text[kMaxPicture];
        size_t size = kMaxPicture + 1; // no picture yet
        bool scanned = false;          // the picture is valid
        DateTokens tokens;             // pointing into `text`
    };
    Entry entries_[kEntries];
    size_t next_ = 0; // the entry to replace next
};

// The tokens of a picture from the calling thread's cache, or scanned into
// `scratch` when the thread has no record; null when the picture does not
// scan.  The tokens stay valid until the thread's next lookup.
const DateTokens *FMTPictureTokens(std::string_view picture, DateTokens &scratch);
