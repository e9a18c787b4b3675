#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zova {

// The numbers a result text is formatted from.
struct InductanceFigures {
    std::int16_t turns = 0;
    float current = 0.0f;  // A
    std::int16_t stackCount = 0;
    float perCore = 0.0f;  // µH, one core
    float total = 0.0f;    // µH, the whole stack: the value the result text shows

    friend bool operator==(const InductanceFigures&, const InductanceFigures&) = default;
};

// What the inductance calculator shows after one run: a text for its result
// label (a result or a validation message), or the out-of-range failure, after
// which the label keeps what it showed before.
struct InductanceOutcome {
    bool outOfRange = false;
    std::string resultText;  // empty when outOfRange
    std::optional<InductanceFigures> figures;  // only with a result, not with a message

    friend bool operator==(const InductanceOutcome&, const InductanceOutcome&) = default;
};

// One calculation from the texts of the calculator's controls: the selected
// list item ("" when none), the turns box, the current box and the stack box.
InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText);

}  // namespace zova
