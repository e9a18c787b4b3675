#pragma once

#include <cmath>

#include "engine/arithmetic_error.h"

namespace zova::detail {

// Every fault we guard against (invalid operation, division by zero, overflow)
// leaves a NaN or an infinity in the result it produces, so checking the value
// is enough. Unlike fetestexcept, a check on the value cannot be reordered or
// dropped by the optimiser. Underflow and inexact results pass, as they should.
template <typename T>
T checked(T value, const char* where) {
    if (!std::isfinite(value)) throw ArithmeticError(where);
    return value;
}

}  // namespace zova::detail
