#pragma once

#include <stdexcept>
#include <string>

// What the module raises when an input is refused or a calculation fails:
// zovamagnetic.InputRefused and zovamagnetic.OutOfRange (module.cpp registers them).
namespace zova::python {

// A check of the inputs failed: what() is the windows' message (UTF-8), or the
// tool's for an unknown part number or curve.
class InputRefusedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic failure: what() is "超出计算范围，请您调整计算参数。".
class OutOfRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zova::python
