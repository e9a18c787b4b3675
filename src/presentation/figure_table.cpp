#include "presentation/figure_table.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "commands/rule_texts.h"
#include "design/core_material.h"
#include "text/number_text.h"

namespace zova {
namespace {

template <typename T>
FigureValue optional(const std::optional<T>& v) {
    return v ? FigureValue(*v) : FigureValue();
}

using K = FigureKind;
using G = FigureGroup;

std::vector<Figure> makeTable() {
    // clang-format off
    return {
        {"inductance", "电感量", "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductance); }},
        {"inductanceZeroBias", "零偏置电感量", "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductanceZeroBias); }},
        {"fieldStrength", "磁场强度", "Oe", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.fieldStrength); }},
        {"ampereTurnsPerMetre", "磁场强度", "A/m", K::Number, false, 1.0, 0, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.ampereTurnsPerMetre); }},
        {"percentPermeability", "磁导率保持", "%", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.percentPermeability); }},
        {"energy", "储能", "μJ", K::Number, false, 1.0, 1, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.energy); }},
        {"bareDiameter", "裸线径", "mm", K::Number, false, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.bareDiameter); }},
        {"overallDiameter", "漆包线外径", "mm", K::Number, false, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.overallDiameter); }},
        {"standardWire", "推荐标准线径 IEC 60317", "mm", K::Number, true, 1.0, -1, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.standardWire); }},
        {"awg", "AWG", "", K::Whole, true, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.awg); }},
        {"windowFill", "窗口占用率", "%", K::Number, false, 100.0, 1, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.windowFill); }},
        {"fitsWindow", "窗口占用率不超过 " + messages::WindowFillLimitText(), "", K::Flag, false, 1.0, 0,
         G::Winding, true, [](const DesignFigures& f) { return FigureValue(f.fitsWindow); }},
        {"turnsPerLayer", "每层圈数", "", K::List, false, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(&f.turnsPerLayer); }},
        {"layers", "绕线层数", "", K::Whole, true, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.layers); }},
        {"windingFits", "绕线可排下", "", K::Flag, false, 1.0, 0, G::Winding, false,
         [](const DesignFigures& f) { return FigureValue(f.windingFits); }},
        {"meanTurnLength", "平均匝长 第一层", "mm", K::Number, true, 1.0, 2, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.meanTurnLength); }},
        {"wireLength", "线长", "m", K::Number, true, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.wireLength); }},
        {"resistance20", "直流电阻 20 °C", "mΩ", K::Number, true, 1000.0, 2, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.resistance20); }},
        {"resistance100", "直流电阻 100 °C", "mΩ", K::Number, true, 1000.0, 2, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.resistance100); }},
        {"copperLoss20", "铜损 20 °C", "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.copperLoss20); }},
        {"copperLoss100", "铜损 100 °C", "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.copperLoss100); }},
        {"woundOD", "绕后外径", "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundOD); }},
        {"woundID", "绕后内径", "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundID); }},
        {"woundHeight", "绕后高度", "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundHeight); }},
        {"surfaceArea", "表面积", "cm²", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.surfaceArea); }},
        {"temperatureRise", "温升估算", "K", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.temperatureRise); }},
        {"woundVolume", "绕后体积", "cm³", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundVolume); }},
        {"rolloff", "电感量随电流变化", "", K::Points, false, 1.0, 0, G::InductanceAndField, false,
         [](const DesignFigures& f) { return FigureValue(&f.rolloff); }},
        {"ripple", "纹波电流峰峰值", "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.ripple); }},
        {"peakCurrent", "峰值电流", "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.peakCurrent); }},
        {"inductanceAtPeak", "峰值电流下电感量", "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductanceAtPeak); }},
        {"crossSection", "有效截面积 Ae", "cm²", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.crossSection); }},
        {"coreVolume", "磁芯体积 Ve", "cm³", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.coreVolume); }},
        {"fluxSwing", "磁通密度摆幅 ΔB", "mT", K::Number, true, 1000.0, 1, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.fluxSwing); }},
        {"peakFluxDensity", "峰值磁通密度", "T", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.peakFluxDensity); }},
        {"saturationFluxDensity", "饱和磁通密度", "T", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.saturationFluxDensity); }},
        {"fluxDensityRatio", "峰值与饱和磁通密度之比", "", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.fluxDensityRatio); }},
        {"percentPermeabilityAtPeak", "峰值电流下磁导率保持", "%", K::Number, true, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.percentPermeabilityAtPeak); }},
        {"inductanceMin", "最小电感量 按 AL 公差", "μH", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.inductanceMin); }},
        {"rippleMax", "最大纹波电流峰峰值", "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.rippleMax); }},
        {"coreLossDensity", "磁芯损耗密度", "mW/cm³", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.coreLossDensity); }},
        {"coreLoss", "磁芯损耗", "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.coreLoss); }},
        {"skinDepth", "集肤深度 100 °C", "mm", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.skinDepth); }},
        {"acResistanceFactor", "交流电阻系数 F_R", "", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.acResistanceFactor); }},
        {"acCopperLoss", "交流铜损 100 °C", "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.acCopperLoss); }},
        {"totalLoss", "总损耗", "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.totalLoss); }},
        {"temperatureRiseTotal", "总温升估算", "K", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.temperatureRiseTotal); }},
        {"coreLossModel", "磁芯损耗模型", "", K::Text, false, 1.0, 0, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return FigureValue(CoreLossModelText(f)); }},
    };
    // clang-format on
}

const std::vector<Figure>& table() {
    static const std::vector<Figure> figures = makeTable();
    return figures;
}

}  // namespace

std::span<const Figure> Figures() { return table(); }

std::string_view GroupName(FigureGroup group) {
    switch (group) {
        case FigureGroup::InductanceAndField: return "电感与磁场";
        case FigureGroup::Winding: return "绕组";
        case FigureGroup::LossesAndTemperature: return "损耗与温升";
        case FigureGroup::WoundSize: return "绕后尺寸";
    }
    return {};
}

const Figure& FigureOf(std::string_view key) {
    for (const Figure& figure : table())
        if (figure.key == key) return figure;
    throw std::out_of_range("no figure named " + std::string(key));
}

std::vector<const Figure*> FiguresInReadingOrder() {
    std::vector<const Figure*> order;
    for (const Figure& figure : table()) order.push_back(&figure);
    std::stable_sort(order.begin(), order.end(), [](const Figure* a, const Figure* b) { return a->group < b->group; });
    return order;
}

std::string ShownNumberText(const Figure& figure, double value) {
    if (figure.decimals < 0) return text::ShortestText(value * figure.scale);
    return text::FormatFixed(value * figure.scale, figure.decimals);
}

std::string Caption(const Figure& figure) {
    return figure.unit.empty() ? figure.name : figure.name + " (" + std::string(figure.unit) + ")";
}

std::string ShownText(const Figure& figure, const DesignFigures& f) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return std::string(kUndefinedText);
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "是" : "否";
            } else if constexpr (std::is_same_v<T, int>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, TurnList>) {
                std::string s;
                for (const int t : *v) s += (s.empty() ? "" : " / ") + std::to_string(t);
                return s.empty() ? std::string(kUndefinedText) : s;
            } else if constexpr (std::is_same_v<T, PointList>) {
                return {};
            } else if constexpr (std::is_same_v<T, std::string>) {
                return v;
            } else {
                return ShownNumberText(figure, static_cast<double>(v));
            }
        },
        figure.get(f));
}

std::string CoreLossModelText(const DesignFigures& f) {
    const auto mu = [](std::string_view perm) { return std::to_string(PermeabilityOf(perm).value_or(0)) + "μ"; };
    if (f.lossFit == nullptr) {
        const LossCoefficients& k = f.lossCoefficients;
        return "自定义系数 a=" + text::ShortestText(k.a) + ", b=" + text::ShortestText(k.b) +
               ", c=" + text::ShortestText(k.c);
    }
    const auto material = MaterialOf(f.lossFit->series);
    std::string s = std::string(material ? Say(material->family) : f.lossFit->series) + " " + mu(f.lossFit->published) + " 拟合";
    if (f.lossFit->published != f.lossFit->perm)
        s += "（本磁芯 " + mu(f.lossFit->perm) + "，取最接近的已发表磁导率）";
    return s;
}

std::optional<double> ShownNumber(const Figure& figure, const DesignFigures& f) {
    return std::visit(
        [&](const auto& v) -> std::optional<double> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, int>)
                return static_cast<double>(v) * figure.scale;
            else
                return std::nullopt;
        },
        figure.get(f));
}

}  // namespace zova
