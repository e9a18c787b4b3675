#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the design workbench says, wherever it is drawn: the desktop window and
// the web page show the same words.
namespace zova::workbench {

inline constexpr std::string_view kHint = "选择磁芯料号，输入绕线圈数和电流。";
inline constexpr std::string_view kNoRun = "运行磁芯选型后，这里列出它的候选磁芯；点击列标题排序，选中一行载入上方。";
inline constexpr std::string_view kComputingCandidates = "正在计算候选磁芯的设计数据…";
inline constexpr std::string_view kDoesNotFitTip = "绕组放不下：这些圈数排不进磁芯内孔。";
inline constexpr std::string_view kNoCurve =
    "这个磁芯没有直流偏置曲线：计算按 0% 剩余磁导率进行，无法画出磁导率-磁场曲线。";

// "共 203 个候选磁芯（电流 10 A，磁芯个数 1）"
std::string CandidatesSummary(std::size_t count, float current, int stack);

// A chart's axis titles and the names of its three series, as its legend shows them.
struct ChartTexts {
    std::string xAxis;
    std::string yAxis;
    std::string curve;      // the line
    std::string reference;  // the zero-bias line; the maker's points
    std::string operating;  // the operating point
};

// Inductance against DC current.
ChartTexts InductanceChartTexts();
// Permeability left against field strength.
ChartTexts PermeabilityChartTexts();

}  // namespace zova::workbench
