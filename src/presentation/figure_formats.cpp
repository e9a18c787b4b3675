#include "presentation/figure_formats.h"

#include <type_traits>
#include <variant>

#include "language/texts.h"
#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova {
namespace {

std::string joined(const std::vector<int>& turns) {
    std::string s;
    for (const int t : turns) {
        if (!s.empty()) s += ' ';
        s += std::to_string(t);
    }
    return s;
}

// A figure as a CSV field: numbers in their shortest text, in SI units.
std::string csvField(const FigureValue& value) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return {};
            else if constexpr (std::is_same_v<T, bool>) return v ? "true" : "false";
            else if constexpr (std::is_same_v<T, int>) return std::to_string(v);
            else if constexpr (std::is_same_v<T, TurnList>) return joined(*v);
            else if constexpr (std::is_same_v<T, PointList>) {
                std::string s;
                for (const RolloffPoint& p : *v) {
                    if (!s.empty()) s += ';';
                    s += text::ShortestText(p.current) + " " + text::ShortestText(p.inductance) + " " +
                         text::ShortestText(p.percent);
                }
                return s;
            } else if constexpr (std::is_same_v<T, std::string>) return v;
            else return text::ShortestText(v);
        },
        value);
}

}  // namespace

std::vector<std::string> FigureKeys() {
    std::vector<std::string> keys;
    for (const Figure& figure : Figures()) keys.emplace_back(figure.key);
    return keys;
}

bool IsWritten(const Figure& figure, const DesignFigures& f) {
    return figure.kind != FigureKind::Points || !f.rolloff.empty();
}

void WriteFigureMembers(text::JsonWriter& j, const DesignFigures& f) {
    for (const Figure& figure : Figures()) {
        if (!IsWritten(figure, f)) continue;
        j.key(figure.key);
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) j.null();
                else if constexpr (std::is_same_v<T, bool>) j.boolean(v);
                else if constexpr (std::is_same_v<T, int>) j.integer(v);
                else if constexpr (std::is_same_v<T, TurnList>) {
                    j.beginArray();
                    for (const int t : *v) j.integer(t);
                    j.endArray();
                } else if constexpr (std::is_same_v<T, PointList>) {
                    j.beginArray();
                    for (const RolloffPoint& p : *v)
                        j.beginObject()
                            .key("current").number(p.current)
                            .key("inductance").number(p.inductance)
                            .key("percent").number(p.percent)
                            .endObject();
                    j.endArray();
                } else if constexpr (std::is_same_v<T, std::string>) j.string(v);
                else j.number(v);
            },
            figure.get(f));
    }
}

std::vector<std::string> FigureFields(const DesignFigures& f) {
    std::vector<std::string> fields;
    for (const Figure& figure : Figures()) fields.push_back(csvField(figure.get(f)));
    return fields;
}

std::string FigureTextTable(const DesignFigures& f) {
    // Six significant digits in the unit of the caption: more than the
    // workbench shows, so that small windings keep their figures.
    const auto readable = [](const Figure& figure, double v) { return text::SignificantText(v * figure.scale, 6); };
    std::string out;
    for (const Figure& figure : Figures()) {
        if (figure.kind == FigureKind::Points) continue;  // three columns of its own, below
        const std::string value = std::visit(
            [&](const auto& v) -> std::string {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) return std::string(kUndefinedText);
                else if constexpr (std::is_same_v<T, bool>) return std::string(YesNo(v));
                else if constexpr (std::is_same_v<T, int>) return std::to_string(v);
                else if constexpr (std::is_same_v<T, TurnList>) return joined(*v);
                else if constexpr (std::is_same_v<T, PointList>) return {};
                else if constexpr (std::is_same_v<T, std::string>) return v;
                else return readable(figure, static_cast<double>(v));
            },
            figure.get(f));
        out += Caption(figure) + "\t" + value + "\n";
    }
    const Figure& inductance = FigureOf("inductance");
    const Figure& percent = FigureOf("percentPermeability");
    out.append("\n").append(Say(texts::figures::current)).append(" (A)\t");
    out += Caption(inductance) + "\t" + Caption(percent) + "\n";
    for (const RolloffPoint& p : f.rolloff)
        out += text::SignificantText(p.current, 6) + "\t" + readable(inductance, p.inductance) + "\t" +
               readable(percent, p.percent) + "\n";
    return out;
}

}  // namespace zova
