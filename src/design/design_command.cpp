#include "design/design_command.h"

#include <cstdint>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "text/conversions.h"

namespace zova {
namespace {

DesignOutcome refused(std::string_view message, DesignEnd end = DesignEnd::Validation) {
    DesignOutcome out;
    out.end = end;
    out.message = message;
    return out;
}

}  // namespace

DesignOutcome DesignWinding(std::string_view selectedPartNo, std::string_view turnsText,
                            std::string_view currentText, std::string_view stackText) {
    try {
        // The calculator's conversions and checks, in its order.
        const std::string turns = text::Trimmed(turnsText);
        const std::string current = text::Trimmed(currentText);
        const std::int16_t stack = text::ToInt16(text::LeadingValue(stackText));
        if (selectedPartNo.empty()) return refused(messages::kSelectCore);
        if (turns.empty()) return refused(messages::kEnterTurns);
        if (!text::IsNumeric(turns)) return refused(messages::kTurnsNotNumeric);
        const std::int16_t n = text::ToInt16(text::LeadingValue(turns));
        if (current.empty()) return refused(messages::kEnterCurrent);
        if (!text::IsNumeric(current)) return refused(messages::kCurrentNotNumeric);
        const float amps = text::ToSingle(text::LeadingValue(current));

        // A winding needs a turn, a current to size its wire and a core to sit on.
        if (n < 1) return refused(messages::kDesignTurnsBelowOne);
        if (!(amps > 0.0f)) return refused(messages::kDesignCurrentNotPositive);
        if (stack < 1) return refused(messages::kDesignStackBelowOne);

        DesignOutcome out;
        out.figures = ComputeDesignFigures(FindCore(selectedPartNo), n, amps, stack);
        out.turns = n;
        out.current = amps;
        out.stackSize = stack;
        return out;
    } catch (const ArithmeticError&) {
        return refused(messages::kOutOfRange, DesignEnd::OutOfRange);
    }
}

CandidateFigures FiguresOfCandidates(const SelectionOutcome& selection) {
    CandidateFigures out;
    try {
        out.figures.reserve(selection.cores.size());
        for (const SelectedCore& selected : selection.cores)
            out.figures.push_back(ComputeDesignFigures(CoreCatalogue(selected.row), selected.turns,
                                                       selection.current, selection.stackSize));
    } catch (const ArithmeticError&) {
        out.end = DesignEnd::OutOfRange;
        out.figures.clear();
        out.message = messages::kOutOfRange;
    }
    return out;
}

}  // namespace zova
