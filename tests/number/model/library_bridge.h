// Moves NUMBER values between the model's byte arrays and the library's
// records.
#ifndef ORVEXRT_TESTS_NUMBER_LIBRARY_BRIDGE_H
#define ORVEXRT_TESTS_NUMBER_LIBRARY_BRIDGE_H

#include "number_model.h"
#include "orvexrt/number.h"

#include <cstring>

namespace number_differential {

inline NUMBER toLibrary(const number_model::Bytes &bytes) {
    static_assert(sizeof(NUMBER) == sizeof(number_model::Bytes));
    NUMBER number;
    std::memcpy(&number, bytes.data(), sizeof number);
    return number;
}

inline number_model::Bytes fromLibrary(const NUMBER &number) {
    number_model::Bytes bytes;
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

} // namespace number_differential

#endif
