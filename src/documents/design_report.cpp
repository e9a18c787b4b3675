#include "documents/design_report.h"

#include "language/texts.h"
#include "presentation/warning_texts.h"

#include <stdexcept>

#include "catalogue/catalogue.h"
#include "documents/program_version.h"
#include "commands/maker_info.h"
#include "design/core_material.h"
#include "engine/formulas.h"
#include "presentation/converter_outputs.h"
#include "presentation/figure_table.h"
#include "text/html_text.h"
#include "presentation/workbench_texts.h"
#include "text/number_text.h"

namespace zova {
namespace {

const PointFigure& pointFigure(std::string_view key) {
    static const std::vector<PointFigure> figures = PointFigures();
    for (const PointFigure& p : figures)
        if (p.key == key) return p;
    throw std::out_of_range("no operating point figure named " + std::string(key));
}

// "占空比 0.250", "电感量 30.000 μH": as the converter's outputs show the figure.
std::string shown(const PointFigure& p, const OperatingPoint& point) {
    std::string s = std::string(p.name) + " " + text::FormatFixed(point.*p.member, p.decimals);
    return p.unit.empty() ? s : s + " " + std::string(p.unit);
}

std::string converterLine(const ConverterInputs& c) {
    std::string line = "变换器：" + c.topology + "，" + text::ShortestText(c.vin) + " V → " +
                       text::ShortestText(c.vout) + " V，" + text::ShortestText(c.iout) + " A，" +
                       text::ShortestText(c.frequency) + " kHz";
    const std::optional<Topology> topology = TopologyNamed(c.topology);
    if (!topology) return line;  // a file's converter is checked on reading; nothing to work out here
    // Neither given stands for the converter's default ratio, as its run takes it.
    const std::optional<double> ratio = c.rippleRatio || c.inductance ? c.rippleRatio : kDefaultRippleRatio;
    const OperatingPoint p = OperatingPointOf(*topology, c.vin, c.vout, c.iout, c.frequency, ratio, c.inductance);
    return line + "，" + shown(pointFigure("dutyCycle"), p) + "，" + shown(RippleRatioFigure(), p) + "，目标" +
           shown(pointFigure("inductance"), p);
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

}  // namespace

DesignReport DesignReportOf(const DesignInputs& in, const DesignOutcome& outcome, std::string_view date) {
    const DesignFigures& f = *outcome.figures;
    const CoreRecord core = FindCore(in.core);
    const std::string series(SeriesCodeOf(core.PartNo));
    const auto material = MaterialOf(series);

    DesignReport r;
    r.title = "电感设计报告：" + in.core + "，" + std::to_string(in.turns) + " 圈";
    r.subtitle = std::string(date) + " · " + std::string(ProgramNameAndVersion());

    ReportSection coreSection{"磁芯", {{"料号", in.core},
                                        {"系列", series + (material ? "（" + std::string(Say(material->family)) + "）" : "")},
                                        {"涂层后外径 (mm)", text::GeneralForm(core.CoatedOD)},
                                        {"涂层后内径 (mm)", text::GeneralForm(core.CoatedID)},
                                        {"涂层后高度 (mm)", text::GeneralForm(core.CoatedHeight)},
                                        {"电感系数 AL (nH/N²)", text::GeneralForm(core.AL)},
                                        {"有效磁路长度 le (cm)", text::GeneralForm(core.PathLength)},
                                        {"磁芯个数", std::to_string(in.stack)}}};
    // Its heading is not a group's: the reader finds 绕组 once, over the wire's figures.
    ReportSection point{"圈数与工作点", {{"绕线圈数", std::to_string(in.turns)},
                                         {"直流电流 (A)", text::ShortestText(in.current)},
                                         {"开关频率 (kHz)", in.frequency ? text::ShortestText(*in.frequency) : "—（直流）"}}};
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
        "电感量按厂家直流偏置曲线（磁导率保持率对磁场强度）计算；电流为直流分量，纹波为三角波。",
        "导线按 " + text::GeneralForm(kCurrentDensity) + " A/mm² 选取单根圆铜线；绕线逐层排列在磁芯内孔圆周上；直流电阻按退火铜（IEC 60028）计。",
        "磁芯损耗：" + CoreLossModelText(f) + "，Steinmetz 形式 P = a·B^b·f^c（B 为峰值磁通密度 ΔB/2，T；f 为 kHz），"
        "按正弦波拟合用于三角波纹波。",
        "交流铜损按 Dowell 一维模型（圆线等效为等面积方线）与纹波电流有效值 ΔI/√12 计。",
        "温升按静止空气中的经验式 ΔT = (P[mW] / A[cm²])^0.833 估算，A 为绕后外表面积；强制风冷或灌封会降低温升。",
        std::string(Say(maker::kDisclaimer)),
    };
    return r;
}

std::string DesignReportHtml(const DesignReport& r, std::string_view charts) {
    std::string html =
        "<html><head><meta charset=\"utf-8\"><title>" + text::HtmlEscaped(r.title) +
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
        html += "<h2 class=\"warning\">警告</h2><ul class=\"warning\">";
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
