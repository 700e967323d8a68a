// Base-100 digits eight at a time.  A digit word holds eight digit bytes in a
// 64-bit integer with the first digit in the top byte: comparing two words
// compares their digit sequences, and a carry runs from a later digit to the
// one before it, as in the base-100 arithmetic itself.  The arithmetic's fast
// paths read records into three words (24 digits, the work area), compute on
// words or on 10^16 limbs made from them, and pack words back.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "number/number_core.h"

namespace numwords {

constexpr uint64_t kTen8 = 100000000ULL;
constexpr uint64_t kTen16 = 10000000000000000ULL;

constexpr uint64_t EveryByte(uint8_t b) { return 0x0101010101010101ULL * b; }

// All ones when c holds, else 0.  The fast paths choose with masks rather
// than branches: the signs and digit counts of a stream of values are not
// predictable, and a compiler may turn a conditional choice into a branch.
inline uint64_t MaskIf(bool c) { return uint64_t{0} - static_cast<uint64_t>(c); }
inline uint64_t Choose(bool c, uint64_t yes, uint64_t no) { return no ^ ((yes ^ no) & MaskIf(c)); }

// Eight bytes from memory as a word, the first byte on top.
inline uint64_t LoadWord(const uint8_t *p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    return w;
}

inline void StoreWord(uint8_t *p, uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    std::memcpy(p, &w, sizeof w);
}

// The bits of a word's first k digits (k from 0 to 8).
constexpr uint64_t FirstDigits(int k) { return k >= 8 ? ~0ULL : ~(~0ULL >> (8 * k)); }

// The bits of the first c digits (0 to 24) of three words, by table: the
// masks of a record's digit count cost three loads.
struct DigitMasks {
    uint64_t word[25][3];
    constexpr DigitMasks() : word() {
        for (int c = 0; c <= 24; ++c)
            for (int j = 0; j < 3; ++j) {
                const int k = c - 8 * j;
                word[c][j] = FirstDigits(k < 0 ? 0 : (k > 8 ? 8 : k));
            }
    }
};
inline constexpr DigitMasks kDigitMasks{};

// The integer (below 10^16) that a word's eight digits stand for.
inline uint64_t WordValue(uint64_t w) {
    w = ((w >> 8) & 0x00FF00FF00FF00FFULL) * 100 + (w & 0x00FF00FF00FF00FFULL);
    w = ((w >> 16) & 0x0000FFFF0000FFFFULL) * 10000 + (w & 0x0000FFFF0000FFFFULL);
    return (w >> 32) * kTen8 + (w & 0xFFFFFFFFULL);
}

// Two numbers below 10^4 in the 32-bit halves of x, as four digit bytes:
// the upper half's two digits, then the lower half's.
inline uint64_t PairDigits(uint64_t x) {
    // x * 10486 >> 20 is x / 100 for every x below 10^4; each half's product
    // stays below 2^27, inside its half.
    const uint64_t q = ((x * 10486) >> 20) & 0x0000007F0000007FULL;
    const uint64_t bytes = (q << 8) | (x - q * 100);
    return ((bytes >> 16) & 0xFFFF0000ULL) | (bytes & 0xFFFFULL);
}

// The digit word of a number below 10^16.
inline uint64_t ValueWord(uint64_t v) {
    const uint32_t high = static_cast<uint32_t>(v / kTen8), low = static_cast<uint32_t>(v % kTen8);
    const uint64_t h = (static_cast<uint64_t>(high / 10000) << 32) | (high % 10000);
    const uint64_t l = (static_cast<uint64_t>(low / 10000) << 32) | (low % 10000);
    return (PairDigits(h) << 32) | PairDigits(l);
}

// a + b + carry digit by digit in base 100; carry is the carry in and out.
inline uint64_t AddDigits(uint64_t a, uint64_t b, unsigned &carry) {
    // Each byte of a + 156 is at most 255, and carries out exactly when the
    // digit sum reaches 100.
    const uint64_t biased = a + EveryByte(156);
    const uint64_t partial = biased + b;
    const uint64_t sum = partial + carry;
    const unsigned carryOut = (partial < biased) | (sum < partial);
    // Carries out of bytes 0..6 are the carries into bytes 1..7.
    const uint64_t carried = (((biased ^ b ^ sum) & 0x0101010101010100ULL) >> 8) | (uint64_t{carryOut} << 56);
    carry = carryOut;
    return sum - (~carried & EveryByte(1)) * 156;
}

// a - b - borrow digit by digit in base 100; borrow is the borrow in and out.
inline uint64_t SubtractDigits(uint64_t a, uint64_t b, unsigned &borrow) {
    const uint64_t partial = a - b;
    const uint64_t difference = partial - borrow;
    const unsigned borrowOut = (a < b) | (partial < borrow);
    const uint64_t borrowed = (((a ^ b ^ difference) & 0x0101010101010100ULL) >> 8) | (uint64_t{borrowOut} << 56);
    borrow = borrowOut;
    // A byte that borrowed holds d + 256 and needs d + 100.
    return difference - (borrowed & EveryByte(1)) * 156;
}

// Moves the digits of w[0..n) s places (0 or more) towards the end; digits
// moved past the last word are dropped.
template <int N> [[gnu::always_inline]] inline void ShiftDigitsRight(uint64_t *w, int s) {
    s = s < 8 * N ? s : 8 * N;
    uint64_t padded[2 * N + 1] = {};
#pragma GCC unroll 4
    for (int j = 0; j < N; ++j) padded[N + 1 + j] = w[j];
    const int words = s / 8, bits = 8 * (s % 8);
#pragma GCC unroll 4
    for (int j = 0; j < N; ++j) {
        const uint64_t here = padded[N + 1 + j - words], before = padded[N + j - words];
        // (before << 1) << (63 - bits) is 0 when bits is 0.
        w[j] = (here >> bits) | ((before << 1) << (63 - bits));
    }
}

// A value read into the work area: 0.d1 d2 ... d24 x 100^(biased - 64), the
// 24th digit always 0.  Zero and null have no digits.
struct NumWords {
    bool negative = false;
    int biased = kNumZeroBiased;
    uint64_t w[3] = {};

    bool IsZero() const { return (w[0] | w[1] | w[2]) == 0; }
};

// Reads the bytes of a record of `length` bytes after its length byte.
// False when the careful reader must do it: a digit byte out of range or a
// zero first digit.  Reads all 25 bytes of the record.
inline bool ReadWords(const NUMBER *n, int length, NumWords &v) {
    const uint8_t exponent = n->bExponent;
    const bool valid = length >= 2 && length <= 24;
    const bool negative = valid && exponent < 0x80;
    const int count = valid ? length - 1 - (negative ? 1 : 0) : 0;
    const uint8_t *digits = n->bDigits;
    // The third word is read one byte early so as to stay inside the record.
    const uint64_t raw[3] = {LoadWord(digits), LoadWord(digits + 8), LoadWord(digits + 15) << 8};
    const uint64_t *masks = kDigitMasks.word[count];
    uint64_t flags = 0;
#pragma GCC unroll 3
    for (int j = 0; j < 3; ++j) {
        const uint64_t mask = masks[j];
        const uint64_t bytes = raw[j] & mask;
        const uint64_t w = Choose(negative, (EveryByte(100) & mask) - bytes, bytes);
        // A byte of 100 or more sets its top bit here.  A byte of 228 or
        // more also carries into the byte above, which does not matter.
        flags |= (w + EveryByte(28)) | w;
        v.w[j] = w;
    }
    v.negative = negative;
    v.biased = (exponent ^ static_cast<int>(MaskIf(negative) & 0xFF)) & 0x7F;
    return (flags & EveryByte(0x80)) == 0 && (v.IsZero() || (v.w[0] >> 56) != 0);
}

// Packs 0.(digits of w[0..N)) x 100^(biased - 64) as NumPack does: leading
// zero digits skipped, rounded half up to 23 digits (22 when negative),
// exponent clamped, trailing zeros dropped.  Stores the length byte and
// returns it.  Writes the whole record.  Branch-free but for zero and a
// carry past the first digit: the digit counts and signs of a stream of
// values are not predictable.
template <int N> int PackWords(NUMBER *out, const uint64_t *w, bool negative, int biased) {
    // Leading zero bits of the whole sequence, without branches.
    uint64_t padded[N + 3] = {};
    int zeroBits = 0;
    uint64_t allZero = ~uint64_t{0};
#pragma GCC unroll 6
    for (int j = 0; j < N; ++j) {
        padded[j] = w[j];
        zeroBits += static_cast<int>(allZero & static_cast<uint64_t>(std::countl_zero(w[j])));
        allZero &= MaskIf(w[j] == 0);
    }
    if (zeroBits == 64 * N) {
        NumSetZero(out);
        return out->bLength;
    }
    const int first = zeroBits / 64;
    // The 24 digits from the first non-zero one.
    const int lead = zeroBits % 64 / 8, bits = 8 * lead;
    biased -= 8 * first + lead;
    uint64_t x[3];
#pragma GCC unroll 3
    for (int j = 0; j < 3; ++j) x[j] = (padded[first + j] << bits) | ((padded[first + j + 1] >> 1) >> (63 - bits));

    // Round half up on the first digit that does not fit.
    const int keep = kNumMaxPositiveDigits - static_cast<int>(negative);
    const unsigned dropped = static_cast<unsigned>(x[2] >> (8 * (23 - keep))) & 0xFF;
    x[2] &= kDigitMasks.word[keep][2];
    if (dropped >= 50) {
        unsigned carry = 0;
        x[2] = AddDigits(x[2], uint64_t{1} << (8 * (24 - keep)), carry);
        x[1] = AddDigits(x[1], 0, carry);
        x[0] = AddDigits(x[0], 0, carry);
        if (carry) {
            // A run of 99s carried past the first digit: the value is 1,
            // one place higher.
            x[0] = uint64_t{1} << 56;
            x[1] = x[2] = 0;
            ++biased;
        }
    }

    // Trailing zero bits of the three words (countr_zero of 0 is 64).
    const int trailingBits =
        std::countr_zero(x[2]) +
        static_cast<int>(MaskIf(x[2] == 0) & static_cast<uint64_t>(
                                                 std::countr_zero(x[1]) +
                                                 static_cast<int>(MaskIf(x[1] == 0) & std::countr_zero(x[0]))));
    const int count = 24 - trailingBits / 8;
    biased = biased < kNumMinBiased ? kNumMinBiased : (biased > kNumMaxBiased ? kNumMaxBiased : biased);
    const uint8_t exponent = static_cast<uint8_t>(0x80 + biased);
    const uint64_t terminator = uint64_t{kNumTerminator} << (8 * (7 - count % 8));
    const uint64_t *masks = kDigitMasks.word[count];
    uint64_t y[3];
#pragma GCC unroll 3
    for (int j = 0; j < 3; ++j) {
        const uint64_t mask = masks[j];
        const uint64_t complement = ((EveryByte(100) & mask) - (x[j] & mask)) | (terminator & MaskIf(count / 8 == j));
        y[j] = Choose(negative, complement, x[j]);
    }
    // Straight into the record, whose 23 digit bytes take the last word but
    // for its last byte, which is always 0: that word is written one byte
    // early, over the previous word's last byte.
    StoreWord(out->bDigits, y[0]);
    StoreWord(out->bDigits + 8, y[1]);
    StoreWord(out->bDigits + 15, (y[1] << 56) | (y[2] >> 8));
    out->bExponent = static_cast<uint8_t>(exponent ^ (MaskIf(negative) & 0xFF));
    out->bLength = static_cast<uint8_t>(1 + count + static_cast<int>(negative));
    return out->bLength;
}

#if defined(__SIZEOF_INT128__)
using u128 = unsigned __int128;

// v / divisor and v % divisor, for a quotient that fits 64 bits.
inline uint64_t DivideWide(u128 v, uint64_t divisor, uint64_t &remainder) {
#if defined(__x86_64__)
    uint64_t quotient, rest;
    __asm__("divq %4" : "=a"(quotient), "=d"(rest) : "a"(static_cast<uint64_t>(v)),
            "d"(static_cast<uint64_t>(v >> 64)), "rm"(divisor));
    remainder = rest;
    return quotient;
#else
    const uint64_t quotient = static_cast<uint64_t>(v / divisor);
    remainder = static_cast<uint64_t>(v - static_cast<u128>(quotient) * divisor);
    return quotient;
#endif
}
#endif

} // namespace numwords
