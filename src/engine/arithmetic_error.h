#pragma once

#include <stdexcept>

namespace zova {

// The one failure of a calculation: an invalid operation, a division by zero, or
// a value beyond the range of its type (single precision, 16-bit integer).
// The engine and the text conversions raise it and never catch it; each command
// catches it at its edge and reports "out of calculation range".
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zova
