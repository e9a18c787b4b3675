// The figures' and the workbench's texts in both languages, each said when
// asked: the Chinese as the program has always written it, the English as an
// engineer would read it. Expected texts written out by hand.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "design/core_loss_fits.h"
#include "language/language.h"
#include "presentation/candidate_table.h"
#include "presentation/figure_table.h"
#include "presentation/warning_texts.h"
#include "presentation/workbench_texts.h"
#include "support/named_case.h"

namespace zova {
namespace {

DesignFigures CustomLoss() {
    DesignFigures f;
    f.lossCoefficients = {246.5, 2.218, 1.311};
    return f;
}

// A fit borrowed from the nearest published permeability.
constexpr CoreLossFit kBorrowed{"KTB", "075", "060", {}};

DesignFigures BorrowedFit() {
    DesignFigures f;
    f.lossFit = &kBorrowed;
    return f;
}

struct SaidCase {
    const char* name;
    std::function<std::string()> say;
    const char* chinese;
    const char* english;
};
ZOVA_PRINT_CASE_NAME(SaidCase)

class Said : public ::testing::TestWithParam<SaidCase> {};

TEST_P(Said, InEachLanguage) {
    const SaidCase& c = GetParam();
    {
        LanguageScope english(Language::English);
        EXPECT_EQ(c.say(), c.english);
    }
    // Said again, not kept from the English.
    EXPECT_EQ(c.say(), c.chinese);
}

std::string caption(const char* key) { return CandidateCaption(CandidateColumn(key)); }

INSTANTIATE_TEST_SUITE_P(
    FiguresAndWorkbench, Said,
    ::testing::Values(
        SaidCase{"figureCaption", [] { return caption("inductance"); }, "电感量 (μH)", "Inductance (μH)"},
        SaidCase{"captionWithDegrees", [] { return Caption(FigureOf("resistance20")); }, "直流电阻 20 °C (mΩ)",
                 "DC resistance 20 °C (mΩ)"},
        SaidCase{"selectionColumn", [] { return caption("index"); }, "序号", "No."},
        SaidCase{"warningsColumn", [] { return caption("warnings"); }, "警告", "Warnings"},
        SaidCase{"nameWithTheFillLimit", [] { return FigureName(FigureOf("fitsWindow")); }, "窗口占用率不超过 55%",
                 "Window fill within 55%"},
        SaidCase{"group", [] { return std::string(GroupName(FigureGroup::LossesAndTemperature)); }, "损耗与温升",
                 "Losses and temperature"},
        SaidCase{"no", [] { return std::string(YesNo(false)); }, "否", "no"},
        SaidCase{"warningNames",
                 [] { return WarningNames({DesignWarning::Hot, DesignWarning::NearSaturation}); },
                 "温升高、近饱和", "hot, near saturation"},
        SaidCase{"customLossModel", [] { return CoreLossModelText(CustomLoss()); },
                 "自定义系数 a=246.5, b=2.218, c=1.311", "Custom coefficients a=246.5, b=2.218, c=1.311"},
        SaidCase{"borrowedLossFit", [] { return CoreLossModelText(BorrowedFit()); },
                 "铁硅铝 60μ 拟合（本磁芯 75μ，取最接近的已发表磁导率）",
                 "Sendust 60μ fit (this core 75μ; the nearest published permeability taken)"},
        SaidCase{"candidatesSummary", [] { return workbench::CandidatesSummary(203, 10.0f, 100.0, 1); },
                 "选型 10 A、100 μH、1 个磁芯：共 203 个候选磁芯",
                 "Selection at 10 A, 100 μH, stack of 1: 203 candidate cores"},
        SaidCase{"noCurveResult", [] { return workbench::NoCurveResult("KRA037125", 2.0f, 33.5f); },
                 "KRA037125 没有直流偏置曲线，带 2 A 电流的电感量无法计算；零偏置电感量为 33.500μH。",
                 "KRA037125 has no DC bias curve: its inductance at 2 A cannot be calculated; the inductance at "
                 "zero bias is 33.500 μH."},
        SaidCase{"chartTitle", [] { return workbench::ChartTitle("KTA092060", 54, 10.0f, 1); },
                 "KTA092060，54 圈，10 A，1 个磁芯", "KTA092060, 54 turns, 10 A, stack of 1"},
        SaidCase{"chartFileName",
                 [] {
                     return workbench::ChartFileName(workbench::InductanceChartTexts().name, "KTA092060", 54, 10.0f, 1);
                 },
                 "电感量-电流_KTA092060_54圈_10A_1个磁芯", "Inductance vs current_KTA092060_54turns_10A_stack1"},
        SaidCase{"permeabilityAxis", [] { return workbench::PermeabilityChartTexts().yAxis; }, "磁导率保持 (%)",
                 "Permeability (%)"},
        SaidCase{"candidatesFileName", [] { return workbench::CandidatesFileName(11.5f, 30.000000000000004, 2); },
                 "候选磁芯_11.5A_30μH_2个磁芯", "candidates_11.5A_30μH_stack2"}));

}  // namespace
}  // namespace zova
