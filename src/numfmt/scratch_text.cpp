// Writable copies of callers' texts for the validation and unformatting
// functions, which cut and shift the text as they read it.
#include <cstring>

#include "numfmt/numfmt_text.h"
#include "orvexrt/frame.h"

FMTScratchText::FMTScratchText(const char *text) {
    if (text) Take(text);
}

FMTScratchText::FMTScratchText(std::string_view text) { Take(text); }

FMTScratchText::~FMTScratchText() {
    if (data_ && data_ != inline_) MemFree(data_);
}

void FMTScratchText::Take(std::string_view text) {
    const size_t bytes = text.size() + 1;
    if (bytes <= kInline) {
        data_ = inline_;
    } else {
        if (bytes > UINT32_MAX) return;
        data_ = static_cast<char *>(MemAlloc(static_cast<uint32_t>(bytes)));
        if (!data_) return;
    }
    capacity_ = bytes;
    std::memcpy(data_, text.data(), text.size());
    data_[text.size()] = '\0';
}

void FMTScratchText::Reset(std::string_view text) {
    if (!data_ || text.size() >= capacity_) return;
    std::memmove(data_, text.data(), text.size());
    data_[text.size()] = '\0';
}
