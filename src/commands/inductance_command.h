#pragma once

#include <string>
#include <string_view>

namespace zova {

// What the inductance calculator shows after one run: a text for its result
// label (a result or a validation message), or the out-of-range failure, after
// which the label keeps what it showed before.
struct InductanceOutcome {
    bool outOfRange = false;
    std::string resultText;  // empty when outOfRange

    friend bool operator==(const InductanceOutcome&, const InductanceOutcome&) = default;
};

// One calculation from the texts of the calculator's controls: the selected
// list item ("" when none), the turns box, the current box and the stack box.
InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText);

}  // namespace zova
