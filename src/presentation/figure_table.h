#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "design/design_figures.h"
#include "language/phrase.h"

// The design figures, each defined once: its JSON key, its name and unit, how it is shown, and where it is read from. The tool's JSON, CSV and
// text table, the workbench's figures and the candidates' columns all take
// their figures from here, so a figure added here appears in all of them.
namespace zova {

enum class FigureKind {
    Number,  // a measure (single or double precision)
    Whole,   // a whole number
    Flag,    // yes or no
    List,    // whole numbers, one per winding layer
    Points,  // the roll-off: current, inductance, percent
    Text,    // words
};

// The workbench's rows come in these groups, in this order.
enum class FigureGroup { InductanceAndField, Winding, LossesAndTemperature, WoundSize };
inline constexpr FigureGroup kFigureGroups[] = {FigureGroup::InductanceAndField, FigureGroup::Winding,
                                                FigureGroup::LossesAndTemperature, FigureGroup::WoundSize};

// The group's heading in the current language: 电感与磁场, 绕组, 损耗与温升, 绕后尺寸.
std::string_view GroupName(FigureGroup group);

// What an engineer reads first, by key: shown before the groups.
inline constexpr std::string_view kKeyFigures[] = {"inductance", "percentPermeability", "totalLoss",
                                                   "temperatureRiseTotal", "windowFill", "layers"};

using TurnList = const std::vector<int>*;
using PointList = const std::vector<RolloffPoint>*;
// std::monostate stands for a figure that is undefined (null in JSON).
using FigureValue = std::variant<std::monostate, float, double, int, bool, TurnList, PointList, std::string>;

struct Figure {
    std::string_view key;   // JSON member and CSV header, SI units as DesignFigures holds them
    const Phrase* name = nullptr;  // without the unit; said by FigureName
    std::string_view unit;  // as shown; "" when it has none
    FigureKind kind = FigureKind::Number;
    bool nullable = false;  // undefined when the winding does not fit, no size matches, or it needs
                            // the inductance at a current on a core without a bias curve
    double scale = 1.0;     // shown = value × scale: mΩ from Ω, % from a fraction
    int decimals = -1;      // of a shown number; -1 for the shortest text (nominal sizes)
    FigureGroup group = FigureGroup::InductanceAndField;
    bool row = true;  // a row of the workbench's figures; the roll-off is drawn and
                      // windingFits is said by the winding warning instead
    FigureValue (*get)(const DesignFigures&) = nullptr;
};

// Every figure, in the order of the tool's JSON members and CSV columns.
std::span<const Figure> Figures();

// The figure with this key; throws std::out_of_range for a key that names none.
const Figure& FigureOf(std::string_view key);

// The figures in the order people read them: by group, then in the table's order.
std::vector<const Figure*> FiguresInReadingOrder();

// The figure's name in the current language: "电感量", "Inductance".
std::string FigureName(const Figure& figure);

// "电感量 (μH)", or the name alone when the figure has no unit.
std::string Caption(const Figure& figure);

// A flag as a figure shows it: "是" or "否", "yes" or "no".
std::string_view YesNo(bool yes);

// The powder of a series as engineers name it ("铁硅铝", "Sendust"); "" for a
// series the catalogue does not offer.
std::string_view MaterialName(std::string_view series);

// The figure as it is shown: "100.283", "是", "3 / 2", "铁硅铝 60μ", "—" when undefined.
// The roll-off, which is drawn, has no text.
std::string ShownText(const Figure& figure, const DesignFigures& f);

// A value of a number figure (in its SI unit) as the figure shows it.
std::string ShownNumberText(const Figure& figure, double value);

// The number shown (value × scale), for sorting; nothing for a figure that is
// undefined or not a number.
std::optional<double> ShownNumber(const Figure& figure, const DesignFigures& f);

// Which core-loss fit a design used, in words: the material family and
// permeability of the fit, the core's own where the fit is borrowed, or the
// user's coefficients.
std::string CoreLossModelText(const DesignFigures& f);

// What an undefined figure shows.
inline constexpr std::string_view kUndefinedText = "—";

}  // namespace zova
