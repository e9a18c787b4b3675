#include "commands/rule_texts.h"

#include "commands/input_rules.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/winding_rules.h"
#include "text/number_text.h"
#include "text/shown_text.h"

namespace zova::messages {

std::string WindowFillLimitText() { return text::GeneralForm(static_cast<float>(kWindowFillLimit * 100.0)) + "%"; }

std::string UnknownCoreText(std::string_view partNo) {
    return "目录中没有磁芯料号“" + text::ShownArgument(partNo) + "”。";
}

std::string InductanceTooSmallText(double rippleRatio) {
    return "电感量过小：纹波率为 " + text::GeneralForm(static_cast<float>(rippleRatio)) + "，超过 " +
           text::GeneralForm(static_cast<float>(kMaxRippleRatio)) + "（电流断续），请增大电感量。";
}

std::string SelectionBasisText() {
    return "以上选型电流密度为" + text::GeneralForm(kCurrentDensity) + "安培每平方毫米，有效绕线面积按窗口面积的" +
           WindowFillLimitText() + "来估算的结果";
}

std::string CoresFoundText(std::size_t count) { return "找到 " + std::to_string(count) + " 个磁芯。"; }

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
