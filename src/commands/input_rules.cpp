#include "commands/input_rules.h"

#include <cmath>

#include "design/skin_effect.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

using B = DesignBox;

// Units carry the blank that separates a Latin unit from the Chinese after it.
constexpr InputRule kRules[] = {
    {B::Turns, "turns", "绕线圈数", 1, 32767, false, " 圈", true},
    {B::Current, "current", "电流", 0, kMaxCurrent, true, " A ", false},
    {B::Stack, "stack", "磁芯个数", 1, 32767, false, " 个", true},
    {B::Frequency, "frequency", "开关频率", kLowestFrequency, kHighestFrequency, false, " kHz ", false},
    {B::Ripple, "ripple", "纹波电流", 0, 2 * kMaxCurrent, false, " A ", false},
    {B::Vin, "vin", "输入电压", kMinVoltage, kMaxVoltage, false, " V ", false},
    {B::Vout, "vout", "输出电压", kMinVoltage, kMaxVoltage, false, " V ", false},
    {B::Iout, "iout", "输出电流", 0, kMaxCurrent, true, " A ", false},
    {B::RippleRatio, "rippleRatio", "纹波率", 0, kMaxRippleRatio, true, "", false},
    {B::Inductance, "inductance", "电感量", 0, kMaxInductance, true, " μH ", false},
    {B::BiasCurrent, "current", "电流", 0, kMaxCurrent, false, " A ", false},
    {B::AlTolerance, "alTolerance", "AL 容差", 0, kMaxAlTolerance, false, " % ", false},
    {B::HotLimit, "hotLimit", "温升上限", 0, kMaxHotLimit, true, " K ", false},
    {B::RollOffLimit, "rollOffLimit", "磁导率下限", 0, 100, false, " % ", false},
    // The boxes that hold no number have a key and a name and nothing else.
    {B::Core, "core", "磁芯料号", 0, 0, false, "", false},
    {B::Coefficients, "lossCoefficients", "损耗系数", 0, 0, false, "", false},
    {B::Topology, "topology", "拓扑", 0, 0, false, "", false},
};
constexpr InputRule kNoBox{B::None, "", "", 0, 0, false, "", false};

std::string shown(double v) { return text::GeneralForm(static_cast<float>(v)); }

std::string trimmedUnit(std::string_view unit) {
    const auto last = unit.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(unit.substr(0, last + 1));
}

}  // namespace

const InputRule& RuleOf(DesignBox box) {
    for (const InputRule& r : kRules)
        if (r.box == box) return r;
    return kNoBox;
}

std::string_view TrimmedBox(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
}

std::string RangeText(DesignBox box) {
    const InputRule& r = RuleOf(box);
    if (r.lowOpen) return "大于 " + shown(r.low) + " 且不超过 " + shown(r.high) + trimmedUnit(r.unit);
    return shown(r.low) + " 到 " + shown(r.high) + std::string(r.unit);
}

std::string RefusalOfValue(DesignBox box, double v) {
    const InputRule& r = RuleOf(box);
    const std::string name(r.name);
    if (v < 0.0) return name + "不能为负数。";
    if (r.whole && std::isfinite(v) && v != std::floor(v)) return name + "必须是整数。";
    const bool above = r.lowOpen ? v > r.low : v >= r.low;
    if (above && v <= r.high) return {};
    return name + (r.lowOpen ? "应" : "应在 ") + RangeText(box) + (r.lowOpen ? "。" : "之间。");
}

BoxReading ReadBox(DesignBox box, std::string_view typed) {
    const InputRule& r = RuleOf(box);
    const std::string name(r.name);
    const std::string t(TrimmedBox(typed));
    if (t.empty()) return {0.0, "请输入" + name + "。"};
    if (!text::IsNumeric(t)) {
        if (t.find(',') != std::string::npos || t.find("，") != std::string::npos)
            return {0.0, name + "必须是数字：小数点请用“.”，不用逗号。"};
        return {0.0, name + "必须是数字，" + (r.whole ? "如 54。" : "如 2.5 或 1e-3。")};
    }
    const double v = text::LeadingValue(t);
    return {v, RefusalOfValue(box, v)};
}

}  // namespace zova
