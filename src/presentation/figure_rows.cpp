#include "presentation/figure_rows.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "commands/rule_texts.h"
#include "language/texts.h"
#include "presentation/figure_table.h"

namespace zova {

namespace {

FigureRow rowOf(const Figure& figure, const DesignFigures& f, bool biasCurve) {
    // The inductance at a current and what is worked out from it.
    static constexpr std::string_view kReadOffTheCurve[] = {"inductance",       "percentPermeability", "energy",
                                                            "inductanceAtPeak", "fluxSwing",           "peakFluxDensity"};
    const bool unknown = !biasCurve && std::find(std::begin(kReadOffTheCurve), std::end(kReadOffTheCurve),
                                                 figure.key) != std::end(kReadOffTheCurve);
    return {Caption(figure), unknown ? std::string(kUndefinedText) : ShownText(figure, f)};
}

}  // namespace

std::vector<FigureRow> FigureRows(const DesignFigures& f, bool biasCurve) {
    std::vector<FigureRow> rows;
    for (const Figure* figure : FiguresInReadingOrder())
        if (figure->row) rows.push_back(rowOf(*figure, f, biasCurve));
    return rows;
}

std::vector<FigureSection> FigureSections(const DesignFigures& f, bool biasCurve) {
    std::vector<FigureSection> sections(1, FigureSection{std::string(Say(texts::figures::keyFigures)), {}});
    for (const std::string_view key : kKeyFigures) sections[0].rows.push_back(rowOf(FigureOf(key), f, biasCurve));
    for (const FigureGroup group : kFigureGroups) {
        FigureSection section{std::string(GroupName(group)), {}};
        for (const Figure* figure : FiguresInReadingOrder())
            if (figure->row && figure->group == group) section.rows.push_back(rowOf(*figure, f, biasCurve));
        sections.push_back(std::move(section));
    }
    return sections;
}

std::string WindingWarning(const DesignFigures& f, int turns) {
    if (!f.windingFits) {
        const int placed = std::accumulate(f.turnsPerLayer.begin(), f.turnsPerLayer.end(), 0);
        return Fill(texts::workbench::windingDoesNotFit, {std::to_string(placed), std::to_string(turns)});
    }
    if (!f.fitsWindow)
        return Fill(texts::workbench::windowTooFull,
                    {ShownText(FigureOf("windowFill"), f), messages::WindowFillLimitText()});
    return {};
}

}  // namespace zova
