// Products of NUMBERs on 16-byte vectors: both records read into areas,
// their places gathered into three 10^16 limbs each, the nine limb products
// summed in columns and carried, and the top 25 places of the product
// spread back into digit bytes and packed.
#include "number/number_vectors.h"

#include <algorithm>

#if defined(NUM_HAVE_VECTORS) && defined(__SIZEOF_INT128__)
#include "number/number_words.h"

namespace {

using namespace numvec;
using numwords::u128;

constexpr uint64_t kTen14 = 100000000000000ULL;
constexpr uint64_t kTen16 = numwords::kTen16;

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

[[gnu::target("ssse3")]] bool MultiplyOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    Operand x, y;
    if (!ReadOperand(a, x) || !ReadOperand(b, y)) return false;
    if (x.zero || y.zero) {
        NumSetZero(result);
        return true;
    }
    uint64_t p[3], q[3];
    AreaLimbs(x.digits, p);
    AreaLimbs(y.digits, q);
    // Most values in use have at most 16 digits: their products take four
    // limb products instead of nine, or one for at most 8 digits.
    uint64_t limbs[6] = {};
    const int longer = std::max(x.count, y.count);
    if (longer <= 8)
        MultiplyLimbs<1>(p, q, limbs);
    else if (longer <= 16)
        MultiplyLimbs<2>(p, q, limbs);
    else
        MultiplyLimbs<3>(p, q, limbs);
    // Places 23 to 47 make the area: the first dropped digit is at place 23
    // at the lowest.
    const Area area = GroupsArea(static_cast<int>(limbs[2] / kTen14), LimbGroups(limbs[3], limbs[4]),
                                 LimbGroups(limbs[5], 0));
    PackArea(result, area, x.negative != y.negative, x.biased + y.biased - kNumExponentBias);
    return true;
}

} // namespace

bool NumMultiplyOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    return enabled && MultiplyOnVectors(result, a, b);
}

#else

bool NumMultiplyOnVectors(NUMBER *, const NUMBER *, const NUMBER *) { return false; }

#endif
