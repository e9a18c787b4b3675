#include "presentation/workbench_texts.h"

#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova::workbench {

std::string CandidatesSummary(std::size_t count, float current, int stack) {
    return "共 " + std::to_string(count) + " 个候选磁芯（电流 " + text::ShortestText(current) + " A，磁芯个数 " +
           std::to_string(stack) + "）";
}

ChartTexts InductanceChartTexts() {
    return {"直流电流 (A)", Caption(FigureOf("inductance")), FigureOf("inductance").name,
            FigureOf("inductanceZeroBias").name, "工作点"};
}

ChartTexts PermeabilityChartTexts() {
    return {Caption(FigureOf("fieldStrength")), Caption(FigureOf("percentPermeability")), "计算取值", "曲线数据点",
            "工作磁场"};
}

}  // namespace zova::workbench
