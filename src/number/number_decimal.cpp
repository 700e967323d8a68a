// NUMBER to and from the OLE DECIMAL record: a 96-bit magnitude divided by a
// power of ten from 0 to 28.
#include <algorithm>

#include "number/number_core.h"

namespace {

// An unsigned magnitude as 32-bit words, least significant first (every
// compiler of the library, 32-bit ones included, has 64-bit arithmetic).
// A fourth word holds what goes beyond 96 bits, so that a conversion can
// tell when its magnitude has outgrown a DECIMAL; the three low words are
// the magnitude modulo 2^96.
struct Magnitude96 {
    uint32_t words[4] = {};

    bool IsZero() const { return !(words[0] | words[1] | words[2] | words[3]); }
    bool Beyond96Bits() const { return words[3] != 0; }

    // this = this x factor + addend, modulo 2^128.
    void MultiplyAdd(uint32_t factor, uint32_t addend) {
        uint64_t carry = addend;
        for (uint32_t &w : words) {
            const uint64_t v = uint64_t{w} * factor + carry;
            w = static_cast<uint32_t>(v);
            carry = v >> 32;
        }
    }

    // this /= divisor; returns the remainder.
    uint32_t Divide(uint32_t divisor) {
        uint64_t remainder = 0;
        for (int i = 3; i >= 0; --i) {
            const uint64_t v = (remainder << 32) | words[i];
            words[i] = static_cast<uint32_t>(v / divisor);
            remainder = v % divisor;
        }
        return static_cast<uint32_t>(remainder);
    }
};
// Digits up to 100^-14 (28 decimal places) fit a DECIMAL's scale.
constexpr int kLowestPower = -14;
// A value whose last digit lies above 100^32 cannot fit 96 bits.
constexpr int kHighestPower = 32;

Magnitude96 MagnitudeOf(const DECIMAL &d) { return Magnitude96{{d.Lo32, d.Mid32, d.Hi32, 0}}; }

} // namespace

extern "C" {

void ORVEXAPI NumDECIMALToNumber(NUMBER *out, const DECIMAL *value) {
    if (!out) return;
    if (!value) {
        NumPackRecord(out, nullptr, 0, false, 0, true);
        return;
    }
    // 96 bits are at most 29 decimal digits: 15 base-100 digits, and one
    // more place for the factor 10 of an odd scale.
    constexpr int kPlaces = 16;
    uint8_t digits[kPlaces] = {};
    Magnitude96 magnitude = MagnitudeOf(*value);
    for (int i = kPlaces - 1; i >= 0 && !magnitude.IsZero(); --i)
        digits[i] = static_cast<uint8_t>(magnitude.Divide(100));
    // An odd scale s puts the units digit at 100^-((s + 1) / 2) and
    // multiplies by 10; an even one puts it at 100^(-s / 2).
    const int scale = value->scale;
    const int unitsPower = scale % 2 == 0 ? -scale / 2 : -(scale + 1) / 2;
    if (scale % 2 != 0) {
        int carry = 0;
        for (int i = kPlaces - 1; i >= 0; --i) {
            const int p = digits[i] * 10 + carry;
            digits[i] = static_cast<uint8_t>(p % 100);
            carry = p / 100;
        }
    }
    NumPackRecord(out, digits, kPlaces, value->sign != 0, kNumExponentBias + kPlaces + unitsPower, true);
}

void ORVEXAPI NumToDECIMAL(DECIMAL *out, const NUMBER *value, int32_t *overflow) {
    if (overflow) *overflow = 0;
    if (!out) return;
    const int length = value ? NumLengthOf(value) : 0;
    const NumUnpacked u = NumUnpackRecord(value, NumIsValidLength(length) ? length : 0);
    auto store = [out](const Magnitude96 &magnitude, int scale, bool negative) {
        out->scale = static_cast<BYTE>(scale);
        out->sign = negative ? 0x80 : 0;
        out->Lo32 = magnitude.words[0];
        out->Mid32 = magnitude.words[1];
        out->Hi32 = magnitude.words[2];
    };
    if (u.IsZero()) {
        store(Magnitude96{}, 0, false);
        return;
    }
    const int e = u.Exponent();
    int count = u.count;
    int k = e - count; // the power of 100 of the last digit
    if (k > kHighestPower || e < kLowestPower) {
        if (overflow) *overflow = 1;
        return;
    }
    if (k < kLowestPower) {
        count -= kLowestPower - k; // dropped without rounding
        k = kLowestPower;
    }
    // The test looks at the magnitude before each step, so a last step that
    // carries it past 96 bits goes unreported; the magnitude is kept modulo
    // 2^96.  (No step can grow it from below 2^96 past 2^128.)
    bool tooLarge = false;
    Magnitude96 acc;
    auto step = [&](uint32_t digit) {
        tooLarge |= acc.Beyond96Bits();
        acc.MultiplyAdd(100, digit);
    };
    for (int i = 0; i < count; ++i) step(u.digits[i]);
    for (int i = 0; i < k; ++i) step(0);
    if (tooLarge && overflow) *overflow = 1;
    store(acc, k < 0 ? -2 * k : 0, u.negative);
}

} // extern "C"
