// Division: the 24 quotient digits of 0.a / 0.b (the first one the integer
// part, 0 to 99), each the true base-100 digit of the truncated quotient,
// packed once.  Both ways below are exact integer divisions; they differ
// only in speed.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "number/number_core.h"
#include "number/number_vectors.h"
#include "number/number_words.h"

namespace {

using numwords::NumWords;

// 10^8: a limb of four base-100 digits.
constexpr uint64_t kLimb = 100000000ULL;

// A record in the word form; records with out-of-range bytes or a zero
// first digit go through the careful reader first.
NumWords ReadOperand(const NUMBER *n) {
    NumWords v;
    if (numwords::ReadWords(n, v)) return v;
    const NumUnpacked u = NumUnpackRecord(n, NumArithLengthOf(n));
    uint8_t bytes[24] = {};
    std::memcpy(bytes, u.digits, static_cast<size_t>(std::min(u.count, 23)));
    v.negative = u.negative;
    v.biased = u.biased;
    for (int j = 0; j < 3; ++j) v.w[j] = numwords::LoadWord(bytes + 8 * j);
    return v;
}

#if defined(__SIZEOF_INT128__)
// The three 10^16 quotient limbs of four dividend limbs, the first below
// the divisor, by a divisor below 10^18: 16 decimal places per 128-bit
// division.
void DivideLimbs(const uint64_t *dividend, uint64_t divisor, uint64_t *quotient) {
    uint64_t remainder = dividend[0];
    for (int j = 0; j < 3; ++j) {
        const numwords::u128 part = static_cast<numwords::u128>(remainder) * numwords::kTen16 + dividend[j + 1];
        quotient[j] = numwords::DivideWide(part, divisor, remainder);
    }
}

// A divisor of at most nine digits: the quotient's 24 digits are the integer
// quotient of a's digits followed by (b's digit count - 1) zeros, by b's
// digits, developed 16 decimal places per 128-bit division.  False when the
// divisor is longer.
bool DivideShort(const NumWords &x, const NumWords &y, uint64_t *quotient) {
    int digits;
    uint64_t divisor;
    if ((y.w[1] | y.w[2]) == 0) {
        digits = 8 - std::countr_zero(y.w[0]) / 8;
        divisor = numwords::WordValue(y.w[0] >> (8 * (8 - digits)));
    } else if (y.w[2] == 0 && (y.w[1] << 8) == 0) {
        digits = 9;
        divisor = numwords::WordValue(y.w[0]) * 100 + (y.w[1] >> 56);
    } else {
        return false;
    }
    // The dividend placed so that the quotient's 24 digits are the last
    // three limbs; the first limb is then below the divisor.
    uint64_t dividend[4] = {x.w[0], x.w[1], x.w[2], 0};
    numwords::ShiftDigitsRight<4>(dividend, 9 - digits);
    uint64_t limbs[4], quotientLimbs[3];
    for (int j = 0; j < 4; ++j) limbs[j] = numwords::WordValue(dividend[j]);
    DivideLimbs(limbs, divisor, quotientLimbs);
    for (int j = 0; j < 3; ++j) quotient[j] = numwords::ValueWord(quotientLimbs[j]);
    return true;
}
#endif

// Carries signed limbs[0..n) into 0 .. 10^8 - 1 from the last one; returns
// the carry out of the first.
int64_t CarryLimbs(int64_t *limbs, int n) {
    // Floor division without a branch on the sign: the limbs here lie far
    // inside +-10^18, so t + 10^18 is a non-negative 64-bit value.
    constexpr int64_t kOffsetLimbs = 10000000000LL;
    constexpr int64_t kOffset = kOffsetLimbs * static_cast<int64_t>(kLimb);
    int64_t carry = 0;
    for (int i = n - 1; i >= 0; --i) {
        const int64_t t = limbs[i] + carry;
        carry = static_cast<int64_t>(static_cast<uint64_t>(t + kOffset) / kLimb) - kOffsetLimbs;
        limbs[i] = t - carry * static_cast<int64_t>(kLimb);
    }
    return carry;
}

// Sign of r (its limbs carried, with `high` the carry above them) minus v,
// both of n limbs.
int CompareLimbs(int64_t high, const int64_t *r, const int64_t *v, int n) {
    if (high != 0) return high < 0 ? -1 : 1;
    for (int i = 0; i < n; ++i)
        if (r[i] != v[i]) return r[i] < v[i] ? -1 : 1;
    return 0;
}

// Brings the remainder rest[0..6) into 0 .. v - 1 exactly, moving the last
// quotient limb to match.
void CorrectLastLimb(int64_t *rest, const int64_t *v, int64_t &last) {
    int64_t high = CarryLimbs(rest, 6);
    while (high < 0) {
        for (int i = 0; i < 6; ++i) rest[i] += v[i];
        high += CarryLimbs(rest, 6);
        --last;
    }
    while (CompareLimbs(high, rest, v, 6) >= 0) {
        for (int i = 0; i < 6; ++i) rest[i] -= v[i];
        high += CarryLimbs(rest, 6);
        ++last;
    }
}

// A quotient limb's estimate from the window's leading limbs: (lead +
// next / 10^8) / divisor, the divisor in units of its first limb.  The
// limbs after `next` move it by far less than one.  The estimate is the
// critical path of the division, each step waiting for the last, so where
// there are 128-bit products it is taken with two fixed-point reciprocals
// (2^64 / divisor and 2^64 / (divisor x 10^8)) rather than through double
// conversions.
struct LimbEstimator {
#if defined(__SIZEOF_INT128__)
    int64_t reciprocal, reciprocalNext;
    explicit LimbEstimator(double divisor) {
        const double scaled = 0x1p64 / divisor;
        reciprocal = static_cast<int64_t>(scaled);
        reciprocalNext = static_cast<int64_t>(scaled * 1e-8);
    }
    int64_t Estimate(int64_t lead, int64_t next) const {
        using i128 = __int128;
        return static_cast<int64_t>((static_cast<i128>(lead) * reciprocal + static_cast<i128>(next) * reciprocalNext) >> 64);
    }
#else
    double reciprocal;
    explicit LimbEstimator(double divisor) : reciprocal(1.0 / divisor) {}
    int64_t Estimate(int64_t lead, int64_t next) const {
        return static_cast<int64_t>((static_cast<double>(lead) + static_cast<double>(next) * 1e-8) * reciprocal);
    }
#endif
};

// Any divisor: long division on 10^8 limbs.  The dividend's digits moved
// one place down (the quotient's first digit is then the last of its first
// limb) and followed by zero limbs, divided by the divisor's six limbs, give
// six quotient limbs: exactly the 24 quotient digits.
//
// Each quotient limb is estimated from the window's leading limbs and the
// divisor's reciprocal and may be a unit or two off; its product with the
// divisor is taken from signed limbs without carrying, and the next limb
// takes up the error (it may come out negative or reach 10^8).  The steps
// therefore depend on each other only through one estimate, not through a
// borrow chain.  At the end the remainder is made exact: it is brought into
// 0 .. divisor - 1 by moving the last limb, and the limbs are carried into
// 0 .. 10^8 - 1, which makes them the truncated quotient's.
//
// r[0..6) holds the dividend's limbs (r[6..12) zero), v[0..6) the divisor's;
// q[0..6) receives the quotient limbs.
void DivideLimbsLong(int64_t *r, const int64_t *v, int64_t *q) {
    constexpr int64_t kBase = static_cast<int64_t>(kLimb);
    // The first limb is at least 10^6: the reciprocal of the leading three
    // limbs is good to far more places than an estimate needs.
    const double divisor = static_cast<double>(v[0]) + static_cast<double>(v[1]) * 1e-8 +
                           static_cast<double>(v[2]) * 1e-16 + static_cast<double>(v[3]) * 1e-24;
    const LimbEstimator estimator(divisor);
    // Unrolled, the window stays in registers: each step reads what the
    // step before it has just written.
#pragma GCC unroll 6
    for (int j = 0; j < 6; ++j) {
        int64_t *w = r + j; // the window w[0..6]; w[0] folds into w[1]
        const int64_t lead = w[0] * kBase + w[1];
        const int64_t estimate = estimator.Estimate(lead, w[2]);
        w[1] = lead;
#pragma GCC unroll 6
        for (int i = 0; i < 6; ++i) w[1 + i] -= estimate * v[i];
        q[j] = estimate;
    }
    // The remainder is r[6 .. 12).  Its value in double, in units of the
    // divisor's first limb, is far more precise than the slack below: only
    // when it lies near 0 or near the divisor must it be carried exactly
    // and brought into 0 .. divisor - 1.
    int64_t *rest = r + 6;
    // Summed as a tree, not by Horner's rule: the terms do not wait for
    // each other.
    constexpr double kScale[6] = {1, 1e-8, 1e-16, 1e-24, 1e-32, 1e-40};
    double terms[6], sizes[6];
    for (int i = 0; i < 6; ++i) {
        terms[i] = static_cast<double>(rest[i]) * kScale[i];
        sizes[i] = std::fabs(terms[i]);
    }
    const double remainder = ((terms[0] + terms[1]) + (terms[2] + terms[3])) + (terms[4] + terms[5]);
    const double size = ((sizes[0] + sizes[1]) + (sizes[2] + sizes[3])) + (sizes[4] + sizes[5]);
    // Rounding moves the sum by far less than 10^-12 of its terms' size.
    const double slack = 1.0 + size * 1e-12;
    if (!(remainder > slack && remainder < divisor - slack)) CorrectLastLimb(rest, v, q[5]);
    // Estimates are a unit or two off either way (truncation, rounding),
    // so a limb may lie a little below 0 or reach 10^8, and one that takes
    // up a neighbour's error a little below -10^8: carried from the last,
    // they become the quotient's.  That is rare for ordinary operands (1
    // division in 2,000 of random 46-digit values), and the carry is a chain
    // of six steps: a predicted branch skips it when every limb is in range.
    uint64_t outOfRange = 0;
    for (int i = 0; i < 6; ++i) outOfRange |= static_cast<uint64_t>(q[i]) >= kLimb;
    if (__builtin_expect(outOfRange != 0, 0)) CarryLimbs(q, 6);
}

// The long division on words: writes the quotient's 24 digits as three words.
void DivideLong(const NumWords &x, const NumWords &y, uint64_t *out) {
    // The dividend one digit down, then zero limbs.  The divisor is always
    // taken as six limbs, its zero limbs included: that scales dividend and
    // divisor alike, and keeps every loop the same length whatever the digit
    // counts.
    const uint64_t moved[3] = {x.w[0] >> 8, (x.w[0] << 56) | (x.w[1] >> 8), (x.w[1] << 56) | (x.w[2] >> 8)};
    int64_t r[12] = {};
    int64_t v[6];
    for (int j = 0; j < 3; ++j) {
        const uint64_t a = numwords::WordHalves(moved[j]), d = numwords::WordHalves(y.w[j]);
        r[2 * j] = static_cast<int64_t>(a >> 32);
        r[2 * j + 1] = static_cast<int64_t>(a & 0xFFFFFFFFULL);
        v[2 * j] = static_cast<int64_t>(d >> 32);
        v[2 * j + 1] = static_cast<int64_t>(d & 0xFFFFFFFFULL);
    }
    int64_t q[6];
    DivideLimbsLong(r, v, q);
    for (int k = 0; k < 3; ++k)
        out[k] = numwords::HalvesWord(static_cast<uint32_t>(q[2 * k]), static_cast<uint32_t>(q[2 * k + 1]));
}

// Division by zero or of zero: no error code, zero or the largest
// magnitude a run of 99s packs to, 10^118.  False for other operands.
bool DivideZero(NUMBER *result, bool dividendZero, bool divisorZero, bool negative) {
    if (dividendZero) {
        NumSetZero(result);
        return true;
    }
    if (!divisorZero) return false;
    const uint8_t one = 1;
    NumPackRecord(result, &one, 1, negative, kNumMaxBiased);
    return true;
}

// The biased exponent of a quotient whose first digit is the integer part.
int QuotientBiased(int dividendBiased, int divisorBiased) {
    return dividendBiased - divisorBiased + kNumExponentBias + 1;
}

#if defined(NUM_HAVE_VECTORS) && defined(__SIZEOF_INT128__)
// The same divisions with the records read into vector areas: the limbs
// come from multiply-adds on the digit bytes, the quotient's digit bytes
// from reciprocal splits, and the area is packed in place of words.
[[gnu::target("ssse3")]] bool DivideOnVectors(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    using namespace numvec;
    Operand x, y;
    if (!ReadOperand(a, x) || !ReadOperand(b, y)) return false;
    const bool negative = x.negative != y.negative;
    if (DivideZero(result, x.zero, y.zero, negative)) return true;
    const int biased = QuotientBiased(x.biased, y.biased);
    const int lowest = std::countr_zero(NonZeroPlaces(y.digits));
    const int digits = 24 - lowest;
    Area quotient;
    if (digits <= 9) {
        // The divisor's digits as an integer, and the dividend moved up so
        // that the quotient's 24 digits are the last three of four limbs.
        uint64_t divisor[3], dividend[4], quotientLimbs[3];
        AreaLimbs(ShiftDown(y.digits, lowest), divisor);
        const Area moved = ShiftUp(x.digits, digits - 1);
        alignas(16) uint64_t limbs[4];
        _mm_store_si128(reinterpret_cast<__m128i *>(limbs), PlaceLimbs(moved.low));
        _mm_store_si128(reinterpret_cast<__m128i *>(limbs + 2), PlaceLimbs(moved.high));
        for (int j = 0; j < 4; ++j) dividend[j] = limbs[3 - j];
        DivideLimbs(dividend, divisor[0] + divisor[1] * numwords::kTen16, quotientLimbs);
        quotient = GroupsArea(0, LimbGroups(quotientLimbs[2], quotientLimbs[1]), LimbGroups(quotientLimbs[0], 0));
    } else {
        // Six limbs each, the first first; the dividend one place down.
        alignas(16) int32_t groups[2][8];
        const Area moved = ShiftDown(x.digits, 1);
        _mm_store_si128(reinterpret_cast<__m128i *>(groups[0]), PlaceGroups(moved.low));
        _mm_store_si128(reinterpret_cast<__m128i *>(groups[0] + 4), PlaceGroups(moved.high));
        _mm_store_si128(reinterpret_cast<__m128i *>(groups[1]), PlaceGroups(y.digits.low));
        _mm_store_si128(reinterpret_cast<__m128i *>(groups[1] + 4), PlaceGroups(y.digits.high));
        int64_t r[12] = {}, v[6], q[6];
        for (int j = 0; j < 6; ++j) {
            r[j] = groups[0][5 - j];
            v[j] = groups[1][5 - j];
        }
        DivideLimbsLong(r, v, q);
        quotient = GroupsArea(0, _mm_setr_epi32(static_cast<int>(q[5]), static_cast<int>(q[4]), static_cast<int>(q[3]),
                                                static_cast<int>(q[2])),
                              _mm_setr_epi32(static_cast<int>(q[1]), static_cast<int>(q[0]), 0, 0));
    }
    PackArea(result, quotient, negative, biased);
    return true;
}
#endif

// Kept out of line, so that the vector path does not set up this one's frame.
[[gnu::noinline]] bool DivideOnWords(NUMBER *result, const NUMBER *a, const NUMBER *b) {
    const NumWords x = ReadOperand(a), y = ReadOperand(b);
    const bool negative = x.negative != y.negative;
    if (DivideZero(result, x.IsZero(), y.IsZero(), negative)) return true;
    const int biased = QuotientBiased(x.biased, y.biased);
    // The 24 quotient digits and a zero word: no 25th digit is developed.
    uint64_t quotient[4] = {};
#if defined(__SIZEOF_INT128__)
    if (!DivideShort(x, y, quotient))
#endif
        DivideLong(x, y, quotient);
    numwords::PackLeadingDigits(result, quotient, negative, biased);
    return true;
}

} // namespace

extern "C" int32_t ORVEXAPI NumDivide(NUMBER *result, const NUMBER *a, const NUMBER *b) {
#if defined(NUM_HAVE_VECTORS) && defined(__SIZEOF_INT128__)
    if (numvec::enabled && DivideOnVectors(result, a, b)) return result->bLength;
#endif
    DivideOnWords(result, a, b);
    return result->bLength;
}
