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

// Sums take the word path on every processor; tests turn it off to compare
// it with the careful path.
inline bool enabled = true;

constexpr uint64_t kTen8 = 100000000ULL;
constexpr uint64_t kTen16 = 10000000000000000ULL;

constexpr uint64_t EveryByte(uint8_t b) { return 0x0101010101010101ULL * b; }

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

// The two numbers below 10^8 that a word's first and last four digits stand
// for, in the upper and lower halves of the result.
inline uint64_t WordHalves(uint64_t w) {
    w = ((w >> 8) & 0x00FF00FF00FF00FFULL) * 100 + (w & 0x00FF00FF00FF00FFULL);
    return ((w >> 16) & 0x0000FFFF0000FFFFULL) * 10000 + (w & 0x0000FFFF0000FFFFULL);
}

// The integer (below 10^16) that a word's eight digits stand for.
inline uint64_t WordValue(uint64_t w) {
    w = WordHalves(w);
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

// The digit word of two numbers below 10^8: the first four digits, then the
// last four.
inline uint64_t HalvesWord(uint32_t high, uint32_t low) {
    const uint64_t h = (static_cast<uint64_t>(high / 10000) << 32) | (high % 10000);
    const uint64_t l = (static_cast<uint64_t>(low / 10000) << 32) | (low % 10000);
    return (PairDigits(h) << 32) | PairDigits(l);
}

// The digit word of a number below 10^16.
inline uint64_t ValueWord(uint64_t v) {
    return HalvesWord(static_cast<uint32_t>(v / kTen8), static_cast<uint32_t>(v % kTen8));
}

// a + b + carry digit by digit in base 100; carry is the carry in and out.
inline uint64_t AddDigits(uint64_t a, uint64_t b, unsigned &carry) {
    // Each byte of a + 156 is at most 255, and carries out exactly when the
    // digit sum reaches 100.  A byte that did not carry holds 156 to 255, a
    // byte that did holds the digit, below 100: its top bit tells which,
    // and the top byte's tells whether the word carried.
    const uint64_t sum = a + EveryByte(156) + b + carry;
    carry = static_cast<unsigned>(~sum >> 63);
    return sum - ((sum >> 7) & EveryByte(1)) * 156;
}

// Moves the digits of w[0..n) s places (0 or more) towards the end; digits
// moved past the last word are dropped.  The digits go through memory in
// their own order, after a run of zeros, and come back read from s bytes
// earlier: a byte-granular shift without per-word shifts and selections.
template <int N> [[gnu::always_inline]] inline void ShiftDigitsRight(uint64_t *w, int s) {
    uint8_t strip[16 * N] = {};
    for (int j = 0; j < N; ++j) StoreWord(strip + 8 * N + 8 * j, w[j]);
    const uint8_t *from = strip + 8 * N - (s < 8 * N ? s : 8 * N);
    for (int j = 0; j < N; ++j) w[j] = LoadWord(from + 8 * j);
}

// A value read into the work area: 0.d1 d2 ... d24 x 100^(biased - 64), the
// 24th digit always 0.  Zero and null have no digits.
struct NumWords {
    bool negative = false;
    int biased = kNumZeroBiased;
    uint64_t w[3] = {};

    bool IsZero() const { return (w[0] | w[1] | w[2]) == 0; }
};

// Reads the first W words (2 or 3) of a record's digits as its header says;
// a record read into two words has at most 16 digits.  False when the
// careful reader must do it: a digit byte out of range or a zero first
// digit.  Reads all 25 bytes of the record.
template <int W> [[gnu::always_inline]] inline bool ReadDigitWords(const NUMBER *n, const NumHeader &h, uint64_t *w) {
    const uint8_t *digits = n->bDigits;
    // The third word is read one byte early so as to stay inside the record.
    const uint64_t raw[3] = {LoadWord(digits), LoadWord(digits + 8), W > 2 ? LoadWord(digits + 15) << 8 : 0};
    const uint64_t *masks = kDigitMasks.word[h.count];
    uint64_t flags = 0;
#pragma GCC unroll 3
    for (int j = 0; j < W; ++j) {
        const uint64_t mask = masks[j];
        const uint64_t bytes = raw[j] & mask;
        uint64_t d = bytes;
        if (h.negative) d = (EveryByte(100) & mask) - bytes;
        // A byte of 100 or more sets its top bit here.  A byte of 228 or
        // more also carries into the byte above, which does not matter.
        flags |= (d + EveryByte(28)) | d;
        w[j] = d;
    }
    return (flags & EveryByte(0x80)) == 0 && (h.count == 0 || (w[0] >> 56) != 0);
}

// Reads a record into three words.  False when the careful reader must.
inline bool ReadWords(const NUMBER *n, NumWords &v) {
    const NumHeader h = NumReadHeader(n);
    v.negative = h.negative;
    v.biased = h.biased;
    return ReadDigitWords<3>(n, h, v.w);
}

// Adds a carry (0 or 1) into the last digit of a word, base 100; carry is
// the carry in and out.
inline uint64_t CarryIntoDigits(uint64_t w, unsigned &carry) { return AddDigits(w, 0, carry); }

// The digits of three words up to the last one that is not zero; the first
// digit is not zero.
inline int DigitsInUse(uint64_t x0, uint64_t x1, uint64_t x2) {
    if (x2) return 24 - (std::countr_zero(x2) >> 3);
    if (x1) return 16 - (std::countr_zero(x1) >> 3);
    return 8 - (std::countr_zero(x0) >> 3);
}

// Packs 0.x0 x1 x2 x 100^(biased - 64), 24 digits whose first is not zero,
// as NumPack does: rounded half up on the first digit that does not fit (23
// digits kept, 22 when negative), exponent clamped, trailing zeros dropped.
// Writes the whole record and returns its length byte.
// Inlined, so that its callers' words stay in registers.
[[gnu::always_inline]] inline int PackDigits(NUMBER *out, uint64_t x0, uint64_t x1, uint64_t x2, bool negative,
                                             int biased) {
    // The first dropped digit is the 24th (the 23rd when negative).
    const int droppedShift = 8 * static_cast<int>(negative);
    const bool roundUp = (static_cast<unsigned>(x2 >> droppedShift) & 0xFF) >= 50;
    x2 &= ~uint64_t{0xFF} << droppedShift;
    // Rounding up adds one to the last kept digit, which carries on only
    // when that digit is a 99: rarely, so the carry through the words takes
    // a branch instead of lying on every packing's path.
    const int keptShift = droppedShift + 8;
    if (roundUp) {
        if (__builtin_expect(((x2 >> keptShift) & 0xFF) != 99, 1)) {
            x2 += uint64_t{1} << keptShift;
        } else {
            unsigned carry = 0;
            x2 = AddDigits(x2, uint64_t{1} << keptShift, carry);
            x1 = CarryIntoDigits(x1, carry);
            x0 = CarryIntoDigits(x0, carry);
            if (carry) {
                // A run of 99s carried past the first digit: the value is
                // 1, one place higher.
                x0 = uint64_t{1} << 56;
                x1 = x2 = 0;
                ++biased;
            }
        }
    }
    const int count = DigitsInUse(x0, x1, x2);
    biased = biased < kNumMinBiased ? kNumMinBiased : (biased > kNumMaxBiased ? kNumMaxBiased : biased);
    const uint64_t *masks = kDigitMasks.word[count];
    const uint64_t x[3] = {x0, x1, x2};
    uint64_t y[3];
    if (negative) {
        // 100 - d in every digit, then the terminator after the last.
        const uint64_t terminator = uint64_t{kNumTerminator} << (8 * (7 - count % 8));
#pragma GCC unroll 3
        for (int j = 0; j < 3; ++j)
            y[j] = ((EveryByte(100) & masks[j]) - x[j]) | (count / 8 == j ? terminator : 0);
    } else {
#pragma GCC unroll 3
        for (int j = 0; j < 3; ++j) y[j] = x[j];
    }
    // Straight into the record, whose 23 digit bytes take the last word but
    // for its last byte, which is always 0 here: that word is written one
    // byte early, over the previous word's last byte.
    StoreWord(out->bDigits, y[0]);
    StoreWord(out->bDigits + 8, y[1]);
    StoreWord(out->bDigits + 15, (y[1] << 56) | (y[2] >> 8));
    const uint8_t exponent = static_cast<uint8_t>(0x80 + biased);
    out->bExponent = negative ? static_cast<uint8_t>(~exponent) : exponent;
    out->bLength = static_cast<uint8_t>(1 + count + static_cast<int>(negative));
    return out->bLength;
}

// Packs 0.(digits of w[0..3], the last word's first digit only) x
// 100^(biased - 64), whose first or second digit is not zero: a product, a
// quotient.
inline int PackLeadingDigits(NUMBER *out, const uint64_t *w, bool negative, int biased) {
    if ((w[0] >> 56) == 0)
        return PackDigits(out, (w[0] << 8) | (w[1] >> 56), (w[1] << 8) | (w[2] >> 56), (w[2] << 8) | (w[3] >> 56),
                          negative, biased - 1);
    return PackDigits(out, w[0], w[1], w[2], negative, biased);
}

#if defined(__SIZEOF_INT128__)
using u128 = unsigned __int128;

// v / 10^16 and v % 10^16 for v below 2^112, by one multiplication with
// the reciprocal: the estimate from v's top 62 bits is the quotient or one
// less, and the remainder tells which.
inline uint64_t DivideByTen16(u128 v, uint64_t &remainder) {
    // 2^114 / 10^16, rounded down.
    constexpr u128 kReciprocal = ((static_cast<u128>(1) << 114) / kTen16);
    static_assert((kReciprocal >> 64) == 0, "the reciprocal fits 64 bits");
    const uint64_t top = static_cast<uint64_t>(v >> 50);
    uint64_t quotient = static_cast<uint64_t>((static_cast<u128>(top) * static_cast<uint64_t>(kReciprocal)) >> 64);
    uint64_t rest = static_cast<uint64_t>(v) - quotient * kTen16;
    const bool over = rest >= kTen16;
    quotient += over;
    remainder = rest - (over ? kTen16 : 0);
    return quotient;
}

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
