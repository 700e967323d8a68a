// Fuzzes the picture converters and the validity check on random pictures
// under random settings: tokenizing, untokenizing and converting the old
// syntax write no more than their documented bounds into exactly sized
// outputs, and a picture judged valid always formats.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "orvexrt.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

const char *const kSymbols[] = {"$", "EUR", "", "\x81\x8F", "Fr.", "1234567", "-", "("};
const char kSeparators[] = {',', '.', ' ', '\'', 0, '#', ';', '\x81'};

// Settings from one byte of the input, the picture from the rest.
struct Input {
    FMTCNTLBLOCK block{};
    std::vector<char> picture;

    Input(const uint8_t *data, size_t size) {
        FMTInitCntlBlock(&block);
        const uint8_t s = size > 0 ? data[0] : 0;
        const uint8_t t = size > 1 ? data[1] : 0;
        block.bUseIntl = s & 1;
        block.cThousand = kSeparators[(s >> 1) & 7];
        block.cDecimal = kSeparators[(s >> 4) & 7];
        block.lpszCurrency = const_cast<char *>(kSymbols[t & 7]);
        block.nCurrPos = (t >> 3) & 3;
        block.nNegCurr = (t >> 5) * 2 - 1;
        const size_t skip = size < 2 ? size : 2;
        picture.assign(data + skip, data + size);
        picture.push_back('\0');
        block.lpszPicture = picture.data();
    }
    size_t Length() const { return picture.size() - 1; }
};

// Runs a converter into an output of exactly factor * length + 1 bytes.
template <typename Convert> void Converted(Input &input, size_t factor, Convert convert) {
    std::vector<char> output(factor * input.Length() + 1);
    input.block.lpszOutput = output.data();
    const uint32_t result = convert(&input.block);
    Check(result <= 1);
    Check(std::memchr(output.data(), '\0', output.size()) != nullptr);
    if (!result) Check(output[0] == '\0');
    input.block.lpszOutput = nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Input input(data, size);
    // Mode 1 re-reads the user's settings, which is slow: only now and then.
    const uint8_t s = size > 0 ? data[0] : 0;
    const int32_t mode = s == 0xFF ? 1 : (s >> 7) ? 0 : 2;
    Converted(input, 3, [&](const FMTCNTLBLOCK *b) { return FMTTokenizeNumberPic(b, mode); });
    Converted(input, 9, [](const FMTCNTLBLOCK *b) { return FMTUnTokenizeNumberPic(b, 2); });
    Converted(input, 3, [](const FMTCNTLBLOCK *b) { return FMTCnvOldNumberPic(b); });
    FMTIsNumberPicTokenized(input.picture.data());
    const int32_t valid = FMTIsNumberPicValid(&input.block);
    Check(valid == 0 || valid == 1);
    FMTGetMaxFormattedNumLen(input.picture.data(), static_cast<int32_t>(size % 40), 0);

    // A valid picture of modest length shows an ordinary value.
    if (valid && input.Length() <= 200) {
        std::vector<char> output(FMT_MAX_NUMBER_TEXT + 1);
        input.block.lpszOutput = output.data();
        input.block.nType = FMT_TYPE_NUMBER_PICTURE;
        NumAsciiToNumber(&input.block.numValue, "-1234.5678");
        Check(FMTFormatNumber(&input.block, 1) == 1);
        Check(std::strlen(output.data()) <= FMT_MAX_NUMBER_TEXT);
    }
    return 0;
}
