// Products of NUMBERs: both records' digits gathered into 10^16 limbs on
// 16-byte vectors, the limb products summed in columns and carried, and the
// top 25 places of the product spread back into digit bytes and packed.
// Operands of at most 8 or 16 digits have one or two limbs, and their
// products skip the limbs they do not have.
#include "number/number_vectors.h"

#include <algorithm>

#if defined(NUM_HAVE_VECTORS) && defined(__SIZEOF_INT128__)
#include "number/number_words.h"

namespace {

using namespace numvec;
using numwords::u128;

constexpr uint64_t kTen14 = 100000000000000ULL;
constexpr uint64_t kTen16 = numwords::kTen16;

// The 10^16 limbs of the sixteen digits of v in record order, two to a
// vector: the first eight digits in the low lane.
NUM_VECTOR __m128i RecordLimbs(__m128i v) {
    const __m128i pairs = _mm_maddubs_epi16(v, _mm_setr_epi8(100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1, 100, 1));
    const __m128i quads = _mm_madd_epi16(pairs, _mm_setr_epi16(10000, 1, 10000, 1, 10000, 1, 10000, 1));
    return _mm_add_epi64(_mm_mul_epu32(quads, _mm_set1_epi64x(100000000)), _mm_srli_epi64(quads, 32));
}

NUM_VECTOR uint64_t LowLane(__m128i v) { return static_cast<uint64_t>(_mm_cvtsi128_si64(v)); }
NUM_VECTOR uint64_t HighLane(__m128i v) { return LowLane(_mm_unpackhi_epi64(v, v)); }

// Reads a record of at most 8L digits as its three 10^16 limbs, the lowest
// first: its first eight digits make limb 2, the next eight limb 1, the
// rest and a zero limb 0.  The digits stay in record order, the order in
// which multiply-adds by 100 and 10^4 make limbs.  False when the careful
// reader must do it: a digit byte out of range or a zero first digit.
// Reads all 25 bytes of the record.
template <int L>
[[gnu::always_inline]] NUM_VECTOR bool ReadLimbs(const NUMBER *n, const NumHeader &h, uint64_t *limbs) {
    const __m128i sign = _mm_set1_epi8(static_cast<char>(-static_cast<int>(h.negative)));
    // Record digits 0-15, and for a third limb 7-22; kPlaces.from holds ones
    // from index 25 up, so that the bytes from index 25 - count up are the
    // ones past the record's digits.
    const __m128i first =
        _mm_andnot_si128(Load(kPlaces.from + 25 - h.count), ComplementIf(sign, Load(n->bDigits)));
    __m128i over = _mm_subs_epu8(first, _mm_set1_epi8(99));
    const __m128i upper = RecordLimbs(first);
    limbs[2] = LowLane(upper);
    limbs[1] = L > 1 ? HighLane(upper) : 0;
    limbs[0] = 0;
    if constexpr (L > 2) {
        const __m128i later =
            _mm_andnot_si128(Load(kPlaces.from + 32 - h.count), ComplementIf(sign, Load(n->bDigits + 7)));
        over = _mm_or_si128(over, _mm_subs_epu8(later, _mm_set1_epi8(99)));
        // Digits 17-23 sit in bytes 9-15: one byte down, they fill the high
        // lane with a zero after them.
        limbs[0] = HighLane(RecordLimbs(_mm_srli_si128(later, 1)));
    }
    const bool inRange = _mm_movemask_epi8(_mm_cmpeq_epi8(over, _mm_setzero_si128())) == 0xFFFF;
    return inRange && (h.count == 0 || (_mm_cvtsi128_si32(first) & 0xFF) != 0);
}

// The product of two operands of L limbs each (1 to 3: the lower limbs of
// operands with at most 8 or 16 digits are zero) as six 10^16 limbs, the lowest
// first; limbs below 2 (3 - L) are left out, as they are zero.
template <int L> [[gnu::always_inline]] inline void MultiplyLimbs(const uint64_t *p, const uint64_t *q, uint64_t *limbs) {
    constexpr int kFirst = 3 - L, kLow = 2 * kFirst;
    // Column k has the weight 10^(16 k); the product has places 0 to 47,
    // its first digit at place 46 or 47.
    u128 columns[5] = {};
    // Every loop here is unrolled so that the columns and limbs stay in
    // registers instead of being added up in memory.
#pragma GCC unroll 3
    for (int i = kFirst; i < 3; ++i)
#pragma GCC unroll 3
        for (int j = kFirst; j < 3; ++j) columns[i + j] += static_cast<u128>(p[i]) * q[j];
    // Each column splits into 10^16 limbs on its own, without waiting for
    // the carry from the column below: columns hold at most three products,
    // so a limb plus the part carried out of the column below stays under
    // 4 x 10^16, and carrying that sum along costs three comparisons a limb.
    uint64_t low[5], high[5];
#pragma GCC unroll 5
    for (int k = kLow; k < 5; ++k) high[k] = numwords::DivideByTen16(columns[k], low[k]);
    limbs[kLow] = low[kLow];
    uint64_t carry = 0;
#pragma GCC unroll 5
    for (int k = kLow + 1; k < 6; ++k) {
        const uint64_t sum = (k < 5 ? low[k] : 0) + high[k - 1] + carry;
        carry = static_cast<uint64_t>(sum >= kTen16) + (sum >= 2 * kTen16) + (sum >= 3 * kTen16);
        limbs[k] = sum - carry * kTen16;
    }
}

// The product of two records of at most 8L digits each.
template <int L>
[[gnu::always_inline]] NUM_VECTOR bool MultiplyOn(NUMBER *result, const NUMBER *a, const NUMBER *b,
                                                  const NumHeader &ha, const NumHeader &hb) {
    uint64_t p[3], q[3];
    if (!ReadLimbs<L>(a, ha, p) || !ReadLimbs<L>(b, hb, q)) return false;
    if (ha.count == 0 || hb.count == 0) {
        NumSetZero(result);
        return true;
    }
    uint64_t limbs[6] = {};
    MultiplyLimbs<L>(p, q, limbs);
    // Places 23 to 47 make the area: the first dropped digit is at place 23
    // at the lowest.
    const Area area = GroupsArea(static_cast<int>(limbs[2] / kTen14), LimbGroups(limbs[3], limbs[4]),
                                 LimbGroups(limbs[5], 0));
    PackArea(result, area, ha.negative != hb.negative, ha.biased + hb.biased - kNumExponentBias);
    return true;
}

[[gnu::target("ssse3")]] bool MultiplyOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    const NumHeader ha = NumReadHeader(a), hb = NumReadHeader(b);
    // Most values in use have at most 16 digits: their products read one
    // vector of each record and take four limb products instead of nine, or
    // one for at most 8 digits.
    const int longer = std::max(ha.count, hb.count);
    if (longer <= 8) return MultiplyOn<1>(result, a, b, ha, hb);
    if (longer <= 16) return MultiplyOn<2>(result, a, b, ha, hb);
    return MultiplyOn<3>(result, a, b, ha, hb);
}

} // namespace

bool NumMultiplyOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return enabled && MultiplyOnVectors(result, a, b);
}

#else

bool NumMultiplyOnVectors(NUMBER *, const NUMBER *, const NUMBER *) { return false; }

#endif
