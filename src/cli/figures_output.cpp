#include "cli/figures_output.h"

#include <optional>
#include <type_traits>
#include <variant>

namespace zova::cli {
namespace {

using Turns = const std::vector<int>*;
using Rolloff = const std::vector<RolloffPoint>*;
// std::monostate stands for null.
using Value = std::variant<std::monostate, float, double, int, bool, Turns, Rolloff>;

template <typename T>
Value optional(const std::optional<T>& v) {
    return v ? Value(*v) : Value();
}

struct Figure {
    std::string_view key;
    std::string_view name;  // with its unit, for the table
    Value (*get)(const DesignFigures&);
};

constexpr Figure kFigures[] = {
    {"inductance", "电感量(μH)", [](const DesignFigures& f) { return Value(f.inductance); }},
    {"inductanceZeroBias", "零偏置电感量(μH)", [](const DesignFigures& f) { return Value(f.inductanceZeroBias); }},
    {"fieldStrength", "磁场强度(Oe)", [](const DesignFigures& f) { return Value(f.fieldStrength); }},
    {"ampereTurnsPerMetre", "磁场强度(A/m)", [](const DesignFigures& f) { return Value(f.ampereTurnsPerMetre); }},
    {"percentPermeability", "剩余磁导率(%)", [](const DesignFigures& f) { return Value(f.percentPermeability); }},
    {"energy", "储能(μJ)", [](const DesignFigures& f) { return Value(f.energy); }},
    {"bareDiameter", "裸线线径(mm)", [](const DesignFigures& f) { return Value(f.bareDiameter); }},
    {"overallDiameter", "含漆皮线径(mm)", [](const DesignFigures& f) { return Value(f.overallDiameter); }},
    {"standardWire", "标准线径 IEC 60317(mm)", [](const DesignFigures& f) { return optional(f.standardWire); }},
    {"awg", "美规线号(AWG)", [](const DesignFigures& f) { return optional(f.awg); }},
    {"windowFill", "窗口占空比", [](const DesignFigures& f) { return Value(f.windowFill); }},
    {"fitsWindow", "窗口可容纳", [](const DesignFigures& f) { return Value(f.fitsWindow); }},
    {"turnsPerLayer", "每层圈数", [](const DesignFigures& f) { return Value(&f.turnsPerLayer); }},
    {"layers", "绕线层数", [](const DesignFigures& f) { return optional(f.layers); }},
    {"windingFits", "绕线可排下", [](const DesignFigures& f) { return Value(f.windingFits); }},
    {"meanTurnLength", "第一层平均匝长(mm)", [](const DesignFigures& f) { return optional(f.meanTurnLength); }},
    {"wireLength", "线长(m)", [](const DesignFigures& f) { return optional(f.wireLength); }},
    {"resistance20", "直流电阻 20°C(Ω)", [](const DesignFigures& f) { return optional(f.resistance20); }},
    {"resistance100", "直流电阻 100°C(Ω)", [](const DesignFigures& f) { return optional(f.resistance100); }},
    {"copperLoss20", "铜损 20°C(W)", [](const DesignFigures& f) { return optional(f.copperLoss20); }},
    {"copperLoss100", "铜损 100°C(W)", [](const DesignFigures& f) { return optional(f.copperLoss100); }},
    {"woundOD", "绕线后外径(mm)", [](const DesignFigures& f) { return optional(f.woundOD); }},
    {"woundID", "绕线后内径(mm)", [](const DesignFigures& f) { return optional(f.woundID); }},
    {"woundHeight", "绕线后高度(mm)", [](const DesignFigures& f) { return optional(f.woundHeight); }},
    {"surfaceArea", "表面积(cm²)", [](const DesignFigures& f) { return optional(f.surfaceArea); }},
    {"temperatureRise", "温升(K)", [](const DesignFigures& f) { return optional(f.temperatureRise); }},
    {"woundVolume", "绕线后体积(cm³)", [](const DesignFigures& f) { return optional(f.woundVolume); }},
    {"rolloff", "电感量随电流变化", [](const DesignFigures& f) { return Value(&f.rolloff); }},
};

// Six significant digits are plenty to read; the machine formats keep them all.
std::string readable(double v) { return text::SignificantText(v, 6); }

std::string joined(const std::vector<int>& turns) {
    std::string s;
    for (const int t : turns) {
        if (!s.empty()) s += ' ';
        s += std::to_string(t);
    }
    return s;
}

// A figure as CSV or table text; numbers through `number`.
template <typename Number>
std::string fieldText(const Value& value, Number number, std::string_view null, std::string_view yes,
                      std::string_view no) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return std::string(null);
            else if constexpr (std::is_same_v<T, bool>) return std::string(v ? yes : no);
            else if constexpr (std::is_same_v<T, int>) return std::to_string(v);
            else if constexpr (std::is_same_v<T, Turns>) return joined(*v);
            else if constexpr (std::is_same_v<T, Rolloff>) {
                std::string s;
                for (const RolloffPoint& p : *v) {
                    if (!s.empty()) s += ';';
                    s += number(p.current) + " " + number(p.inductance) + " " + number(p.percent);
                }
                return s;
            } else return number(v);
        },
        value);
}

}  // namespace

std::vector<std::string> FigureKeys() {
    std::vector<std::string> keys;
    for (const Figure& figure : kFigures) keys.emplace_back(figure.key);
    return keys;
}

void WriteFigureMembers(JsonWriter& j, const DesignFigures& f) {
    for (const Figure& figure : kFigures) {
        j.key(figure.key);
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) j.null();
                else if constexpr (std::is_same_v<T, bool>) j.boolean(v);
                else if constexpr (std::is_same_v<T, int>) j.integer(v);
                else if constexpr (std::is_same_v<T, Turns>) {
                    j.beginArray();
                    for (const int t : *v) j.integer(t);
                    j.endArray();
                } else if constexpr (std::is_same_v<T, Rolloff>) {
                    j.beginArray();
                    for (const RolloffPoint& p : *v)
                        j.beginObject()
                            .key("current").number(p.current)
                            .key("inductance").number(p.inductance)
                            .key("percent").number(p.percent)
                            .endObject();
                    j.endArray();
                } else j.number(v);
            },
            figure.get(f));
    }
}

std::vector<std::string> FigureFields(const DesignFigures& f) {
    std::vector<std::string> fields;
    const auto number = [](auto v) { return ShortestText(v); };
    for (const Figure& figure : kFigures) fields.push_back(fieldText(figure.get(f), number, "", "true", "false"));
    return fields;
}

std::string FigureTable(const DesignFigures& f) {
    const auto number = [](auto v) { return readable(v); };
    std::string out;
    for (const Figure& figure : kFigures) {
        if (figure.key == "rolloff") continue;  // three columns of its own, below
        out += std::string(figure.name) + "\t" + fieldText(figure.get(f), number, "—", "是", "否") + "\n";
    }
    out += "\n电流(A)\t电感量(μH)\t剩余磁导率(%)\n";
    for (const RolloffPoint& p : f.rolloff)
        out += readable(p.current) + "\t" + readable(p.inductance) + "\t" + readable(p.percent) + "\n";
    return out;
}

}  // namespace zova::cli
