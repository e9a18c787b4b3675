#include "presentation/figure_rows.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "commands/rule_texts.h"
#include "presentation/figure_table.h"

namespace zova {

std::vector<FigureRow> FigureRows(const DesignFigures& f, bool biasCurve) {
    // The inductance at a current and what is worked out from it.
    static constexpr std::string_view kReadOffTheCurve[] = {"inductance",       "percentPermeability", "energy",
                                                            "inductanceAtPeak", "fluxSwing",           "peakFluxDensity"};
    std::vector<FigureRow> rows;
    for (const Figure* figure : FiguresInReadingOrder()) {
        if (!figure->row) continue;
        const bool unknown = !biasCurve && std::find(std::begin(kReadOffTheCurve), std::end(kReadOffTheCurve),
                                                     figure->key) != std::end(kReadOffTheCurve);
        rows.push_back({Caption(*figure), unknown ? std::string(kUndefinedText) : ShownText(*figure, f)});
    }
    return rows;
}

std::string WindingWarning(const DesignFigures& f, int turns) {
    if (!f.windingFits) {
        const int placed = std::accumulate(f.turnsPerLayer.begin(), f.turnsPerLayer.end(), 0);
        return "绕组放不下：用这个线径，磁芯内孔只能排下 " + std::to_string(placed) + " 圈，少于 " +
               std::to_string(turns) + " 圈。请减少圈数、换更大的磁芯或用多股线。";
    }
    if (!f.fitsWindow)
        return "窗口占用率 " + ShownText(FigureOf("windowFill"), f) + "% 超过选型规则允许的 " +
               messages::WindowFillLimitText() + "，绕制困难。";
    return {};
}

}  // namespace zova
