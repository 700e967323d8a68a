// Rounded texts and exact powers of ten.
#include "numfmt/number_rounding.h"

#include <algorithm>
#include <cstring>

#include "number/number_core.h"

namespace {

// The plain texts of NumToAscii at this width hold every value below 10^108.
constexpr int32_t kPlainWidth = 108;
// A NUMBER's magnitude lies between 10^-122 and 10^120: P from -121 to 120.
constexpr int kMinExponent = -121;
constexpr int kMaxExponent = 120;
// NumPower10 takes powers from -60 to 60.
constexpr int32_t kPowerStep = 60;

} // namespace

bool FMTRoundToText(const NUMBER &value, int32_t places, FMTRoundedText &out) {
    out.text[0] = '\0';
    out.length = 0;
    if (NumLengthOf(&value) == 0) return true;
    NUMBER rounded;
    NumRound(&rounded, &value, places);
    char plain[kPlainWidth + 1];
    const int32_t length = NumToAscii(&rounded, plain, kPlainWidth);
    if (length <= 0 || std::memchr(plain, 'E', static_cast<size_t>(length))) return false;
    std::memcpy(out.text, plain, static_cast<size_t>(length));
    int size = length;
    if (places > 0) {
        const char *point = static_cast<const char *>(std::memchr(plain, '.', static_cast<size_t>(length)));
        if (!point) out.text[size++] = '.';
        const int shown = point ? length - static_cast<int>(point - plain) - 1 : 0;
        const int missing = std::clamp(places - shown, 0, kFMTRoundedTextMax - size);
        std::memset(out.text + size, '0', static_cast<size_t>(missing));
        size += missing;
    }
    out.text[size] = '\0';
    out.length = size;
    return true;
}

bool FMTIsZeroText(std::string_view text) { return text.find_first_not_of(".0") == std::string_view::npos; }

int FMTDecimalExponent(const NUMBER &value) {
    const int length = NumLengthOf(&value);
    const NumUnpacked u = NumUnpackRecord(&value, NumIsValidLength(length) ? length : 0);
    if (u.IsZero()) return 0;
    return 2 * u.Exponent() - (u.digits[0] < 10 ? 1 : 0);
}

bool FMTScaleByPowerOf10(NUMBER *out, const NUMBER &value, int32_t power) {
    NUMBER result = value;
    if (NumLengthOf(&value) == 0) {
        *out = value;
        return true;
    }
    const NUMBER zero = FMTZeroNumber();
    if (NumCompare(&value, &zero) != 0) {
        const long long target = static_cast<long long>(FMTDecimalExponent(value)) + power;
        if (target < kMinExponent || target > kMaxExponent) return false;
        // Every step moves towards the target, so no step leaves the range.
        while (power != 0) {
            const int32_t step = std::clamp(power, -kPowerStep, kPowerStep);
            NumPower10(&result, &result, step);
            power -= step;
        }
    }
    *out = result;
    return true;
}

NUMBER FMTZeroNumber() {
    NUMBER zero{};
    NumSetZero(&zero);
    return zero;
}

bool FMTIsNegative(const NUMBER &value) {
    const NUMBER zero = FMTZeroNumber();
    return NumCompare(&value, &zero) < 0;
}
