// Sums and differences of NUMBERs on 16-byte vectors: both records read into
// areas, the smaller operand shifted under the larger, its complement added
// for a difference, every carry resolved at once, and the area packed.
#include <cstdlib>

#include "number/number_vectors.h"

#if defined(NUM_HAVE_VECTORS)

namespace {

using namespace numvec;

[[gnu::target("ssse3")]] bool AddOrSubtractOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    Operand x, y;
    if (!ReadOperand(a, x) || !ReadOperand(b, y)) return false;
    // Magnitude order: exponent first (zero below all), then the digits
    // from the top place; the highest differing place decides.
    const int ex = x.zero ? -1 : x.biased, ey = y.zero ? -1 : y.biased;
    const uint32_t differ = ~ByteMask(_mm_cmpeq_epi8(x.digits.low, y.digits.low),
                                      _mm_cmpeq_epi8(x.digits.high, y.digits.high));
    const uint32_t below = differ & ByteMask(_mm_cmpeq_epi8(_mm_min_epu8(x.digits.low, y.digits.low), x.digits.low),
                                             _mm_cmpeq_epi8(_mm_min_epu8(x.digits.high, y.digits.high), x.digits.high));
    const bool swapped = ex < ey || (ex == ey && below > (differ ^ below));
    const int index = NumSumIndex(x.negative, y.negative, subtract, swapped);
    // The larger magnitude into x, without branching on the order.
    SwapIf(swapped, x.digits, y.digits);
    const bool largerZero = swapped ? y.zero : x.zero, smallerZero = swapped ? x.zero : y.zero;
    const int largerBiased = swapped ? y.biased : x.biased;
    if (largerZero) {
        NumSetZero(result);
        return true;
    }
    // The smaller operand under the larger: its digits beyond place 0 are
    // dropped unrounded.  The gap comes from the exponents alone (the
    // digits decide the order only when the exponents are equal, and then
    // there is no gap), so that the shuffle need not wait for the digits'
    // comparison; a gap past the area, or a zero operand, is rare.
    int shift = std::abs(ex - ey);
    if (__builtin_expect(smallerZero || shift > 24, 0)) shift = 24;
    const Area aligned = ShiftDown(y.digits, shift);
    __m128i low = aligned.low, high = aligned.high;
    // A difference adds the complement, 99 - d in places 0 to 23, plus one.
    const bool difference = kNumSumSubtracts[index];
    const __m128i nines = _mm_set1_epi8(99);
    low = Select(difference, _mm_sub_epi8(nines, low), low);
    high = Select(difference, _mm_sub_epi8(_mm_move_epi64(nines), high), high);
    Area sum{_mm_add_epi8(x.digits.low, low), _mm_add_epi8(x.digits.high, high)};
    // The complement's carry out of place 23 is dropped.
    ResolveCarries(sum, difference, difference ? 0x00FFFFFFu : 0x01FFFFFFu);
    PackArea(result, sum, kNumSumNegative[index], largerBiased + 1);
    return true;
}

} // namespace

bool NumAddOrSubtractOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b, bool subtract) {
    return enabled && AddOrSubtractOnVectors(result, a, b, subtract);
}

#else

bool NumAddOrSubtractOnVectors(NUMBER *, const NUMBER *, const NUMBER *, bool) { return false; }

#endif
