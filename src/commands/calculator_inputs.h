#pragma once

#include <cstdint>
#include <string_view>

namespace zova {

// How the calculator's inputs fared.
enum class InputCheck {
    Passed,
    Refused,      // a check failed: message says which
    UnknownCore,  // the part number is not an offered one (a window offers no
                  // other; a script or a file can pass anything); message is
                  // the window's "select a core"
};

// The calculator's four texts converted and checked, in the calculator's order.
struct CalculatorInputs {
    InputCheck check = InputCheck::Passed;
    std::string_view message;  // the first check that failed; empty when all passed
    std::int16_t turns = 0;
    float current = 0.0f;  // A
    std::int16_t stackCount = 0;
};

// Throws ArithmeticError when a text converts beyond its type's range. The
// stack text is converted before anything is checked and is never checked
// itself: "" or letters give 0 cores, an overflow fails at once. Then the part
// number: none selected, or not an offered one; then turns and current.
CalculatorInputs ReadCalculatorInputs(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText);

}  // namespace zova
