#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "commands/design_command.h"
#include "design/design_figures.h"

namespace zova {

// The workbench's plausible ranges. They hold every winding the catalogue's
// cores can carry with room to spare (the selection itself tries at most 350
// turns), and keep every figure and axis to a readable number of digits.
inline constexpr int kWorkbenchMaxTurns = 2000;
inline constexpr double kWorkbenchMinCurrent = 0.001;   // A
inline constexpr double kWorkbenchMaxCurrent = 1000.0;  // A
inline constexpr int kWorkbenchMaxStack = 20;

// The workbench's boxes, in the order they are read.
enum class WorkbenchBox { None, Core, Turns, Current, Stack, Frequency, Ripple, Coefficients };

struct WorkbenchOutcome {
    DesignEnd end = DesignEnd::Found;       // Found, Validation, UnknownCore or OutOfRange
    WorkbenchBox box = WorkbenchBox::None;  // the box refused (Validation, UnknownCore)
    std::string message;                    // why, in words; empty when end == Found
    std::optional<DesignFigures> figures;   // only when end == Found
    std::int16_t turns = 0;
    float current = 0.0f;  // A
    std::int16_t stackSize = 0;
    bool biasCurve = false;  // the core has a DC-bias curve; without one the
                             // inductance at a current is not known (it reads 0)
    DesignOptions options;   // the switching operation read, when end == Found
};

// The design figures from the workbench's four texts, read as typed: blanks
// around a text are ignored, nothing else is. A text that is not a whole
// decimal number (sign, digits, one point, exponent), a negative value, a turn
// count or stack that is not whole, or a value outside the plausible range is
// refused with its reason; boxes are checked in the order core, turns,
// current, stack, then the switching operation's (each may be left empty: no
// frequency is DC alone, no ripple is none, no coefficients the material's
// fit). The figures are DesignWinding's for the same numbers.
WorkbenchOutcome DesignAsTyped(std::string_view partNo, std::string_view turnsText, std::string_view currentText,
                               std::string_view stackText, const AcTexts& ac = {});

}  // namespace zova
