#include "commands/inductance_command.h"

#include <cmath>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "engine/formulas.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

InductanceOutcome shown(std::string_view text) { return {InductanceEnd::Validation, std::string(text), std::nullopt}; }

}  // namespace

InductanceOutcome CalculateInductance(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText) {
    try {
        const std::string turns = text::Trimmed(turnsText);
        const std::string current = text::Trimmed(currentText);
        // The stack text is converted before anything is validated and is never
        // validated itself: "" or letters give 0 cores, an overflow fails at once.
        const std::int16_t stackCount = text::ToInt16(text::LeadingValue(stackText));

        if (selectedPartNo.empty()) return shown(messages::kSelectCore);
        if (turns.empty()) return shown(messages::kEnterTurns);
        if (!text::IsNumeric(turns)) return shown(messages::kTurnsNotNumeric);
        const std::int16_t n = text::ToInt16(text::LeadingValue(turns));
        if (current.empty()) return shown(messages::kEnterCurrent);
        if (!text::IsNumeric(current)) return shown(messages::kCurrentNotNumeric);
        const float amps = text::ToSingle(text::LeadingValue(current));

        const CoreRecord core = FindCore(selectedPartNo);
        const float perCore = InductanceAt(n, core, amps);
        const float result = perCore * static_cast<float>(stackCount);
        if (!std::isfinite(result)) throw ArithmeticError("stacked inductance");

        std::string text(messages::kResultPrefix);
        text += text::Format000(result);
        text += messages::kResultUnit;
        return {InductanceEnd::Result, std::move(text), InductanceFigures{n, amps, stackCount, perCore, result}};
    } catch (const ArithmeticError&) {
        return {InductanceEnd::OutOfRange, {}, std::nullopt};
    }
}

}  // namespace zova
