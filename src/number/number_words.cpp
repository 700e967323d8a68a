#include "number/number_words.h"

#include <algorithm>

namespace numwords {

int PackWords(NUMBER *out, const uint64_t *w, int n, bool negative, int biased) {
    int first = 0;
    while (first < n && w[first] == 0) ++first;
    if (first == n) {
        NumSetZero(out);
        return out->bLength;
    }
    // The 24 digits from the first non-zero one.
    const int lead = std::countl_zero(w[first]) / 8;
    biased -= 8 * first + lead;
    auto word = [&](int j) { return first + j < n ? w[first + j] : 0; };
    uint64_t x[3] = {word(0), word(1), word(2)};
    if (lead != 0) {
        const int bits = 8 * lead;
        const uint64_t next = word(3);
        x[0] = (x[0] << bits) | (x[1] >> (64 - bits));
        x[1] = (x[1] << bits) | (x[2] >> (64 - bits));
        x[2] = (x[2] << bits) | (next >> (64 - bits));
    }

    // Round half up on the first digit that does not fit.
    const int keep = negative ? kNumMaxNegativeDigits : kNumMaxPositiveDigits;
    const unsigned dropped = static_cast<unsigned>(x[2] >> (8 * (23 - keep))) & 0xFF;
    x[2] &= FirstDigits(keep - 16);
    if (dropped >= 50) {
        unsigned carry = 0;
        x[2] = AddDigits(x[2], uint64_t{1} << (8 * (24 - keep)), carry);
        x[1] = AddDigits(x[1], 0, carry);
        x[0] = AddDigits(x[0], 0, carry);
        if (carry) {
            // A run of 99s carried past the first digit: the value is 1, one
            // place higher.
            x[0] = uint64_t{1} << 56;
            x[1] = x[2] = 0;
            ++biased;
        }
    }

    int count;
    if (x[2] != 0)
        count = 24 - std::countr_zero(x[2]) / 8;
    else if (x[1] != 0)
        count = 16 - std::countr_zero(x[1]) / 8;
    else
        count = 8 - std::countr_zero(x[0]) / 8;
    biased = std::clamp(biased, kNumMinBiased, kNumMaxBiased);
    const uint8_t exponent = static_cast<uint8_t>(0x80 + biased);
    if (negative) {
        for (int j = 0; j < 3; ++j) {
            const uint64_t mask = FirstDigits(count - 8 * j);
            x[j] = (EveryByte(100) & mask) - (x[j] & mask);
        }
        x[count / 8] |= uint64_t{kNumTerminator} << (8 * (7 - count % 8));
    }
    uint8_t bytes[24];
    StoreWord(bytes, x[0]);
    StoreWord(bytes + 8, x[1]);
    StoreWord(bytes + 16, x[2]);
    std::memcpy(out->bDigits, bytes, sizeof out->bDigits);
    out->bExponent = negative ? static_cast<uint8_t>(~exponent) : exponent;
    out->bLength = static_cast<uint8_t>(1 + count + (negative ? 1 : 0));
    return out->bLength;
}

} // namespace numwords
