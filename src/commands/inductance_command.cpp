#include "commands/inductance_command.h"

#include <cmath>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "commands/calculator_inputs.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "engine/formulas.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

InductanceOutcome refused(const CalculatorInputs& in) {
    const InductanceEnd end = in.check == InputCheck::UnknownCore ? InductanceEnd::UnknownCore : InductanceEnd::Validation;
    return {end, std::string(in.message), std::nullopt};
}

}  // namespace

std::string InductanceResultText(float microhenries) {
    return Fill(texts::messages::inductanceResult, {text::Format000(microhenries)});
}

InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText) {
    try {
        const CalculatorInputs in = ReadCalculatorInputs(selectedPartNo, turnsText, currentText, stackText);
        if (in.check != InputCheck::Passed) return refused(in);
        const CoreRecord core = FindCore(selectedPartNo);
        const float perCore = InductanceAt(in.turns, core, in.current);
        const float result = StackedInductance(perCore, in.stackCount);

        return {InductanceEnd::Result, InductanceResultText(result), InductanceFigures{in.turns, in.current, in.stackCount, perCore, result}};
    } catch (const ArithmeticError&) {
        return {InductanceEnd::OutOfRange, {}, std::nullopt};
    }
}

}  // namespace zova
