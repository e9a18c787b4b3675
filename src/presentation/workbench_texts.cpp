#include "presentation/workbench_texts.h"

#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova::workbench {

std::string CandidatesSummary(std::size_t count, float current, double inductance, int stack) {
    return "选型 " + text::ShortestText(current) + " A、" + text::ShortestText(inductance) + " μH、" +
           std::to_string(stack) + " 个磁芯：共 " + std::to_string(count) + " 个候选磁芯";
}

std::string NoCurveResult(std::string_view partNo, float current, float zeroBias) {
    return std::string(partNo) + " 没有直流偏置曲线，带 " + text::ShortestText(current) +
           " A 电流的电感量无法计算；零偏置电感量为 " + text::Format000(zeroBias) + "μH。";
}

std::string ChartTitle(std::string_view partNo, int turns, float current, int stack) {
    return std::string(partNo) + "，" + std::to_string(turns) + " 圈，" + text::ShortestText(current) + " A，" +
           std::to_string(stack) + " 个磁芯";
}

std::string ChartFileName(std::string_view chart, std::string_view partNo, int turns, float current, int stack) {
    return std::string(chart) + "_" + std::string(partNo) + "_" + std::to_string(turns) + "圈_" +
           text::ShortestText(current) + "A_" + std::to_string(stack) + "个磁芯";
}

std::string CandidatesFileName(float current, double inductance, int stack) {
    // A converter's inductance is worked out to the last bit; a name holds it as
    // the figure shows it, without the zeros a person would not type.
    std::string microhenries = text::FormatFixed(inductance, FigureOf("inductance").decimals);
    if (microhenries.find('.') != std::string::npos) {
        microhenries.erase(microhenries.find_last_not_of('0') + 1);
        if (microhenries.back() == '.') microhenries.pop_back();
    }
    return "候选磁芯_" + text::ShortestText(current) + "A_" + microhenries + "μH_" + std::to_string(stack) + "个磁芯";
}

std::string CoefficientsText(const LossCoefficients& k) {
    return text::ShortestText(k.a) + "," + text::ShortestText(k.b) + "," + text::ShortestText(k.c);
}

ChartTexts InductanceChartTexts() {
    return {"直流电流 (A)", Caption(FigureOf("inductance")), FigureOf("inductance").name,
            FigureOf("inductanceZeroBias").name, "工作点", "纹波电流范围", "电感量-电流"};
}

ChartTexts PermeabilityChartTexts() {
    return {Caption(FigureOf("fieldStrength")), Caption(FigureOf("percentPermeability")), "计算取值", "曲线数据点",
            "工作磁场", "", "磁导率-磁场"};
}

std::string WarnedHiddenText(std::size_t hidden) {
    return "，隐藏 " + std::to_string(hidden) + " 个有警告的候选";
}

}  // namespace zova::workbench
