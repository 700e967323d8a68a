// NUMBER digits on 16-byte vectors, for the fast paths of products and
// quotients.
//
// A value lies in two vectors with its base-100 digits in order of weight:
// byte k of (low, high) holds the digit of weight 100^k in an area of 25
// places, 0 to 24.  Reading a record reverses its digits into that order
// (its first digit at place 23), the order in which multiply-adds gather
// places into limbs.  Packing turns an area back into a record.
//
// Everything here uses byte shuffles, which the baseline processor lacks:
// callers check numvec::enabled first.
#pragma once

#include <bit>
#include <cstdint>

#include "number/number_core.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define NUM_HAVE_VECTORS 1
#include <immintrin.h>

namespace numvec {

inline bool ProcessorHasShuffles() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}

// True where the processor has the byte shuffles; false until the library's
// initialisation has run, so that arithmetic asked for earlier takes the
// other paths rather than an unsupported instruction.  Tests turn it off to
// compare the paths.
inline bool enabled = ProcessorHasShuffles();

// Every function that uses the byte shuffles carries the instruction-set
// attribute: the library itself is built for the baseline processor.
#define NUM_VECTOR [[gnu::target("ssse3")]] inline

constexpr uint8_t kZ = 0x80; // a shuffle index that gives a zero byte

// Shuffle indexes of byte shifts: kShift + 16 + s moves a vector's bytes s
// places down (s from -16 to 24), kShift + s brings the next vector's bytes
// in under them, and kShift + 32 - s the previous vector's bytes in over a
// shift up.
struct ShiftTable {
    uint8_t index[56];
    constexpr ShiftTable() : index() {
        for (int i = 0; i < 56; ++i) index[i] = (i >= 16 && i < 32) ? static_cast<uint8_t>(i - 16) : kZ;
    }
};
inline constexpr ShiftTable kShift{};

// All ones from index 25 up, and a single 1 at index 32: the masks of the
// places from m (0 to 25) up and of place m alone, for both vectors.
struct PlaceTables {
    uint8_t from[64];
    uint8_t one[64];
    constexpr PlaceTables() : from(), one() {
        for (int i = 25; i < 64; ++i) from[i] = 0xFF;
        one[32] = 1;
    }
};
inline constexpr PlaceTables kPlaces{};

// Shuffle indexes that turn the area back into record order with place
// `top` first: record byte j takes place top - j.  Byte j of the low record
// vector comes from the low area vector through kDown + 25 - top and from the
// high one through kDown + 41 - top; the high record vector adds 16 to both.
struct DownTable {
    uint8_t index[80];
    constexpr DownTable() : index() {
        for (int i = 0; i < 80; ++i) index[i] = (i >= 10 && i <= 25) ? static_cast<uint8_t>(25 - i) : kZ;
    }
};
inline constexpr DownTable kDown{};

NUM_VECTOR __m128i Load(const uint8_t *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }

// A pair of vectors: places 0-15 and 16-31.
struct Area {
    __m128i low, high;
};

// 0xFF in the places from m (0 to 25) up.
NUM_VECTOR Area PlacesFrom(int m) { return {Load(kPlaces.from + 25 - m), Load(kPlaces.from + 41 - m)}; }
// 1 in place m (0 to 25) alone.
NUM_VECTOR Area PlaceOne(int m) { return {Load(kPlaces.one + 32 - m), Load(kPlaces.one + 48 - m)}; }

NUM_VECTOR uint32_t ByteMask(__m128i low, __m128i high) {
    return static_cast<uint32_t>(_mm_movemask_epi8(low)) | static_cast<uint32_t>(_mm_movemask_epi8(high)) << 16;
}

NUM_VECTOR uint32_t NonZeroPlaces(const Area &a) {
    const __m128i zero = _mm_setzero_si128();
    return ~ByteMask(_mm_cmpeq_epi8(a.low, zero), _mm_cmpeq_epi8(a.high, zero));
}

// The area moved s places (0 to 24) towards the lower places; places moved
// below 0 are dropped.
NUM_VECTOR Area ShiftDown(const Area &a, int s) {
    const __m128i within = Load(kShift.index + 16 + s);
    return {_mm_or_si128(_mm_shuffle_epi8(a.low, within), _mm_shuffle_epi8(a.high, Load(kShift.index + s))),
            _mm_shuffle_epi8(a.high, within)};
}

// The area moved s places (0 to 16) towards the higher places; places moved
// past 31 are dropped.
NUM_VECTOR Area ShiftUp(const Area &a, int s) {
    const __m128i within = Load(kShift.index + 16 - s);
    return {_mm_shuffle_epi8(a.low, within),
            _mm_or_si128(_mm_shuffle_epi8(a.high, within), _mm_shuffle_epi8(a.low, Load(kShift.index + 32 - s)))};
}

// 100 - b in every byte where sign is all ones, b where it is zero: the
// complement that negative records store.  In eight bits 100 - b is ~b + 101.
NUM_VECTOR __m128i ComplementIf(__m128i sign, __m128i bytes) {
    return _mm_add_epi8(_mm_xor_si128(bytes, sign), _mm_and_si128(sign, _mm_set1_epi8(101)));
}

// An operand: its digits in places 1 to 23 (the first at 23), its sign and
// biased exponent.  Zero and null have no digits.
struct Operand {
    Area digits;
    bool negative;
    bool zero;
    int biased;
};

// Reads a record into places 23 down to 24 - count.  False when the careful
// reader must do it: a digit byte out of range or a zero first digit.
// Reads all 25 bytes of the record.
NUM_VECTOR bool ReadOperand(const NUMBER *n, Operand &v) {
    const NumHeader h = NumReadHeader(n);
    const bool negative = h.negative;
    const int count = h.count;
    // Record digits 0-15 and 7-22; digit j goes to place 23 - j.
    const __m128i first = Load(n->bDigits), later = Load(n->bDigits + 7);
    __m128i low = _mm_shuffle_epi8(later, _mm_setr_epi8(kZ, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1));
    __m128i high = _mm_shuffle_epi8(first, _mm_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, kZ, kZ, kZ, kZ, kZ, kZ, kZ, kZ));
    // Places 24-31 are never a record's.
    const Area from = PlacesFrom(24 - count);
    const __m128i keepLow = from.low, keepHigh = _mm_move_epi64(from.high);
    const __m128i sign = _mm_set1_epi8(static_cast<char>(-static_cast<int>(negative)));
    low = _mm_and_si128(ComplementIf(sign, _mm_and_si128(low, keepLow)), keepLow);
    high = _mm_and_si128(ComplementIf(sign, _mm_and_si128(high, keepHigh)), keepHigh);
    const __m128i nines = _mm_set1_epi8(99);
    const __m128i over = _mm_or_si128(_mm_subs_epu8(low, nines), _mm_subs_epu8(high, nines));
    const bool inRange = _mm_movemask_epi8(_mm_cmpeq_epi8(over, _mm_setzero_si128())) == 0xFFFF;
    const int firstDigit = _mm_extract_epi16(high, 3) >> 8;
    v.digits = {low, high};
    v.negative = negative;
    v.zero = count == 0;
    v.biased = h.biased;
    return inRange && (count == 0 || firstDigit != 0);
}

// Packs an area as NumPack does: the value 0.(place 24)(place 23)... x
// 100^(base - 64), rounded half up on the first digit that does not fit (23
// digits kept, 22 when negative), the exponent clamped, trailing zeros
// dropped.  Writes the whole record.
[[gnu::always_inline]] NUM_VECTOR void PackArea(NUMBER *out, Area a, bool negative, int base) {
    const __m128i zero = _mm_setzero_si128(), nines = _mm_set1_epi8(99), fortyNines = _mm_set1_epi8(49);
    const uint32_t nonZero = ~ByteMask(_mm_cmpeq_epi8(a.low, zero), _mm_cmpeq_epi8(a.high, zero));
    if (nonZero == 0) {
        NumSetZero(out);
        return;
    }
    const uint32_t ninetyNines = ByteMask(_mm_cmpeq_epi8(a.low, nines), _mm_cmpeq_epi8(a.high, nines));
    const uint32_t halfOrMore = ~ByteMask(_mm_cmpeq_epi8(_mm_subs_epu8(a.low, fortyNines), zero),
                                          _mm_cmpeq_epi8(_mm_subs_epu8(a.high, fortyNines), zero));
    int top = 31 - std::countl_zero(nonZero);
    const int dropped = top - (negative ? kNumMaxNegativeDigits : kNumMaxPositiveDigits);
    const bool roundUp = dropped >= 0 && ((halfOrMore >> dropped) & 1) != 0;
    const int kept = dropped < 0 ? 0 : dropped + 1;
    // Rounding up adds one at the lowest kept place that is not a 99 and
    // clears the 99s under it; past a run of 99s up to the top, the one
    // lands a place above the top.  Both are rare.  This packing ends the
    // critical path of every operation, and branches for the rare cases let
    // the common one go on without waiting for the search through the 99s.
    // (They are written with __builtin_expect: with [[unlikely]] the
    // compiler kept its conditional moves.)
    const uint32_t keptPlaces = ~0u << kept;
    int from = kept;
    const bool pastNines = roundUp & ((ninetyNines >> kept) & 1);
    if (__builtin_expect(pastNines, 0)) from = std::countr_zero(~ninetyNines & keptPlaces);
    const int lowest = roundUp ? from : std::countr_zero(nonZero & keptPlaces);
    if (__builtin_expect(from > top, 0)) top = from;
    const Area keep = PlacesFrom(from), one = PlaceOne(from);
    const __m128i up = _mm_set1_epi8(static_cast<char>(-static_cast<int>(roundUp)));
    a.low = _mm_add_epi8(_mm_and_si128(a.low, keep.low), _mm_and_si128(one.low, up));
    a.high = _mm_add_epi8(_mm_and_si128(a.high, keep.high), _mm_and_si128(one.high, up));
    const int count = top - lowest + 1;
    int biased = base - 24 + top;
    biased = biased < kNumMinBiased ? kNumMinBiased : (biased > kNumMaxBiased ? kNumMaxBiased : biased);

    const __m128i fromLow = Load(kDown.index + 25 - top), fromHigh = Load(kDown.index + 41 - top);
    __m128i low = _mm_or_si128(_mm_shuffle_epi8(a.low, fromLow), _mm_shuffle_epi8(a.high, fromHigh));
    __m128i high = _mm_or_si128(_mm_shuffle_epi8(a.low, fromHigh), _mm_shuffle_epi8(a.high, Load(kDown.index + 57 - top)));
    if (negative) {
        // 100 - d for each digit, then the terminator.
        const __m128i ones = _mm_set1_epi8(-1);
        const __m128i terminator = _mm_set1_epi8(static_cast<char>(kNumTerminator));
        const Area beyond = PlacesFrom(count), terminatorAt = PlaceOne(count);
        const __m128i one = _mm_set1_epi8(1);
        low = _mm_or_si128(_mm_andnot_si128(beyond.low, ComplementIf(ones, low)),
                           _mm_and_si128(_mm_cmpeq_epi8(terminatorAt.low, one), terminator));
        high = _mm_or_si128(_mm_andnot_si128(beyond.high, ComplementIf(ones, high)),
                            _mm_and_si128(_mm_cmpeq_epi8(terminatorAt.high, one), terminator));
    }
    // Record bytes 0-15, then 15-22 (the last eight of the 23 digit bytes).
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out->bDigits), low);
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out->bDigits + 15), _mm_alignr_epi8(high, low, 15));
    const uint8_t exponent = static_cast<uint8_t>(0x80 + biased);
    out->bExponent = negative ? static_cast<uint8_t>(~exponent) : exponent;
    out->bLength = static_cast<uint8_t>(1 + count + static_cast<int>(negative));
}

// Four 32-bit groups of four places each: places 0-3 first.
NUM_VECTOR __m128i PlaceGroups(__m128i digits) {
    const __m128i pairs = _mm_setr_epi8(1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100);
    const __m128i quads = _mm_setr_epi16(1, 10000, 1, 10000, 1, 10000, 1, 10000);
    return _mm_madd_epi16(_mm_maddubs_epi16(digits, pairs), quads);
}

// Two 10^16 limbs of sixteen places, the lowest first.
NUM_VECTOR __m128i PlaceLimbs(__m128i digits) {
    const __m128i groups = PlaceGroups(digits);
    return _mm_add_epi64(_mm_and_si128(groups, _mm_set1_epi64x(0xFFFFFFFF)),
                         _mm_mul_epu32(_mm_srli_epi64(groups, 32), _mm_set1_epi64x(100000000)));
}

// The three 10^16 limbs of places 0-23, the lowest first.
NUM_VECTOR void AreaLimbs(const Area &a, uint64_t *limbs) {
    alignas(16) uint64_t out[4];
    _mm_store_si128(reinterpret_cast<__m128i *>(out), PlaceLimbs(a.low));
    _mm_store_si128(reinterpret_cast<__m128i *>(out + 2), PlaceLimbs(a.high));
    limbs[0] = out[0];
    limbs[1] = out[1];
    limbs[2] = out[2];
}

// The sixteen places of four numbers below 10^8 (the lowest first), as
// digit bytes, the lowest place first.
NUM_VECTOR __m128i GroupDigits(__m128i groups) {
    // v / 10^4 is v * ceil(2^40 / 10^4) >> 40 for every v below 10^8.
    const __m128i reciprocal = _mm_set1_epi64x(109951163);
    const __m128i even = _mm_srli_epi64(_mm_mul_epu32(groups, reciprocal), 40);
    const __m128i odd = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(groups, 32), reciprocal), 40);
    const __m128i upper = _mm_or_si128(even, _mm_slli_epi64(odd, 32));
    // v % 10^4 fits 16 bits, so the low halves alone give it.
    const __m128i lower = _mm_sub_epi16(groups, _mm_mullo_epi16(upper, _mm_set1_epi32(10000)));
    const __m128i fours = _mm_or_si128(_mm_slli_epi32(upper, 16), _mm_and_si128(lower, _mm_set1_epi32(0xFFFF)));
    // x / 100 is x * 5243 >> 19 for every x below 10^4.
    const __m128i hundreds = _mm_srli_epi16(_mm_mulhi_epu16(fours, _mm_set1_epi16(5243)), 3);
    const __m128i ones = _mm_sub_epi16(fours, _mm_mullo_epi16(hundreds, _mm_set1_epi16(100)));
    return _mm_or_si128(_mm_slli_epi16(hundreds, 8), ones);
}

// The places of two 10^16 limbs as four groups below 10^8, the lowest first.
NUM_VECTOR __m128i LimbGroups(uint64_t lower, uint64_t upper) {
    constexpr uint64_t kTen8 = 100000000ULL;
    return _mm_setr_epi32(static_cast<int>(lower % kTen8), static_cast<int>(lower / kTen8),
                          static_cast<int>(upper % kTen8), static_cast<int>(upper / kTen8));
}

// An area from place 0's digit and the places above it as groups below
// 10^8: places 1-16 from `lower` (four groups), 17-24 from `upper` (two).
NUM_VECTOR Area GroupsArea(int bottom, __m128i lower, __m128i upper) {
    const __m128i middle = GroupDigits(lower), top = GroupDigits(upper);
    return {_mm_or_si128(_mm_slli_si128(middle, 1), _mm_cvtsi32_si128(bottom)),
            _mm_or_si128(_mm_srli_si128(middle, 15), _mm_slli_si128(top, 1))};
}

} // namespace numvec

#endif
