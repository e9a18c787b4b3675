#include "documents/design_report.h"

#include "language/texts.h"
#include "presentation/warning_texts.h"

#include <stdexcept>

#include "catalogue/catalogue.h"
#include "documents/program_version.h"
#include "commands/maker_info.h"
#include "design/core_material.h"
#include "engine/formulas.h"
#include "language/texts.h"
#include "presentation/converter_outputs.h"
#include "presentation/figure_table.h"
#include "text/html_text.h"
#include "presentation/workbench_texts.h"
#include "text/number_text.h"

namespace zova {
namespace {

namespace say = texts::documents;

// Said anew each time: the names are in the language of the moment.
PointFigure pointFigure(std::string_view key) {
    for (const PointFigure& p : PointFigures())
        if (p.key == key) return p;
    throw std::out_of_range("no operating point figure named " + std::string(key));
}

// A name inside a sentence: English writes "duty cycle", not "Duty cycle",
// but keeps a capital that begins an abbreviation ("AL").
std::string inSentence(std::string_view name) {
    std::string s(name);
    if (s.size() > 1 && s[0] >= 'A' && s[0] <= 'Z' && s[1] >= 'a' && s[1] <= 'z') s[0] = static_cast<char>(s[0] - 'A' + 'a');
    return s;
}

// "占空比 0.250", "电感量 30.000 μH": as the converter's outputs show the figure.
std::string shown(const PointFigure& p, const OperatingPoint& point) {
    std::string s = inSentence(p.name) + " " + text::FormatFixed(point.*p.member, p.decimals);
    return p.unit.empty() ? s : s + " " + std::string(p.unit);
}

std::string converterLine(const ConverterInputs& c) {
    const std::string line = Fill(say::converterLine, {c.topology, text::ShortestText(c.vin), text::ShortestText(c.vout),
                                                       text::ShortestText(c.iout), text::ShortestText(c.frequency)});
    const std::optional<Topology> topology = TopologyNamed(c.topology);
    if (!topology) return line;  // a file's converter is checked on reading; nothing to work out here
    // Neither given stands for the converter's default ratio, as its run takes it.
    const std::optional<double> ratio = c.rippleRatio || c.inductance ? c.rippleRatio : kDefaultRippleRatio;
    const OperatingPoint p = OperatingPointOf(*topology, c.vin, c.vout, c.iout, c.frequency, ratio, c.inductance);
    return Fill(say::converterWithPoint, {line, shown(pointFigure("dutyCycle"), p), shown(RippleRatioFigure(), p),
                                          shown(pointFigure("inductance"), p)});
}

std::string table(const ReportSection& section) {
    std::string html =
        "<table class=\"figures\"><tr><th colspan=\"2\">" + text::HtmlEscaped(section.heading) + "</th></tr>";
    for (const FigureRow& row : section.rows)
        html += "<tr><td>" + text::HtmlEscaped(row.name) + "</td><td class=\"value\">" + text::HtmlEscaped(row.value) +
                "</td></tr>";
    return html + "</table>";
}

// Sections side by side, `columns` to a row of the page.
std::string grid(const std::vector<ReportSection>& sections, std::size_t columns) {
    std::string html = "<table class=\"grid\" width=\"100%\">";
    for (std::size_t i = 0; i < sections.size(); i += columns) {
        html += "<tr>";
        for (std::size_t k = i; k < i + columns; ++k)
            html += "<td valign=\"top\">" + (k < sections.size() ? table(sections[k]) : std::string()) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

// "KTB（铁硅铝）": the series with its material's family, in the reader's words.
std::string seriesText(const std::string& series, const std::optional<CoreMaterial>& material) {
    if (!material) return series;
    return Fill(say::seriesWithFamily, {series, Say(material->family)});
}

}  // namespace

DesignReport DesignReportOf(const DesignInputs& in, const DesignOutcome& outcome, std::string_view date) {
    const DesignFigures& f = *outcome.figures;
    const CoreRecord core = FindCore(in.core);
    const std::string series(SeriesCodeOf(core.PartNo));
    const auto material = MaterialOf(series);

    DesignReport r;
    r.title = Fill(say::reportTitle, {in.core, std::to_string(in.turns)});
    r.subtitle = std::string(date) + " · " + std::string(ProgramNameAndVersion());

    const auto row = [](const Phrase& name, std::string value) { return FigureRow{std::string(Say(name)), std::move(value)}; };
    ReportSection coreSection{std::string(Say(say::coreHeading)),
                              {row(say::partNumber, in.core),
                               row(say::series, seriesText(series, material)),
                               row(say::coatedOuterDiameter, text::GeneralForm(core.CoatedOD)),
                               row(say::coatedInnerDiameter, text::GeneralForm(core.CoatedID)),
                               row(say::coatedHeight, text::GeneralForm(core.CoatedHeight)),
                               row(say::inductanceFactor, text::GeneralForm(core.AL)),
                               row(say::pathLength, text::GeneralForm(core.PathLength)),
                               row(say::coreCount, std::to_string(in.stack))}};
    // Its heading is not a group's: the reader finds the winding's group once, over the wire's figures.
    ReportSection point{std::string(Say(say::pointHeading)),
                        {row(say::turns, std::to_string(in.turns)),
                         row(say::dcCurrent, text::ShortestText(in.current)),
                         row(say::switchingFrequency, in.frequency ? text::ShortestText(*in.frequency)
                                                                   : std::string(Say(say::noFrequency)))}};
    r.summary = {coreSection, point};
    if (in.converter) r.converter = converterLine(*in.converter);

    for (const FigureGroup group : kFigureGroups) {
        ReportSection section{std::string(GroupName(group)), {}};
        for (const Figure* figure : FiguresInReadingOrder())
            if (figure->group == group && figure->kind != FigureKind::Points)
                section.rows.push_back({Caption(*figure), ShownText(*figure, f)});
        r.figures.push_back(std::move(section));
    }
    r.warning = WindingWarning(f, in.turns);
    for (const WarningLine& w : WarningLines(f, outcome.limits)) r.warnings.push_back(w.text);
    if (auto permeability = PermeabilityChartOf(core, f))
        r.charts = ReportCharts{InductanceChartOf(f, outcome.current), std::move(*permeability)};

    r.notes = {
        std::string(Say(say::noteInductance)),
        Fill(say::noteWire, {text::GeneralForm(kCurrentDensity)}),
        Fill(say::noteCoreLoss, {CoreLossModelText(f)}),
        std::string(Say(say::noteAcCopper)),
        std::string(Say(say::noteTemperature)),
        std::string(Say(maker::kDisclaimer)),
    };
    return r;
}

std::string DesignReportHtml(const DesignReport& r, std::string_view charts) {
    std::string html =
        "<html lang=\"" + std::string(CurrentLanguage() == Language::English ? "en" : "zh-CN") +
        "\"><head><meta charset=\"utf-8\"><title>" + text::HtmlEscaped(r.title) +
        "</title><style>"
        "body { font-size: 8pt; } h1 { font-size: 13pt; margin: 0; } p.subtitle { color: #555555; margin: 0; }"
        "table.figures { border-collapse: collapse; } table.figures td, table.figures th { padding: 1px 4px; }"
        "table.figures th { text-align: left; background: #e8eef5; } td.value { text-align: right; }"
        "p.warning, h2.warning, ul.warning { color: #a00000; } h2.warning { font-size: 9pt; margin: 4px 0 0 0; }"
        "ul.notes { color: #333333; }"
        "</style></head><body>";
    html += "<h1>" + text::HtmlEscaped(r.title) + "</h1><p class=\"subtitle\">" + text::HtmlEscaped(r.subtitle) +
            "</p>";
    html += grid(r.summary, 2);
    if (!r.converter.empty()) html += "<p class=\"converter\">" + text::HtmlEscaped(r.converter) + "</p>";
    if (!r.warning.empty()) html += "<p class=\"warning\">" + text::HtmlEscaped(r.warning) + "</p>";
    if (!r.warnings.empty()) {
        html += "<h2 class=\"warning\">" + text::HtmlEscaped(Say(say::warningsHeading)) + "</h2><ul class=\"warning\">";
        for (const std::string& w : r.warnings) html += "<li>" + text::HtmlEscaped(w) + "</li>";
        html += "</ul>";
    }
    html += grid(r.figures, 2);
    html += r.charts ? std::string(charts) : "<p>" + text::HtmlEscaped(Say(texts::workbench::noCurve)) + "</p>";
    html += "<ul class=\"notes\">";
    for (const std::string& note : r.notes) html += "<li>" + text::HtmlEscaped(note) + "</li>";
    return html + "</ul></body></html>";
}

}  // namespace zova
