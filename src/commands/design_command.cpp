#include "commands/design_command.h"

#include <cstdint>

#include "catalogue/catalogue.h"
#include "commands/calculator_inputs.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"

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
                            std::string_view currentText, std::string_view stackText, const AcTexts& ac) {
    try {
        const CalculatorInputs in = ReadCalculatorInputs(selectedPartNo, turnsText, currentText, stackText);
        if (in.check != InputCheck::Passed)
            return refused(in.message, in.check == InputCheck::UnknownCore ? DesignEnd::UnknownCore : DesignEnd::Validation);
        const std::int16_t n = in.turns;
        const float amps = in.current;
        const std::int16_t stack = in.stackCount;

        // A winding needs a turn, a current to size its wire and a core to sit on.
        if (n < 1) return refused(messages::kDesignTurnsBelowOne);
        if (!(amps > 0.0f)) return refused(messages::kDesignCurrentNotPositive);
        if (stack < 1) return refused(messages::kDesignStackBelowOne);
        const AcInputs operation = ReadAcInputs(ac);
        if (!operation.message.empty()) return refused(operation.message);

        DesignOutcome out;
        out.figures = ComputeDesignFigures(FindCore(selectedPartNo), n, amps, stack, operation.options);
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
