// Fuzzes FMTFormatNumber with random values (records read raw, valid or
// not), kinds, settings and pictures: outputs stay within their documented
// size, and for a valid picture of the built-in profile the text is never
// longer than FMTGetMaxFormattedNumLen allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "orvexrt.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

const char *const kSymbols[] = {"$", "EUR", "", "\x81\x8F", "Fr.", "A rather long symbol", "-", "("};
const char kSeparators[] = {',', '.', ' ', '\'', 0, '#', ';', '\x81'};

// Digits of the integer part of |value| rounded to a whole number, plus one
// for a carry at the places.
int32_t IntegerDigits(const NUMBER &value) {
    NUMBER whole;
    NumRound(&whole, &value, 0);
    char text[128];
    NumToAscii(&whole, text, 120);
    const char *digits = text[0] == '-' ? text + 1 : text;
    return static_cast<int32_t>(std::strlen(digits)) + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 28) return 0;
    FMTCNTLBLOCK block{};
    FMTInitCntlBlock(&block);
    const uint8_t s = data[0], t = data[1], u = data[2];
    // The value: a raw record, or one read from its bytes as text.
    std::memcpy(&block.numValue, data + 3, sizeof block.numValue);
    if (u & 0x80) {
        const std::string text(reinterpret_cast<const char *>(data + 3), 24);
        NumAsciiToNumber(&block.numValue, text.c_str());
    }
    block.bUseIntl = s & 1;
    block.cThousand = kSeparators[(s >> 1) & 7];
    block.cDecimal = kSeparators[(s >> 4) & 7];
    block.lpszCurrency = const_cast<char *>(kSymbols[t & 7]);
    block.nCurrPos = (t >> 3) & 3;
    block.nNegCurr = (t >> 5) * 2 - 1;
    block.nDigits = static_cast<int8_t>(u << 1) / 2;
    block.bLzero = u & 1;
    if (u & 0x40) block.dwFlags |= FMT_FLAG_ALL_DECIMALS;
    block.nType = 4 + (s >> 7) * 2 + ((u >> 5) & 1); // 4, 5, 6 or 7
    std::vector<char> picture(data + 28, data + size);
    picture.push_back('\0');
    block.lpszPicture = picture.data();

    std::vector<char> output(FMT_MAX_NUMBER_TEXT + 1 + std::strlen(block.lpszCurrency) + 3);
    block.lpszOutput = output.data();
    const bool builtIn = (t & 0x10) != 0;
    const uint32_t result = FMTFormatNumber(&block, builtIn ? 0 : 1);
    Check(result <= 1);
    const size_t length = std::strlen(output.data());
    if (!result) Check(length == 0);
    if (block.nType != FMT_TYPE_CURRENCY) Check(length <= FMT_MAX_NUMBER_TEXT);

    // With the built-in profile (",", ".", "$ " before), a valid picture's
    // text fits the length it announces (which counts the settings' places,
    // not all of the value's own).
    const bool ownPlaces = (block.dwFlags & FMT_FLAG_ALL_DECIMALS) != 0;
    if (result && builtIn && block.bUseIntl && !ownPlaces && block.nType == FMT_TYPE_NUMBER_PICTURE &&
        FMTIsNumberPicValid(&block) && (block.numValue.bLength & 0x3F) < 25 &&
        !FMTIsNumberPicTokenized(picture.data())) {
        const int32_t longest = FMTGetMaxFormattedNumLen(picture.data(), IntegerDigits(block.numValue), 0);
        Check(static_cast<int64_t>(length) <= longest);
    }
    return 0;
}
