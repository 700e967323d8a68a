// Helpers shared by the parts of the NUMBER model.
#ifndef ORVEXRT_TESTS_NUMBER_MODEL_INTERNAL_H
#define ORVEXRT_TESTS_NUMBER_MODEL_INTERNAL_H

#include "number_model.h"

#include <string>
#include <vector>

namespace number_model::detail {

constexpr int kMinExponent = -60;
constexpr int kMaxExponent = 60;

mpz_class powerOf10(long exponent);
// Base-100 digits of a non-negative integer, most significant first (none
// for zero).
std::vector<int> base100Digits(const mpz_class &value);
// Round half up of numerator / 10^shift (shift >= 0).
mpz_class divideRoundingHalfUp(const mpz_class &numerator, long shift);
// Number of decimal digits of a positive integer.
long decimalDigitCount(const mpz_class &value);

// An exact value written as decimal characters: value = 0.S x 10^P with S
// free of leading and trailing zeros (empty for zero, with P = 0).
struct Significand {
    std::string digits;
    long point = 0;
};

Significand significandOf(const Exact &value);

} // namespace number_model::detail

#endif
