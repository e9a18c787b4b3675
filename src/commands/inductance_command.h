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

// How a calculation ended.
enum class InductanceEnd {
    Result,      // resultText is "电感量为：…μH", figures hold its numbers
    Validation,  // an input check failed: resultText is its message, no figures
    UnknownCore,  // the part number is not an offered one: resultText is the
                  // "select a core" message, no figures
    OutOfRange,  // an arithmetic failure: no text, no figures; the window's
                 // label keeps what it showed before
};

// What the inductance calculator shows after one run.
struct InductanceOutcome {
    InductanceEnd end = InductanceEnd::Result;
    std::string resultText;                    // empty when end == OutOfRange
    std::optional<InductanceFigures> figures;  // only when end == Result

    friend bool operator==(const InductanceOutcome&, const InductanceOutcome&) = default;
};

// The result as the calculator shows it: "电感量为：" + the µH to three decimals + "μH".
std::string InductanceResultText(float microhenries);

// One calculation from the texts of the calculator's controls: the selected
// list item ("" when none), the turns box, the current box and the stack box.
InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText);

}  // namespace zova
