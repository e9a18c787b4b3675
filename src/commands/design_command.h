#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/ac_inputs.h"
#include "commands/selection_command.h"
#include "design/design_figures.h"

namespace zova {

// How a design run ended.
enum class DesignEnd {
    Found,       // figures, no message
    Validation,  // an input check failed: a message, no figures
    UnknownCore,  // the part number is not an offered one: the "select a core" message, no figures
    OutOfRange,  // an arithmetic failure: the out-of-range message, no figures
};

struct DesignOutcome {
    DesignEnd end = DesignEnd::Found;
    std::optional<DesignFigures> figures;  // only when end == Found
    std::string message;                   // empty when end == Found
    // The numbers the texts were converted to, when end == Found.
    std::int16_t turns = 0;
    float current = 0.0f;
    std::int16_t stackSize = 0;

    friend bool operator==(const DesignOutcome&, const DesignOutcome&) = default;
};

// The figures of a winding from the inductance calculator's four texts: the
// selected part number ("" when none), turns, current and stack. They pass the
// calculator's conversions and checks first, with its messages in its order;
// then turns below 1, a current not above 0 and a stack below 1 are refused.
// Then the switching operation's texts (ac_inputs.h), when given.
DesignOutcome DesignWinding(std::string_view selectedPartNo, std::string_view turnsText,
                            std::string_view currentText, std::string_view stackText, const AcTexts& ac = {});

// The figures of every core a selection listed, each at its own turns and the
// run's current and stack, in the selection's order. end is Found or OutOfRange.
struct CandidateFigures {
    DesignEnd end = DesignEnd::Found;
    std::vector<DesignFigures> figures;  // one per selected core; empty unless Found
    std::string message;                 // empty when end == Found
};

CandidateFigures FiguresOfCandidates(const SelectionOutcome& selection);

}  // namespace zova
