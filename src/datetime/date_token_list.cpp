// The linked-list form of date tokens, from the library's memory blocks.
#include <cstring>
#include <string>

#include "datetime/date_tokens.h"
#include "orvexrt/frame.h"

namespace {

// Appends a node; a node or text that cannot be allocated ends the list there.
bool Append(FMTDATETOKEN *&first, FMTDATETOKEN *&last, const DateToken &token) {
    auto *node = static_cast<FMTDATETOKEN *>(MemAlloc(sizeof(FMTDATETOKEN)));
    if (!node) return false;
    node->code = token.code;
    node->value = token.value;
    if (token.code == kDateText) {
        auto *text = static_cast<char *>(MemAlloc(static_cast<uint32_t>(token.Text().size() + 1)));
        if (!text) {
            MemFree(node);
            return false;
        }
        std::memcpy(text, token.Text().data(), token.Text().size());
        node->value = reinterpret_cast<uintptr_t>(text);
    }
    node->prev = last;
    if (last)
        last->next = node;
    else
        first = node;
    last = node;
    return true;
}

FMTDATETOKEN *ToList(const DateTokens &tokens) {
    FMTDATETOKEN *first = nullptr, *last = nullptr;
    for (size_t i = 0; i < tokens.size() && Append(first, last, tokens[i]); ++i) {}
    return first;
}

} // namespace

FMTDATETOKEN *FMTParseDatePic(const char *text, int32_t mode) {
    if (!text || mode < 1 || mode > 4) return nullptr;
    DateTokens tokens;
    const bool scanned = mode == 4 ? FMTScanDatePicture(text, tokens) : FMTScanDateValue(text, tokens);
    return scanned ? ToList(tokens) : nullptr;
}

void FMTFreeDateTokens(FMTDATETOKEN *first) {
    while (first) {
        FMTDATETOKEN *next = first->next;
        if (first->code == kDateText) MemFree(reinterpret_cast<void *>(first->value));
        MemFree(first);
        first = next;
    }
}

FMTDATETOKEN *FMTFirstDateToken(FMTDATETOKEN *node) {
    while (node && node->prev) node = node->prev;
    return node;
}

FMTDATETOKEN *FMTGuessDatePic(const char *text, int32_t kind, char *picture, int32_t allowNumeric) {
    if (!text || !picture) return nullptr;
    std::string guessed;
    if (!FMTGuessDatePicture(text, kind, allowNumeric != 0, guessed)) return nullptr;
    std::memcpy(picture, guessed.c_str(), guessed.size() + 1);
    return FMTParseDatePic(picture, 4);
}
