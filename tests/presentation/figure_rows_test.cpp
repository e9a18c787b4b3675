// Expected texts: the rows printed by figure_rows_reference.py beside this
// file, which rounds tests/design/design_reference.py's independent figures as the window
// shows them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalogue/catalogue.h"
#include "design/design_figures.h"
#include "presentation/figure_rows.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct FigureTextCase {
    const char* name;
    const char* core;
    std::int16_t turns;
    float current;
    std::int16_t stack;
    std::array<const char*, 46> values;
};
ZOVA_PRINT_CASE_NAME(FigureTextCase)

const FigureTextCase kFigureTextCases[] = {
    {"workedExample", "KTB130060", 50, 5.0f, 2,
     {"253.840", "305.000", "38.55", "3067", "83.23", "3173.0", "0.000", "5.000", "253.840", "0.659", "10.75", "0.0", "0.213", "1.00", "0.213", "83.23", "233.533", "—", "0.892", "0.939", "0.9", "19", "11.8", "是", "50", "1", "63.92", "3.196", "88.16", "115.88", "2.204", "2.897", "26.3", "0.0", "0.000", "—", "—", "0.000", "2.897", "26.3", "铁硅铝 60μ 拟合", "35.71", "17.42", "25.10", "57.15", "25.13"}},
    {"doesNotFit", "KTB014060", 60, 1.0f, 1,
     {"25.294", "46.800", "92.29", "7344", "54.05", "12.6", "0.000", "1.000", "25.294", "0.014", "0.01", "0.0", "0.435", "1.00", "0.435", "54.05", "23.271", "—", "0.399", "0.424", "0.4", "26", "466.6", "否", "7", "—", "—", "—", "—", "—", "—", "—", "—", "0.0", "0.000", "—", "—", "—", "—", "—", "铁硅铝 60μ 拟合", "—", "—", "—", "—", "—"}},
    {"noCurveThinWire", "KRA037125", 40, 0.01f, 3,
     {"0.000", "254.400", "0.23", "18", "0.00", "0.0", "0.000", "0.010", "0.000", "0.074", "0.48", "0.0", "—", "1.60", "—", "—", "—", "—", "0.040", "0.049", "0.05", "40", "0.5", "是", "40", "1", "29.03", "1.161", "16017.87", "21053.89", "0.002", "0.002", "0.4", "0.0", "0.000", "—", "—", "0.000", "0.002", "0.4", "铁硅 125μ 拟合", "10.39", "4.17", "11.53", "6.69", "0.98"}},
};

class FigureTexts : public ::testing::TestWithParam<FigureTextCase> {};

TEST_P(FigureTexts, ShowEachFigureRoundedInItsUnit) {
    const FigureTextCase& c = GetParam();
    const auto rows = FigureRows(ComputeDesignFigures(FindCore(c.core), c.turns, c.current, c.stack));
    ASSERT_EQ(rows.size(), c.values.size());
    for (std::size_t k = 0; k < rows.size(); ++k) EXPECT_EQ(rows[k].value, c.values[k]) << rows[k].name;
}

INSTANTIATE_TEST_SUITE_P(Reference, FigureTexts, ::testing::ValuesIn(kFigureTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FigureTexts, WithoutABiasCurveShowNoFigureReadOffIt) {
    // noCurveThinWire above: the inductance, permeability, energy, inductance at
    // the peak, flux swing and peak flux density read 0 off no curve, and what
    // follows from them is undefined; the zero-bias inductance (254.400) and
    // the rest stand.
    const auto rows = FigureRows(ComputeDesignFigures(FindCore("KRA037125"), 40, 0.01f, 3), false);
    const std::array<const char*, 19> expected = {"—", "254.400", "0.23", "18",   "—", "—", "0.000",
                                                  "0.010", "—", "0.074", "0.48", "—", "—", "1.60",
                                                  "—", "—", "—", "—", "0.040"};
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(rows[k].value, expected[k]) << rows[k].name;
}

TEST(FigureTexts, NameTheUnitsTheValuesAreIn) {
    const auto rows = FigureRows(ComputeDesignFigures(FindCore("KTB130060"), 50, 5.0f, 2));
    EXPECT_EQ(rows[0].name, "电感量 (μH)");
    EXPECT_EQ(rows[29].name, "直流电阻 100 °C (mΩ)");  // 115.88 above: milliohms, not ohms
    EXPECT_EQ(rows[11].name, "磁通密度摆幅 ΔB (mT)");
    EXPECT_EQ(rows[45].name, "绕后体积 (cm³)");
}

TEST(WindingWarning, SaysHowManyTurnsTheHoleTakesOrNothing) {
    // doesNotFit above: 7 of 60 turns placed; fill 466.6 %.
    EXPECT_EQ(WindingWarning(ComputeDesignFigures(FindCore("KTB014060"), 60, 1.0f, 1), 60),
              "绕组放不下：用这个线径，磁芯内孔只能排下 7 圈，少于 60 圈。请减少圈数、换更大的磁芯或用多股线。");
    // design_reference.py: 600 turns at 2 A on KTB130060 lie in 8 layers but fill 57.3 %.
    EXPECT_EQ(WindingWarning(ComputeDesignFigures(FindCore("KTB130060"), 600, 2.0f, 1), 600),
              "窗口占用率 57.3% 超过选型规则允许的 55%，绕制困难。");
    EXPECT_EQ(WindingWarning(ComputeDesignFigures(FindCore("KTB130060"), 50, 5.0f, 2), 50), "");
}

}  // namespace
}  // namespace zova

namespace zova {
namespace {

// What an engineer reads first heads the rows; then every row once, by group.
TEST(FigureSections, PutTheKeyFiguresFirstAndEveryRowOnceUnderItsGroup) {
    const DesignFigures f = ComputeDesignFigures(FindCore("KTB130060"), 50, 5.0f, 2);
    const std::vector<FigureSection> sections = FigureSections(f);
    ASSERT_EQ(sections.size(), 5u);
    std::vector<std::string> first;
    for (const FigureRow& row : sections[0].rows) first.push_back(row.name);
    EXPECT_EQ(first, (std::vector<std::string>{"电感量 (μH)", "磁导率保持 (%)", "总损耗 (W)", "总温升估算 (K)",
                                               "窗口占用率 (%)", "绕线层数"}));
    EXPECT_EQ(sections[0].rows[0].value, "253.840");  // the worked example
    std::size_t grouped = 0;
    for (std::size_t s = 1; s < sections.size(); ++s) grouped += sections[s].rows.size();
    EXPECT_EQ(grouped, FigureRows(f).size());
    EXPECT_EQ(sections[3].heading, "损耗与温升");
}

}  // namespace
}  // namespace zova
