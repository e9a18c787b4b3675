#include "commands/rule_texts.h"

#include "commands/input_rules.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/winding_rules.h"
#include "language/texts.h"
#include "text/number_text.h"
#include "text/shown_text.h"

namespace zova::messages {

std::string WindowFillLimitText() { return text::GeneralForm(static_cast<float>(kWindowFillLimit * 100.0)) + "%"; }

std::string UnknownCoreText(std::string_view partNo) {
    return Fill(texts::messages::unknownCore, {text::ShownArgument(partNo)});
}

std::string InductanceTooSmallText(double rippleRatio) {
    return Fill(texts::messages::inductanceTooSmall, {text::GeneralForm(static_cast<float>(rippleRatio)),
                                                      text::GeneralForm(static_cast<float>(kMaxRippleRatio))});
}

std::string SelectionBasisText() {
    return Fill(texts::messages::selectionBasis, {text::GeneralForm(kCurrentDensity), WindowFillLimitText()});
}

std::string CoresFoundText(std::size_t count) { return Fill(texts::messages::coresFound, {std::to_string(count)}); }

std::string UnknownPartNumberText(std::string_view partNo) {
    return "unknown part number '" + text::ShownArgument(partNo) + "' (see 'zovamagnetic-cli cores')";
}

std::string UnknownCurveText(std::string_view series, std::string_view perm) {
    std::string known;
    for (const BiasCurve& c : BiasCurves()) {
        known += known.empty() ? " " : ", ";
        known.append(c.series).append(" ").append(c.perm);
    }
    return "no curve for series '" + text::ShownArgument(series) + "' and permeability '" +
           text::ShownArgument(perm) + "' (curves:" + known + ")";
}

std::string FieldNotNumericText(std::string_view text) {
    return "--at needs a number, not '" + text::ShownArgument(text) + "'";
}

}  // namespace zova::messages
