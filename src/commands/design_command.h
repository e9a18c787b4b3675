#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/ac_inputs.h"
#include "design/design_warnings.h"
#include "commands/input_rules.h"
#include "commands/selection_command.h"
#include "design/design_figures.h"

namespace zova {

// How a design run ended.
enum class DesignEnd {
    Found,        // figures, no message
    Validation,   // a box was refused: its message, no figures
    UnknownCore,  // the part number is not an offered one: a message, no figures
    OutOfRange,   // an arithmetic failure: the out-of-range message, no figures
};

struct DesignOutcome {
    DesignEnd end = DesignEnd::Found;
    DesignBox box = DesignBox::None;       // the box refused (Validation, UnknownCore)
    std::optional<DesignFigures> figures;  // only when end == Found
    std::string message;                   // why, in words; empty when end == Found
    // What the texts were read as, when end == Found.
    std::string partNo;  // upper case, as the catalogue spells it
    std::int16_t turns = 0;
    float current = 0.0f;  // A
    std::int16_t stackSize = 0;
    DesignOptions options;   // the switching operation and the AL tolerance as read
    DesignLimits limits;     // what the design's warnings are judged by
    bool biasCurve = false;  // the core has a DC-bias curve; without one the
                             // inductance at a current is not known (it reads 0)

    friend bool operator==(const DesignOutcome&, const DesignOutcome&) = default;
};

// The one reader of a design's inputs: the part number (blanks around it
// ignored, letters taken in either case), then turns, current and stack, then
// the switching operation's texts (each may be left empty: no frequency is DC
// alone, no ripple is none, no coefficients the material's fit), every box
// read as typed by its rule (input_rules.h) in that order. The workbench, the
// page, the tool, the module and design files all read a design through it.
// The margins a design is judged by, as typed: the AL tolerance (%, the
// worst case's inductance), the temperature rise warned above (K) and the
// permeability left at the peak warned below (%); each "" for its default.
struct MarginTexts {
    std::string_view alTolerance;
    std::string_view hotLimit;
    std::string_view rollOffLimit;
};

// A converter's volt-seconds (V·µs), given, stand in for the ripple box: the
// ripple then follows from the winding's own inductance (a frequency is needed).
DesignOutcome DesignAsTyped(std::string_view partNo, std::string_view turnsText, std::string_view currentText,
                            std::string_view stackText, const AcTexts& ac = {}, const MarginTexts& margins = {},
                            std::optional<double> voltSeconds = std::nullopt);

// The margins as typed, each by its box's rule; the defaults for empty texts.
struct MarginsRead {
    double alTolerance = DesignOptions{}.alTolerance;
    DesignLimits limits;
    DesignBox refused = DesignBox::None;
    std::string refusal;
};
MarginsRead ReadMargins(const MarginTexts& margins);

// The figures of every core a selection listed, each at its own turns and the
// run's current and stack, in the selection's order. end is Found or OutOfRange.
struct CandidateFigures {
    DesignEnd end = DesignEnd::Found;
    std::vector<DesignFigures> figures;  // one per selected core; empty unless Found
    std::string message;                 // empty when end == Found
};

CandidateFigures FiguresOfCandidates(const SelectionOutcome& selection);

}  // namespace zova
