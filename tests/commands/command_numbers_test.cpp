// The numbers the commands hand out beside their texts (the command-line tool
// prints them as JSON) must be the very values the texts were formatted from.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue.h"
#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "support/named_case.h"
#include "text/number_text.h"

namespace zova {
namespace {

struct FigureCase {
    const char* name;
    const char* core;
    const char* turns;
    const char* current;
    const char* stack;
    std::int16_t expectedTurns;
    std::int16_t expectedStack;
};
ZOVA_PRINT_CASE_NAME(FigureCase)

class InductanceNumbers : public ::testing::TestWithParam<FigureCase> {};

TEST_P(InductanceNumbers, FormatBackToTheResultText) {
    const FigureCase& c = GetParam();
    const InductanceOutcome got = CalculateInductance(c.core, c.turns, c.current, c.stack);
    ASSERT_TRUE(got.figures.has_value());
    const InductanceFigures& f = *got.figures;
    EXPECT_EQ(f.turns, c.expectedTurns);
    EXPECT_EQ(f.stackCount, c.expectedStack);
    EXPECT_EQ(f.total, f.perCore * static_cast<float>(c.expectedStack));
    EXPECT_EQ("电感量为：" + text::Format000(f.total) + "μH",
              got.resultText);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, InductanceNumbers,
    ::testing::Values(FigureCase{"fiveAmps", "KTB130060", "50", "5", "1", 50, 1},
                      FigureCase{"paddedTexts", "KTB130060", " 50 ", " 5 ", "1", 50, 1},
                      FigureCase{"halvesToEven", "KTB130060", "2.5", "0", "3.5", 2, 4},
                      FigureCase{"stackLeadingValue", "KTB130060", "50", "5", "2abc", 50, 2},
                      FigureCase{"stackEmptyIsZero", "KTB130060", "50", "5", "", 50, 0},
                      FigureCase{"negativeStack", "KTB130060", "50", "0", "-1", 50, -1},
                      FigureCase{"negativeCurrent", "KTA014060", "10", "-2", "1", 10, 1},
                      FigureCase{"noCurveUnderBias", "KRA037125", "50", "1", "6", 50, 6}),
    [](const auto& info) { return std::string(info.param.name); });

// KTB130060 at 50 turns: 152.5 µH at 0 A, 126.92023 µH at 5 A (engine tests).
TEST(InductanceNumbers, EngineValuesOfTheWorkedCore) {
    const auto zero = CalculateInductance("KTB130060", "50", "0", "1").figures;
    ASSERT_TRUE(zero.has_value());
    EXPECT_EQ(zero->perCore, 152.5f);
    const auto five = CalculateInductance("KTB130060", "50", "5", "2").figures;
    ASSERT_TRUE(five.has_value());
    EXPECT_EQ(five->current, 5.0f);
    EXPECT_EQ(five->perCore, 126.92023f);
    EXPECT_EQ(five->total, 126.92023f * 2.0f);
}

TEST(InductanceNumbers, NoneWithoutAResult) {
    EXPECT_FALSE(CalculateInductance("", "50", "5", "1").figures);            // nothing selected
    EXPECT_FALSE(CalculateInductance("KTB130060", "x", "5", "1").figures);    // a validation message
    EXPECT_FALSE(CalculateInductance("KTB130060", "40000", "0", "1").figures);  // out of range
    EXPECT_FALSE(CalculateInductance("KTB130060", "50", "5", "99999").figures);
}

TEST(SelectionNumbers, CoresRebuildEveryLineOfARun) {
    for (const char* current : {"10", "30"}) {
        const SelectionOutcome run = SelectCores(current, "100", "1");
        ASSERT_EQ(run.cores.size(), run.lines.size());
        ASSERT_FALSE(run.lines.empty());
        for (std::size_t i = 0; i < run.lines.size(); ++i) {
            const CoreRecord& core = CoreCatalogue(run.cores[i].row);
            const std::string rebuilt = core.PartNo + "\t\t" + text::GeneralForm(core.CoatedOD) + "\t\t" +
                                        text::GeneralForm(core.CoatedID) + "\t\t" +
                                        text::GeneralForm(core.CoatedHeight) + "\t\t" +
                                        std::to_string(run.cores[i].turns) + "\t\t>" + run.wireText;
            EXPECT_EQ(rebuilt, run.lines[i]);
        }
    }
}

TEST(SelectionNumbers, FirstCoreOfTheWorkedRun) {
    const SelectionOutcome run = SelectCores("10", "100", "1");
    ASSERT_FALSE(run.cores.empty());
    EXPECT_EQ(CoreCatalogue(run.cores[0].row).PartNo, "KTA092060");
    EXPECT_EQ(run.cores[0].turns, 54);
    EXPECT_EQ(ResultColumns(run.cores[0], run.wireText),
              (std::array<std::string, 6>{"KTA092060", "24.28", "13.77", "9.7", "54", ">1.26"}));
}

TEST(SelectionNumbers, WireDiameterOfTheRun) {
    const auto ten = SelectCores("10", "100", "1");
    ASSERT_TRUE(ten.bareDiameter.has_value());
    EXPECT_EQ(text::Format00(*ten.bareDiameter), "1.26");
    EXPECT_EQ(ten.wireText, "1.26");
    const auto thirty = SelectCores("30", "100", "1");
    ASSERT_TRUE(thirty.bareDiameter.has_value());
    EXPECT_EQ(*thirty.bareDiameter, 2.1850944f);  // WireDiameter(30)
    EXPECT_EQ(thirty.wireText, "2.19 建议多股线");
    EXPECT_FALSE(SelectCores("", "100", "1").bareDiameter);  // refused before the wire is sized
}

}  // namespace
}  // namespace zova
