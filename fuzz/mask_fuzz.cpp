// Random masks and texts into the mask functions.  The input is split at the
// first NUL into a mask and a text, each copied into a heap buffer of
// exactly its length plus the terminator, and every output buffer is as
// large as the header asks for and no larger, so that the address sanitizer
// sees any read or write beyond them.  Runs on an English and on a Japanese
// system.
#include "orvexrt.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::unique_ptr<char[]> ExactCopy(std::string_view text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

bool IsMaskChar(char c) { return c && std::strchr("9aAnNX!*", c); }

// The size that the header asks of a masked text's buffer.
size_t MaskedSize(const char *mask, size_t textLength) {
    const char *positions = mask[0] == '^' ? mask + 1 : mask;
    const size_t length = std::strlen(positions);
    const bool unlimited = length > 0 && positions[length - 1] == '*';
    return unlimited ? textLength + static_cast<size_t>(FMTCntNonMaskChars(mask)) + 1 : length + 1;
}

uint32_t Unmask(const char *mask, const char *text, size_t textLength, char *output) {
    FMTCNTLBLOCK block;
    FMTInitCntlBlock(&block);
    block.lpszInput = const_cast<char *>(text);
    block.lpszPicture = const_cast<char *>(mask);
    block.lpszOutput = output;
    const uint32_t done = FMTUnmaskInput(&block);
    Require(std::strlen(output) <= textLength, "unmasking writes at most the text");
    Require(done || output[0] == '\0', "a failed unmask leaves an empty output");
    return done;
}

void CheckCounts(const char *mask) {
    const char *positions = mask[0] == '^' ? mask + 1 : mask;
    int32_t maskChars = 0, literals = 0;
    for (const char *p = positions; *p; ++p) (IsMaskChar(*p) ? maskChars : literals) += 1;
    Require(FMTCntMaskChars(mask) == maskChars, "FMTCntMaskChars counts the mask characters");
    Require(FMTCntNonMaskChars(mask) == literals, "FMTCntNonMaskChars counts the literals");
    Require(FMTIsPicNoUnmaskOnGets(mask) == (mask[0] == '^' ? 1u : 0u), "the ^ option");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const size_t split = bytes.find('\0');
    const std::string_view maskBytes = bytes.substr(0, split);
    std::string_view textBytes = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    textBytes = textBytes.substr(0, textBytes.find('\0'));
    const auto mask = ExactCopy(maskBytes);
    const auto text = ExactCopy(textBytes);

    CheckCounts(mask.get());
    FMTIsValidMaskFormat(mask.get());
    FMTIsPicUnlimited(mask.get());

    const size_t maskedSize = MaskedSize(mask.get(), textBytes.size());
    auto masked = std::make_unique<char[]>(maskedSize);
    const uint32_t done = FMTMaskText(text.get(), masked.get(), mask.get());
    const char *positions = mask[0] == '^' ? mask.get() + 1 : mask.get();
    Require(done == FMTIsValidMaskFormat(positions), "a mask is laid in exactly when it is valid");
    if (!done) {
        // Unmasking takes any text and mask.
        auto output = std::make_unique<char[]>(textBytes.size() + 1);
        Unmask(mask.get(), text.get(), textBytes.size(), output.get());
        return 0;
    }
    const size_t maskedLength = std::strlen(masked.get());
    Require(maskedLength < maskedSize, "the masked text fits its buffer");
    const auto maskedCopy = ExactCopy({masked.get(), maskedLength});

    // Masking a masked text again keeps it: its literals are skipped and its
    // characters pass their positions, converted already.  (It may gain a
    // literal at the end, as a text that ends before a literal does.)
    auto again = std::make_unique<char[]>(MaskedSize(mask.get(), maskedLength));
    Require(FMTMaskText(maskedCopy.get(), again.get(), mask.get()) == 1, "a masked text masks again");
    Require(std::strncmp(again.get(), maskedCopy.get(), maskedLength) == 0, "masking again keeps the masked text");
    auto raw = std::make_unique<char[]>(maskedLength + 1);
    Unmask(mask.get(), maskedCopy.get(), maskedLength, raw.get());
    return 0;
}
