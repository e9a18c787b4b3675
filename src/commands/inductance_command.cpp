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

InductanceOutcome shown(std::string_view text) { return {InductanceEnd::Validation, std::string(text), std::nullopt}; }

}  // namespace

std::string InductanceResultText(float microhenries) {
    std::string text(messages::kResultPrefix);
    text += text::Format000(microhenries);
    text += messages::kResultUnit;
    return text;
}

InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText) {
    try {
        const CalculatorInputs in = ReadCalculatorInputs(selectedPartNo, turnsText, currentText, stackText);
        if (!in.message.empty()) return shown(in.message);
        const CoreRecord core = FindCore(selectedPartNo);
        const float perCore = InductanceAt(in.turns, core, in.current);
        const float result = perCore * static_cast<float>(in.stackCount);
        if (!std::isfinite(result)) throw ArithmeticError("stacked inductance");

        return {InductanceEnd::Result, InductanceResultText(result), InductanceFigures{in.turns, in.current, in.stackCount, perCore, result}};
    } catch (const ArithmeticError&) {
        return {InductanceEnd::OutOfRange, {}, std::nullopt};
    }
}

}  // namespace zova
