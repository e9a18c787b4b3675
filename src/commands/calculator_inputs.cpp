#include "commands/calculator_inputs.h"

#include <string>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "text/conversions.h"

namespace zova {

namespace m = texts::messages;

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

    if (selectedPartNo.empty()) return refused(Say(m::selectCore));
    if (!IsOffered(selectedPartNo)) return refused(Say(m::selectCore), InputCheck::UnknownCore);
    if (turns.empty()) return refused(Say(m::enterTurns));
    if (!text::IsNumeric(turns)) return refused(Say(m::turnsNotNumeric));
    in.turns = text::ToInt16(text::LeadingValue(turns));
    if (current.empty()) return refused(Say(m::enterCurrent));
    if (!text::IsNumeric(current)) return refused(Say(m::currentNotNumeric));
    in.current = text::ToSingle(text::LeadingValue(current));
    return in;
}

}  // namespace zova
