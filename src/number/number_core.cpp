#include "number/number_core.h"

#include <algorithm>
#include <cstring>

namespace {

int MaxDigits(bool negative) { return negative ? kNumMaxNegativeDigits : kNumMaxPositiveDigits; }

// Rounds digits[0..count) to `keep` digits, half away from zero on the first
// dropped digit.  Returns true when the carry ran past the first digit: the
// value is then the single digit 1, one place higher.
bool RoundDigits(uint8_t *digits, int &count, int keep) {
    if (count <= keep) return false;
    int carry = digits[keep] >= 50 ? 1 : 0;
    count = keep;
    for (int i = keep - 1; i >= 0 && carry; --i) {
        const int d = digits[i] + carry;
        digits[i] = static_cast<uint8_t>(d % 100);
        carry = d / 100;
    }
    if (!carry) return false;
    digits[0] = 1;
    count = 1;
    return true;
}

int DropTrailingZeros(const uint8_t *digits, int count) {
    while (count > 0 && digits[count - 1] == 0) --count;
    return count;
}

} // namespace

int NumUnpack(const uint8_t *exponentByte, int length, uint8_t *digits, int *count, int *biased) {
    if (length < 2 || length > 24) {
        *count = 0;
        *biased = kNumZeroBiased;
        return 0;
    }
    const uint8_t exponent = exponentByte[0];
    const bool negative = exponent < 0x80;
    int n = length - 1;
    if (negative) {
        --n; // the terminator
        for (int i = 0; i < n; ++i) digits[i] = static_cast<uint8_t>(((100 - exponentByte[1 + i]) % 100 + 100) % 100);
    } else {
        for (int i = 0; i < n; ++i) digits[i] = static_cast<uint8_t>(exponentByte[1 + i] % 100);
    }
    *count = DropTrailingZeros(digits, n);
    *biased = (negative ? static_cast<uint8_t>(~exponent) : exponent) & 0x7F;
    // Written values never start with a zero digit; a host's unnormalised
    // record is read as the value it stands for, so that every operation
    // can rely on a non-zero first digit.
    int leading = 0;
    while (leading < *count && digits[leading] == 0) ++leading;
    if (leading > 0) {
        std::memmove(digits, digits + leading, static_cast<size_t>(*count - leading));
        *count -= leading;
        *biased -= leading;
    }
    return negative ? 1 : 0;
}

NumUnpacked NumUnpackRecord(const NUMBER *n, int length) {
    NumUnpacked u;
    u.negative = NumUnpack(&n->bExponent, length, u.digits, &u.count, &u.biased) != 0;
    return u;
}

int NumPack(uint8_t *exponentByte, const uint8_t *digits, int count, int negative, int biased, bool pad) {
    uint8_t work[kNumWorkDigits];
    count = std::clamp(count, 0, kNumWorkDigits);
    int first = 0;
    while (first < count && digits[first] == 0) ++first;
    biased -= first;
    count -= first;
    std::memcpy(work, digits + first, static_cast<size_t>(count));

    if (RoundDigits(work, count, MaxDigits(negative))) ++biased;

    int written;
    if (count == 0) {
        exponentByte[0] = 0xC0;
        written = 1;
    } else {
        biased = std::clamp(biased, kNumMinBiased, kNumMaxBiased);
        count = DropTrailingZeros(work, count);
        const uint8_t exponent = static_cast<uint8_t>(0x80 + biased);
        exponentByte[0] = negative ? static_cast<uint8_t>(~exponent) : exponent;
        for (int i = 0; i < count; ++i) exponentByte[1 + i] = negative ? static_cast<uint8_t>(100 - work[i]) : work[i];
        written = 1 + count;
        if (negative) exponentByte[written++] = kNumTerminator;
    }
    if (pad) {
        // Zero digits go before a negative value's terminator, which moves.
        const uint8_t zeroDigit = negative && count > 0 ? 100 : 0;
        const bool terminated = negative && count > 0;
        while (written % 4 != 0) {
            if (terminated) {
                exponentByte[written - 1] = zeroDigit;
                exponentByte[written++] = kNumTerminator;
            } else {
                exponentByte[written++] = zeroDigit;
            }
        }
    }
    return written;
}

int NumPackRecord(NUMBER *out, const uint8_t *digits, int count, bool negative, int biased, bool pad) {
    const int length = NumPack(&out->bExponent, digits, count, negative ? 1 : 0, biased, pad);
    out->bLength = static_cast<uint8_t>(length);
    return length;
}

int NumPackRecord(NUMBER *out, const NumUnpacked &value, bool pad) {
    return NumPackRecord(out, value.digits, value.count, value.negative, value.biased, pad);
}

void NumMulSmall(NUMBER *n, int factor) {
    const int length = NumLengthOf(n);
    if (length < 2 || length > 24 || n->bExponent < 0x80) return;
    uint8_t *digits = n->bDigits;
    int count = length - 1;
    int biased = n->bExponent & 0x7F;
    if (count >= kNumMaxPositiveDigits) {
        // No room for a carry digit: the last digit goes, rounded half up.
        count = kNumMaxPositiveDigits;
        if (RoundDigits(digits, count, kNumMaxPositiveDigits - 1)) ++biased;
    }
    int carry = 0;
    for (int i = count - 1; i >= 0; --i) {
        const int product = digits[i] * factor + carry;
        digits[i] = static_cast<uint8_t>(product % 100);
        carry = product / 100;
    }
    if (carry) {
        std::memmove(digits + 1, digits, static_cast<size_t>(count));
        digits[0] = static_cast<uint8_t>(carry);
        ++count;
        ++biased;
    }
    // The exponent byte must stay a valid positive exponent.
    biased = std::min(biased, kNumMaxBiased);
    n->bExponent = static_cast<uint8_t>(0x80 + biased);
    n->bLength = static_cast<uint8_t>(1 + count);
}
