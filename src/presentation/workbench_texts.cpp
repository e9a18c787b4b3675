#include "presentation/workbench_texts.h"

#include "language/texts.h"
#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova::workbench {

namespace W = texts::workbench;

std::string CandidatesSummary(std::size_t count, float current, double inductance, int stack) {
    return Fill(W::candidatesSummary, {text::ShortestText(current), text::ShortestText(inductance),
                                       std::to_string(stack), std::to_string(count)});
}

std::string NoCurveResult(std::string_view partNo, float current, float zeroBias) {
    return Fill(W::noCurveResult, {partNo, text::ShortestText(current), text::Format000(zeroBias)});
}

std::string ChartTitle(std::string_view partNo, int turns, float current, int stack) {
    return Fill(W::chartTitle, {partNo, std::to_string(turns), text::ShortestText(current), std::to_string(stack)});
}

std::string ChartFileName(std::string_view chart, std::string_view partNo, int turns, float current, int stack) {
    return Fill(W::chartFileName,
                {chart, partNo, std::to_string(turns), text::ShortestText(current), std::to_string(stack)});
}

std::string CandidatesFileName(float current, double inductance, int stack) {
    // A converter's inductance is worked out to the last bit; a name holds it as
    // the figure shows it, without the zeros a person would not type.
    std::string microhenries = text::FormatFixed(inductance, FigureOf("inductance").decimals);
    if (microhenries.find('.') != std::string::npos) {
        microhenries.erase(microhenries.find_last_not_of('0') + 1);
        if (microhenries.back() == '.') microhenries.pop_back();
    }
    return Fill(W::candidatesFileName, {text::ShortestText(current), microhenries, std::to_string(stack)});
}

std::string CoefficientsText(const LossCoefficients& k) {
    return text::ShortestText(k.a) + "," + text::ShortestText(k.b) + "," + text::ShortestText(k.c);
}

ChartTexts InductanceChartTexts() {
    return {std::string(Say(W::dcCurrentAxis)),   Caption(FigureOf("inductance")),
            FigureName(FigureOf("inductance")),   std::string(Say(W::zeroBiasSeries)),
            std::string(Say(W::operatingPoint)), std::string(Say(W::rippleRange)),
            std::string(Say(W::inductanceChart))};
}

ChartTexts PermeabilityChartTexts() {
    return {Caption(FigureOf("fieldStrength")),  std::string(Say(W::permeabilityAxis)),
            std::string(Say(W::valuesUsed)),     std::string(Say(W::curvePoints)),
            std::string(Say(W::operatingField)), "",
            std::string(Say(W::permeabilityChart))};
}

std::string WarnedHiddenText(std::size_t hidden) { return Fill(W::warnedHidden, {std::to_string(hidden)}); }

}  // namespace zova::workbench
