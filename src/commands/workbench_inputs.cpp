#include "commands/workbench_inputs.h"

#include <cmath>

#include "catalogue/catalogue.h"
#include "commands/ac_inputs.h"
#include "commands/messages.h"
#include "design/skin_effect.h"
#include "engine/arithmetic_error.h"
#include "engine/formulas.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

// What a box holds and the values it accepts.
struct Quantity {
    WorkbenchBox box;
    std::string_view name;
    double min, max;
    std::string_view unit;  // after the range's upper end, before "之间"
    bool whole;
};

constexpr Quantity kTurns{WorkbenchBox::Turns, "绕线圈数", 1, kWorkbenchMaxTurns, " 圈", true};
constexpr Quantity kCurrent{WorkbenchBox::Current, "电流", kWorkbenchMinCurrent, kWorkbenchMaxCurrent, " A ", false};
constexpr Quantity kStack{WorkbenchBox::Stack, "磁芯个数", 1, kWorkbenchMaxStack, " 个", true};
constexpr Quantity kFrequency{WorkbenchBox::Frequency, "开关频率", kLowestFrequency, kHighestFrequency, " kHz ",
                              false};
constexpr Quantity kRipple{WorkbenchBox::Ripple, "纹波电流", 0, 2 * kWorkbenchMaxCurrent, " A ", false};

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

// The value of the text, or the reason it has none.
struct Reading {
    double value = 0.0;
    std::string refusal;  // empty when the value holds
};

Reading read(const Quantity& q, std::string_view typed) {
    const std::string name(q.name);
    const std::string t = trimmed(typed);
    if (t.empty()) return {0.0, "请输入" + name + "。"};
    if (!text::IsNumeric(t)) {
        if (t.find(',') != std::string::npos || t.find("，") != std::string::npos)
            return {0.0, name + "必须是数字：小数点请用“.”，不用逗号。"};
        return {0.0, name + "必须是数字，" + (q.whole ? "如 54。" : "如 2.5 或 1e-3。")};
    }
    const double v = text::LeadingValue(t);
    if (v < 0.0) return {v, name + "不能为负数。"};
    if (q.whole && std::isfinite(v) && v != std::floor(v)) return {v, name + "必须是整数。"};
    if (!(v >= q.min && v <= q.max))
        return {v, name + "应在 " + text::GeneralForm(static_cast<float>(q.min)) + " 到 " +
                       text::GeneralForm(static_cast<float>(q.max)) +
                       std::string(q.unit) + "之间。"};
    return {v, {}};
}

WorkbenchOutcome refused(WorkbenchBox box, std::string message, DesignEnd end = DesignEnd::Validation) {
    WorkbenchOutcome out;
    out.end = end;
    out.box = box;
    out.message = std::move(message);
    return out;
}

}  // namespace

WorkbenchOutcome DesignAsTyped(std::string_view partNoText, std::string_view turnsText, std::string_view currentText,
                               std::string_view stackText, const AcTexts& ac) {
    const std::string partNo = trimmed(partNoText);
    if (partNo.empty()) return refused(WorkbenchBox::Core, std::string(messages::kWorkbenchChooseCore));
    if (!IsOffered(partNo))
        return refused(WorkbenchBox::Core, std::string(messages::kWorkbenchUnknownCore), DesignEnd::UnknownCore);
    double values[3] = {};
    const Quantity* quantities[3] = {&kTurns, &kCurrent, &kStack};
    const std::string_view texts[3] = {turnsText, currentText, stackText};
    for (int i = 0; i < 3; ++i) {
        Reading r = read(*quantities[i], texts[i]);
        if (!r.refusal.empty()) return refused(quantities[i]->box, std::move(r.refusal));
        values[i] = r.value;
    }

    DesignOptions options;
    if (!trimmed(ac.frequency).empty()) {
        Reading f = read(kFrequency, ac.frequency);
        if (!f.refusal.empty()) return refused(WorkbenchBox::Frequency, std::move(f.refusal));
        options.ac = AcDrive{f.value, 0.0, std::nullopt};
    }
    if (!trimmed(ac.ripple).empty()) {
        if (!options.ac) return refused(WorkbenchBox::Ripple, std::string(messages::kRippleNeedsFrequency));
        Reading r = read(kRipple, ac.ripple);
        if (!r.refusal.empty()) return refused(WorkbenchBox::Ripple, std::move(r.refusal));
        options.ac->ripple = r.value;
    }
    if (!trimmed(ac.coefficients).empty()) {
        // The design command's own reading of "a,b,c".
        AcInputs k = ReadAcInputs(AcTexts{{}, {}, ac.coefficients});
        if (!k.message.empty()) return refused(WorkbenchBox::Coefficients, std::move(k.message));
        options.coefficients = k.options.coefficients;
    }

    WorkbenchOutcome out;
    out.options = options;
    out.turns = static_cast<std::int16_t>(values[0]);
    out.current = static_cast<float>(values[1]);
    out.stackSize = static_cast<std::int16_t>(values[2]);
    const CoreRecord& core = FindCore(partNo);
    out.biasCurve = CurveOf(core) != nullptr;
    try {
        out.figures = ComputeDesignFigures(core, out.turns, out.current, out.stackSize, options);
    } catch (const ArithmeticError&) {
        return refused(WorkbenchBox::None, std::string(messages::kOutOfRange), DesignEnd::OutOfRange);
    }
    return out;
}

}  // namespace zova
