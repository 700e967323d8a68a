// Small values, nulls and the null double.
#include <cstring>

#include "number/number_core.h"

namespace {

// The null double: a quiet NaN.  Every double whose exponent bits are all
// ones (any infinity or NaN) reads as null.
constexpr uint64_t kNullDoubleBits = 0x7FF8000000000000ull;
constexpr uint64_t kExponentBits = 0x7FF0000000000000ull;

} // namespace

extern "C" {

NUMBER *ORVEXAPI NumGet(uint16_t value, NUMBER *buffer) {
    if (buffer) NumWordToNumber(buffer, value);
    return buffer;
}

NUMBER *ORVEXAPI NumNullToZero(NUMBER *value) {
    if (value && NumLengthOf(value) == 0) NumSetZero(value);
    return value;
}

int32_t ORVEXAPI NumIsNullDouble(const double *value) {
    if (!value) return 1;
    uint64_t bits;
    std::memcpy(&bits, value, sizeof bits);
    return (bits & kExponentBits) == kExponentBits ? 1 : 0;
}

void ORVEXAPI NumNullDouble(double *value) {
    if (value) std::memcpy(value, &kNullDoubleBits, sizeof *value);
}

void ORVEXAPI NumCreateSmall(NUMBER *out, int32_t value) {
    if (!out) return;
    if (value == 0) {
        NumSetZero(out);
    } else if (value > 0) {
        // Values above 99 are outside the contract: the digit byte is 0,
        // which reads as zero.
        out->bLength = 2;
        out->bExponent = 0xC1;
        out->bDigits[0] = value <= 99 ? static_cast<uint8_t>(value) : 0;
    } else {
        // Below -99 (outside the contract) the value is taken as -99.
        const int magnitude = value < -99 ? 99 : -value;
        out->bLength = 3;
        out->bExponent = 0x3E;
        out->bDigits[0] = static_cast<uint8_t>(100 - magnitude);
        out->bDigits[1] = kNumTerminator;
    }
}

} // extern "C"
