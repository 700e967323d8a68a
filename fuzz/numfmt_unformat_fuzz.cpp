// Fuzzes the readers of typed numbers on random texts and pictures:
// FMTValidateNumber, FMTUnformatNumberStr (whose output holds 109 bytes)
// and FMTStrToNumber.  A value they accept is a valid NUMBER, and the text
// FMTUnformatNumberStr writes reads back to it.
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

const char *const kSymbols[] = {"$", "EUR", "", "\x81\x8F", "Fr.", "-", "(", "$$"};
const char kSeparators[] = {',', '.', ' ', '\'', 0, '-', 'e', '\x81'};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 3) return 0;
    FMTCNTLBLOCK block{};
    FMTInitCntlBlock(&block);
    const uint8_t s = data[0], t = data[1], split = data[2];
    block.bUseIntl = s & 1;
    block.cThousand = kSeparators[(s >> 1) & 7];
    block.cDecimal = kSeparators[(s >> 4) & 7];
    block.lpszCurrency = const_cast<char *>(kSymbols[t & 7]);
    block.nCurrPos = (t >> 3) & 3;
    block.nNegCurr = t >> 5;
    // Picture and text from the rest, split where the third byte says.
    const size_t rest = size - 3;
    const size_t pictureSize = rest ? split % (rest + 1) : 0;
    std::vector<char> picture(data + 3, data + 3 + pictureSize);
    picture.push_back('\0');
    std::vector<char> text(data + 3 + pictureSize, data + size);
    text.push_back('\0');
    block.lpszPicture = picture.data();
    block.lpszInput = text.data();

    for (int32_t kind : {FMT_TYPE_NUMBER, FMT_TYPE_CURRENCY}) {
        block.nType = kind;
        block.numValue.bLength = 0;
        if (FMTValidateNumber(&block)) Check(block.numValue.bLength >= 1 && block.numValue.bLength <= 24);
    }

    std::vector<char> output(109);
    block.lpszOutput = output.data();
    block.numValue.bLength = 0;
    if (FMTUnformatNumberStr(&block)) {
        Check(block.numValue.bLength >= 1 && block.numValue.bLength <= 24);
        NUMBER back;
        Check(NumAsciiToNumber(&back, output.data()) > 0);
        Check(NumCompare(&back, &block.numValue) == 0);
    } else {
        Check(output[0] == '\0');
    }
    Check(FMTStrToNumber(&block) == 1);
    return 0;
}
