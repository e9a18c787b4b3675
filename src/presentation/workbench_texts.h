#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "design/core_loss_fits.h"

// What the design workbench says, wherever it is drawn: the desktop window and
// the web page show the same words, in the current language.
namespace zova::workbench {

// Its fixed sentences (the hint, the hint of the converter page, what stands
// where there are no candidates, no figures or no curve, the marks of a stale
// converter run) are phrases of texts::workbench, said where they are shown.

// After the summary while the warned candidates are hidden: "，隐藏 12 个有警告的候选".
std::string WarnedHiddenText(std::size_t hidden);

// Loss coefficients as the box takes them: "246.5,2.218,1.311".
std::string CoefficientsText(const LossCoefficients& k);

// "选型 10 A、100 μH、1 个磁芯：共 203 个候选磁芯", naming the run the table shows.
std::string CandidatesSummary(std::size_t count, float current, double inductance, int stack);

// What the workbench says instead of the inductance when the core has no bias
// curve: "KRA037125 没有直流偏置曲线，带 2 A 电流的电感量无法计算；零偏置电感量为 33.500μH。"
std::string NoCurveResult(std::string_view partNo, float current, float zeroBias);

// A chart's title, which the saved PNG and SVG carry: "KTA092060，54 圈，10 A，1 个磁芯".
std::string ChartTitle(std::string_view partNo, int turns, float current, int stack);

// Names offered when saving, without the extension: the chart's name with its
// winding ("电感量-电流_KTA092060_54圈_10A_1个磁芯"), the candidates with their
// run ("候选磁芯_10A_100μH_1个磁芯").
std::string ChartFileName(std::string_view chart, std::string_view partNo, int turns, float current, int stack);
std::string CandidatesFileName(float current, double inductance, int stack);

// A chart's axis titles and the names of its three series, as its legend shows them.
struct ChartTexts {
    std::string xAxis;
    std::string yAxis;
    std::string curve;      // the line
    std::string reference;  // the zero-bias line; the maker's points
    std::string operating;  // the operating point
    std::string band;       // the currents a ripple sweeps; "" where the chart has none
    std::string name;       // the chart's, as its tab and the report name it: "电感量-电流"
};

// Inductance against DC current.
ChartTexts InductanceChartTexts();
// Permeability left against field strength.
ChartTexts PermeabilityChartTexts();

}  // namespace zova::workbench
