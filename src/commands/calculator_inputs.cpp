#include "commands/calculator_inputs.h"

#include <string>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "text/conversions.h"

namespace zova {

CalculatorInputs ReadCalculatorInputs(std::string_view selectedPartNo, std::string_view turnsText,
                                      std::string_view currentText, std::string_view stackText) {
    const std::string turns = text::Trimmed(turnsText);
    const std::string current = text::Trimmed(currentText);
    CalculatorInputs in;
    in.stackCount = text::ToInt16(text::LeadingValue(stackText));
    const auto refused = [&in](std::string_view message, InputCheck check = InputCheck::Refused) {
        in.check = check;
        in.message = message;
        return in;
    };

    if (selectedPartNo.empty()) return refused(messages::kSelectCore);
    if (!IsOffered(selectedPartNo)) return refused(messages::kSelectCore, InputCheck::UnknownCore);
    if (turns.empty()) return refused(messages::kEnterTurns);
    if (!text::IsNumeric(turns)) return refused(messages::kTurnsNotNumeric);
    in.turns = text::ToInt16(text::LeadingValue(turns));
    if (current.empty()) return refused(messages::kEnterCurrent);
    if (!text::IsNumeric(current)) return refused(messages::kCurrentNotNumeric);
    in.current = text::ToSingle(text::LeadingValue(current));
    return in;
}

}  // namespace zova
