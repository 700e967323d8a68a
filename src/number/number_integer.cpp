// NUMBER to and from 16-, 32- and 64-bit integers (the last in a CY record).
#include "number/number_core.h"

namespace {

// The digits of a value in front of its point, and the powers of 100 between
// the last of them and the point.
struct IntegerPart {
    const uint8_t *digits;
    int count;
    int trailingPowers;
};

IntegerPart IntegerPartOf(const NumUnpacked &u) {
    const int e = u.Exponent();
    if (u.IsZero() || e <= 0) return {u.digits, 0, 0};
    if (e >= u.count) return {u.digits, u.count, e - u.count};
    return {u.digits, e, 0};
}

// Calls step(d) for every integer digit, then step(0) once for each trailing
// power of 100: each step is acc = acc x 100 + d.
template <typename Step> void ForEachIntegerStep(const IntegerPart &part, Step step) {
    for (int i = 0; i < part.count; ++i) step(part.digits[i]);
    for (int i = 0; i < part.trailingPowers; ++i) step(0);
}

// The integer part in 32 bits, modulo 2^32, with the overflow test of the
// reply functions: before each multiplication the accumulator is folded
// into a running OR, and after it the OR, shifted right by 28 as a signed
// number, may not exceed 2 (nor equal 2 with a positive accumulator).
uint32_t IntegerPart32(const NUMBER *value, int32_t *overflow) {
    int32_t flag = 0;
    uint32_t acc = 0;
    const int length = NumLengthOf(value);
    if (length != 0 && NumIsValidLength(length)) {
        const NumUnpacked u = NumUnpackRecord(value, length);
        uint32_t seen = 0;
        ForEachIntegerStep(IntegerPartOf(u), [&](uint8_t d) {
            seen |= acc;
            acc = acc * 100 + d;
            const int32_t high = static_cast<int32_t>(seen) >> 28;
            if (high > 2 || (high == 2 && static_cast<int32_t>(acc) > 0)) flag = 1;
        });
        if (u.negative) acc = 0u - acc;
    }
    if (overflow) *overflow = flag;
    return acc;
}

// Packs an unsigned magnitude with its units digit at 100^0.
int PackMagnitude(NUMBER *out, uint64_t magnitude, bool negative, bool pad) {
    // Twenty-four digit places, the units digit last: leading zeros are
    // stripped by the packing.
    constexpr int kPlaces = 24;
    uint8_t digits[kPlaces] = {};
    for (int i = kPlaces - 1; i >= 0 && magnitude; --i, magnitude /= 100)
        digits[i] = static_cast<uint8_t>(magnitude % 100);
    return NumPackRecord(out, digits, kPlaces, negative, kNumExponentBias + kPlaces, pad);
}

} // namespace

extern "C" {

int32_t ORVEXAPI NumToLong(const NUMBER *value) { return static_cast<int32_t>(IntegerPart32(value, nullptr)); }

uint32_t ORVEXAPI NumToDWord(const NUMBER *value) { return IntegerPart32(value, nullptr); }

int32_t ORVEXAPI NumToLongReply(const NUMBER *value, int32_t *overflow) {
    return static_cast<int32_t>(IntegerPart32(value, overflow));
}

uint32_t ORVEXAPI NumToDWordReply(const NUMBER *value, int32_t *overflow) { return IntegerPart32(value, overflow); }

uint16_t ORVEXAPI NumToWord(const NUMBER *value) { return static_cast<uint16_t>(IntegerPart32(value, nullptr)); }

uint16_t ORVEXAPI NumToWordReply(const NUMBER *value, int32_t *overflow) {
    return static_cast<uint16_t>(IntegerPart32(value, overflow));
}

int32_t ORVEXAPI NumLongToNumber(NUMBER *out, int32_t value) {
    // -2^31 has no positive counterpart in 32 bits; the magnitude is taken
    // unsigned, which covers it.
    const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    return PackMagnitude(out, magnitude, value < 0, false);
}

int32_t ORVEXAPI NumDWordToNumber(NUMBER *out, uint32_t value) { return PackMagnitude(out, value, false, false); }

int32_t ORVEXAPI NumWordToNumber(NUMBER *out, uint16_t value) { return PackMagnitude(out, value, false, false); }

void ORVEXAPI NumLLongToNumber(NUMBER *out, const CY *value) {
    const int64_t v = value ? value->int64 : 0;
    const uint64_t magnitude = v < 0 ? 0ull - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    PackMagnitude(out, magnitude, v < 0, true);
}

void ORVEXAPI NumToLLong(CY *out, const NUMBER *value, int32_t *overflow) {
    int32_t flag = 0;
    uint64_t acc = 0;
    const int length = NumLengthOf(value);
    if (length != 0 && NumIsValidLength(length)) {
        const NumUnpacked u = NumUnpackRecord(value, length);
        uint32_t seenHigh = 0;
        ForEachIntegerStep(IntegerPartOf(u), [&](uint8_t d) {
            seenHigh |= static_cast<uint32_t>(acc >> 32);
            if (seenHigh & 0xFE000000u) flag = 1;
            acc = acc * 100 + d;
        });
        if (u.negative) acc = 0ull - acc;
    }
    if (out) {
        out->Lo = static_cast<uint32_t>(acc);
        out->Hi = static_cast<int32_t>(static_cast<uint32_t>(acc >> 32));
    }
    if (overflow) *overflow = flag;
}

} // extern "C"
