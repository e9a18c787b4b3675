#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/design_file.h"
#include "presentation/chart_series.h"
#include "presentation/figure_rows.h"

// A design's one-page report, for a design review or a purchase request: what
// the report says, apart from how a page lays it out. The desktop prints it as
// PDF and the web page could print the same.
namespace zova {

struct ReportSection {
    std::string heading;
    std::vector<FigureRow> rows;  // caption with unit, value as shown
};

// What the report draws: the inductance against the current and the core's
// bias curve, each with the operating point.
struct ReportCharts {
    InductanceChart inductance;
    PermeabilityChart permeability;
};

struct DesignReport {
    std::string title;                  // "电感设计报告：KTA092060，54 圈"
    std::string subtitle;               // date and program version
    // What the design was given: the core's catalogue facts, the turns and the
    // operating point. Every computed figure is in `figures`, and only there.
    std::vector<ReportSection> summary;
    std::vector<ReportSection> figures;  // every figure of the table, by group
    // "变换器：buck，48 V → 12 V，10 A，100 kHz，占空比 0.250，纹波率 0.300，目标电感量 30.000 μH";
    // "" for a design that did not come from a converter.
    std::string converter;
    std::string warning;                // the winding warning, "" when none
    std::vector<std::string> warnings;  // what the figures raise at the design's margins, each a sentence
    std::vector<std::string> notes;     // the models' assumptions and provenance
    std::optional<ReportCharts> charts;  // none for a core without a bias curve
};

// `date` as the caller writes it (the report is dated when it is made).
// Precondition: outcome.end == DesignEnd::Found.
DesignReport DesignReportOf(const DesignInputs& in, const DesignOutcome& outcome, std::string_view date);

// The report's texts are in the current language when it is made.

// The report as an HTML document (UTF-8, texts escaped, lang "zh-CN" or "en"
// by the current language) that Qt's rich text and
// a browser both lay out: title, summary tables side by side, the converter
// line, the figures in four groups, notes. `charts` is placed between the figures and the notes:
// the caller draws the charts there. A report without charts says there why
// it has none, and `charts` is left out.
std::string DesignReportHtml(const DesignReport& report, std::string_view charts = "");

}  // namespace zova
