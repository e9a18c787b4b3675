#include "presentation/figure_table.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "commands/rule_texts.h"
#include "design/core_material.h"
#include "language/texts.h"
#include "text/number_text.h"

namespace zova {
namespace {

template <typename T>
FigureValue optional(const std::optional<T>& v) {
    return v ? FigureValue(*v) : FigureValue();
}

using K = FigureKind;
using G = FigureGroup;
namespace T = texts::figures;

std::vector<Figure> makeTable() {
    // clang-format off
    return {
        {"inductance", &T::inductance, "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductance); }},
        {"inductanceZeroBias", &T::inductanceZeroBias, "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductanceZeroBias); }},
        {"fieldStrength", &T::fieldStrength, "Oe", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.fieldStrength); }},
        {"ampereTurnsPerMetre", &T::fieldStrength, "A/m", K::Number, false, 1.0, 0, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.ampereTurnsPerMetre); }},
        {"percentPermeability", &T::percentPermeability, "%", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.percentPermeability); }},
        {"energy", &T::energy, "μJ", K::Number, false, 1.0, 1, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.energy); }},
        {"bareDiameter", &T::bareDiameter, "mm", K::Number, false, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.bareDiameter); }},
        {"overallDiameter", &T::overallDiameter, "mm", K::Number, false, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.overallDiameter); }},
        {"standardWire", &T::standardWire, "mm", K::Number, true, 1.0, -1, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.standardWire); }},
        {"awg", &T::awg, "", K::Whole, true, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.awg); }},
        {"windowFill", &T::windowFill, "%", K::Number, false, 100.0, 1, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(f.windowFill); }},
        {"fitsWindow", &T::fitsWindow, "", K::Flag, false, 1.0, 0,
         G::Winding, true, [](const DesignFigures& f) { return FigureValue(f.fitsWindow); }},
        {"turnsPerLayer", &T::turnsPerLayer, "", K::List, false, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return FigureValue(&f.turnsPerLayer); }},
        {"layers", &T::layers, "", K::Whole, true, 1.0, 0, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.layers); }},
        {"windingFits", &T::windingFits, "", K::Flag, false, 1.0, 0, G::Winding, false,
         [](const DesignFigures& f) { return FigureValue(f.windingFits); }},
        {"meanTurnLength", &T::meanTurnLength, "mm", K::Number, true, 1.0, 2, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.meanTurnLength); }},
        {"wireLength", &T::wireLength, "m", K::Number, true, 1.0, 3, G::Winding, true,
         [](const DesignFigures& f) { return optional(f.wireLength); }},
        {"resistance20", &T::resistance20, "mΩ", K::Number, true, 1000.0, 2, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.resistance20); }},
        {"resistance100", &T::resistance100, "mΩ", K::Number, true, 1000.0, 2, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.resistance100); }},
        {"copperLoss20", &T::copperLoss20, "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.copperLoss20); }},
        {"copperLoss100", &T::copperLoss100, "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.copperLoss100); }},
        {"woundOD", &T::woundOD, "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundOD); }},
        {"woundID", &T::woundID, "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundID); }},
        {"woundHeight", &T::woundHeight, "mm", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundHeight); }},
        {"surfaceArea", &T::surfaceArea, "cm²", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.surfaceArea); }},
        {"temperatureRise", &T::temperatureRise, "K", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.temperatureRise); }},
        {"woundVolume", &T::woundVolume, "cm³", K::Number, true, 1.0, 2, G::WoundSize, true,
         [](const DesignFigures& f) { return optional(f.woundVolume); }},
        {"rolloff", &T::rolloff, "", K::Points, false, 1.0, 0, G::InductanceAndField, false,
         [](const DesignFigures& f) { return FigureValue(&f.rolloff); }},
        {"ripple", &T::ripple, "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.ripple); }},
        {"peakCurrent", &T::peakCurrent, "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.peakCurrent); }},
        {"inductanceAtPeak", &T::inductanceAtPeak, "μH", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.inductanceAtPeak); }},
        {"crossSection", &T::crossSection, "cm²", K::Number, false, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.crossSection); }},
        {"coreVolume", &T::coreVolume, "cm³", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.coreVolume); }},
        {"fluxSwing", &T::fluxSwing, "mT", K::Number, true, 1000.0, 1, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.fluxSwing); }},
        {"peakFluxDensity", &T::peakFluxDensity, "T", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.peakFluxDensity); }},
        {"saturationFluxDensity", &T::saturationFluxDensity, "T", K::Number, false, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return FigureValue(f.saturationFluxDensity); }},
        {"fluxDensityRatio", &T::fluxDensityRatio, "", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.fluxDensityRatio); }},
        {"percentPermeabilityAtPeak", &T::percentPermeabilityAtPeak, "%", K::Number, true, 1.0, 2, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.percentPermeabilityAtPeak); }},
        {"inductanceMin", &T::inductanceMin, "μH", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.inductanceMin); }},
        {"rippleMax", &T::rippleMax, "A", K::Number, true, 1.0, 3, G::InductanceAndField, true,
         [](const DesignFigures& f) { return optional(f.rippleMax); }},
        {"coreLossDensity", &T::coreLossDensity, "mW/cm³", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.coreLossDensity); }},
        {"coreLoss", &T::coreLoss, "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.coreLoss); }},
        {"skinDepth", &T::skinDepth, "mm", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.skinDepth); }},
        {"acResistanceFactor", &T::acResistanceFactor, "", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.acResistanceFactor); }},
        {"acCopperLoss", &T::acCopperLoss, "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.acCopperLoss); }},
        {"totalLoss", &T::totalLoss, "W", K::Number, true, 1.0, 3, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.totalLoss); }},
        {"temperatureRiseTotal", &T::temperatureRiseTotal, "K", K::Number, true, 1.0, 1, G::LossesAndTemperature, true,
         [](const DesignFigures& f) { return optional(f.temperatureRiseTotal); }},
        {"coreLossModel", &T::coreLossModel, "", K::Text, false, 1.0, 0, G::LossesAndTemperature, true,
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
        case FigureGroup::InductanceAndField: return Say(T::groupInductanceAndField);
        case FigureGroup::Winding: return Say(T::groupWinding);
        case FigureGroup::LossesAndTemperature: return Say(T::groupLossesAndTemperature);
        case FigureGroup::WoundSize: return Say(T::groupWoundSize);
    }
    return {};
}

std::string FigureName(const Figure& figure) {
    // Only the window check's name holds a value: the selection's limit.
    if (figure.name == &T::fitsWindow) return Fill(*figure.name, {messages::WindowFillLimitText()});
    return std::string(Say(*figure.name));
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
    std::string name = FigureName(figure);
    return figure.unit.empty() ? name : name + " (" + std::string(figure.unit) + ")";
}

std::string ShownText(const Figure& figure, const DesignFigures& f) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return std::string(kUndefinedText);
            } else if constexpr (std::is_same_v<T, bool>) {
                return std::string(YesNo(v));
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

std::string_view YesNo(bool yes) { return Say(yes ? T::yes : T::no); }

std::string_view MaterialName(std::string_view series) {
    const std::optional<CoreMaterial> material = MaterialOf(series);
    return material ? Say(material->family) : std::string_view();
}

std::string CoreLossModelText(const DesignFigures& f) {
    const auto mu = [](std::string_view perm) { return std::to_string(PermeabilityOf(perm).value_or(0)) + "μ"; };
    if (f.lossFit == nullptr) {
        const LossCoefficients& k = f.lossCoefficients;
        return Fill(T::lossCustom,
                    {text::ShortestText(k.a), text::ShortestText(k.b), text::ShortestText(k.c)});
    }
    const std::string_view family = MaterialName(f.lossFit->series);
    const std::string material(family.empty() ? f.lossFit->series : family);
    if (f.lossFit->published != f.lossFit->perm)
        return Fill(T::lossFitBorrowed, {material, mu(f.lossFit->published), mu(f.lossFit->perm)});
    return Fill(T::lossFit, {material, mu(f.lossFit->published)});
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
