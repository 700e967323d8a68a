// Rounding to decimal places, truncation to a precision and scale, and
// scaling by powers of ten.
#include <algorithm>

#include "number/number_core.h"

namespace {

// Adds `amount` to digit i and carries leftwards; returns true when the carry
// ran past the first digit.
bool AddAndCarry(uint8_t *digits, int i, int amount) {
    int carry = amount;
    for (; i >= 0 && carry; --i) {
        const int d = digits[i] + carry;
        digits[i] = static_cast<uint8_t>(d % 100);
        carry = d / 100;
    }
    return carry != 0;
}

// Builds the factor 10^power as a record of one digit (1 or 10).
void PowerOfTen(NUMBER *factor, int power) {
    // floor((power + 66) / 2) for power >= -60: the dividend is positive.
    factor->bLength = 2;
    factor->bExponent = static_cast<uint8_t>(0xA0 + (power + 66) / 2);
    factor->bDigits[0] = (power % 2 != 0) ? 10 : 1;
}

} // namespace

extern "C" {

int32_t ORVEXAPI NumRound(NUMBER *result, const NUMBER *value, int32_t places) {
    const int length = NumLengthOf(value);
    NumUnpacked u = NumUnpackRecord(value, NumIsValidLength(length) ? length : 0);
    if (u.IsZero()) {
        NumSetZero(result);
        return result->bLength;
    }
    // Decimal positions kept, counted from the first digit position; places
    // far outside any value's range are clamped so the sum cannot overflow.
    const int k = 2 * u.Exponent() + std::clamp(places, -1000, 1000);
    if (k < 0) {
        NumSetZero(result);
        return result->bLength;
    }
    if (k < 2 * u.count) {
        bool carriedOut;
        if (k % 2 == 0) {
            carriedOut = u.digits[k / 2] >= 50 && AddAndCarry(u.digits, k / 2 - 1, 1);
            u.count = k / 2;
        } else {
            const int i = (k - 1) / 2;
            carriedOut = AddAndCarry(u.digits, i, 5);
            u.digits[i] = static_cast<uint8_t>(u.digits[i] / 10 * 10);
            u.count = i + 1;
        }
        if (carriedOut) {
            u.digits[0] = 1;
            u.count = 1;
            ++u.biased;
        }
    }
    return NumPackRecord(result, u);
}

int32_t ORVEXAPI NumTruncate(NUMBER *value, int32_t precision, int32_t scale) {
    const int length = NumLengthOf(value);
    if (length == 0 || !NumIsValidLength(length)) return 0;
    NumUnpacked u = NumUnpackRecord(value, length);
    if (!u.IsZero()) {
        const long long e = u.Exponent();
        const long long c = u.count;
        // Front: clear all but the lowest precision - scale integer places.
        const long long f = 2 * e - (static_cast<long long>(precision) - scale);
        if (f > 0) {
            const long long whole = f / 2;
            const int cleared = static_cast<int>(std::min(whole, c));
            std::fill(u.digits, u.digits + cleared, uint8_t{0});
            if (f % 2 != 0 && whole < c) u.digits[whole] %= 10;
        }
        // End: drop the decimal places beyond the scale.
        const long long g = 2 * (c - e) - scale;
        if (g > 0) {
            const long long removed = std::min(g / 2, c);
            u.count = static_cast<int>(c - removed);
            if (g % 2 != 0 && u.count > 0)
                u.digits[u.count - 1] = static_cast<uint8_t>(u.digits[u.count - 1] / 10 * 10);
        }
    }
    NumPackRecord(value, u);
    return 1;
}

int32_t ORVEXAPI NumPower10(NUMBER *result, const NUMBER *value, int32_t power) {
    if (power < -60 || power > 60) {
        NumSetNull(result);
        return 0;
    }
    NUMBER factor;
    PowerOfTen(&factor, power);
    return NumMultiply(result, value, &factor);
}

} // extern "C"
