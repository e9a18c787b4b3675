#include "commands/selection_command.h"

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

constexpr std::string_view kSeparator = "\t\t";

SelectionOutcome refused(std::string_view message) {
    return {SelectionEnd::Validation, {}, std::string(message), std::string(messages::kErrorCaption)};
}

std::string resultLine(const CoreRecord& core, std::int16_t turns, const std::string& wireText) {
    std::string line = core.PartNo;
    line += kSeparator;
    line += text::GeneralForm(core.CoatedOD);
    line += kSeparator;
    line += text::GeneralForm(core.CoatedID);
    line += kSeparator;
    line += text::GeneralForm(core.CoatedHeight);
    line += kSeparator;
    line += std::to_string(turns);
    line += kSeparator;
    line += '>';
    line += wireText;
    return line;
}

}  // namespace

SelectionOutcome SelectCores(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText) {
    SelectionOutcome out;
    try {
        // Converted before any check and never validated itself: "" gives 0 cores,
        // which fails below as a division by zero; an overflow fails at once.
        const std::int16_t stackSize = text::ToInt16(text::LeadingValue(stackText));

        if (currentText.empty()) return refused(messages::kEnterCurrent);
        if (!text::IsNumeric(currentText)) return refused(messages::kCurrentNotNumeric);
        const float current = text::ToSingle(text::LeadingValue(currentText));
        if (!(current > 0.0f)) return refused(messages::kCurrentNotPositive);
        if (inductanceText.empty()) return refused(messages::kEnterInductance);
        if (!text::IsNumeric(inductanceText)) return refused(messages::kInductanceNotNumeric);

        const double quotient = text::LeadingValue(inductanceText) / static_cast<double>(stackSize);
        if (!std::isfinite(quotient)) throw ArithmeticError("per-core target");
        const float target = text::ToSingle(quotient);
        if (!(target > 0.0f)) return refused(messages::kInductanceNotPositive);

        const float bareDiameter = WireDiameter(current);
        const float overallDiameter = InsulationAllowance(bareDiameter) + bareDiameter;
        if (!std::isfinite(overallDiameter)) throw ArithmeticError("wire diameter");
        std::string wireText = text::Format00(bareDiameter);
        if (bareDiameter >= 2.0f) wireText += messages::kStrandedWire;

        const double wireArea = static_cast<double>(overallDiameter) * static_cast<double>(overallDiameter);
        for (int row = 1; row <= CoreCount(); ++row) {
            const CoreRecord& core = CoreCatalogue(row);
            const BiasCurve* curve = CurveOf(core);  // per core, not per turn count
            for (std::int16_t n = 1; n <= MaxTurns(); ++n) {
                const float l = InductanceAt(n, core, current, curve);
                if (!(l >= target)) continue;
                // Turns the window holds: 55 % of its area over the wire's cross-section.
                const double id = core.CoatedID;
                const double fit = id * id * 0.55 / wireArea;
                if (!std::isfinite(fit)) throw ArithmeticError("window fit");
                if (fit > static_cast<double>(n)) {
                    out.lines.push_back(resultLine(core, n, wireText));
                    break;
                }
            }
        }
        if (!out.lines.empty()) return out;
        out.end = SelectionEnd::NoResult;
        out.message = messages::kNoCoreFound;
        out.caption = messages::kAppTitle;
        return out;
    } catch (const ArithmeticError&) {
        out.end = SelectionEnd::OutOfRange;
        out.message = messages::kOutOfRange;
        out.caption = messages::kAppTitle;
        return out;
    }
}

}  // namespace zova
