#include "commands/rule_texts.h"

#include "design/skin_effect.h"
#include "engine/formulas.h"
#include "engine/winding_rules.h"
#include "text/number_text.h"

namespace zova::messages {

std::string WindowFillLimitText() { return text::GeneralForm(static_cast<float>(kWindowFillLimit * 100.0)) + "%"; }

std::string FrequencyRangeText() {
    return "对不起，开关频率须在 " + text::GeneralForm(static_cast<float>(kLowestFrequency)) + " 至 " +
           text::GeneralForm(static_cast<float>(kHighestFrequency)) + " kHz 之间！";
}

std::string SelectionBasisText() {
    return "以上选型电流密度为" + text::GeneralForm(kCurrentDensity) + "安培每平方毫米，有效绕线面积按窗口面积的" +
           WindowFillLimitText() + "来估算的结果";
}

}  // namespace zova::messages
