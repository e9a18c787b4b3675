// Expected results: the maker's worked selection runs (10 A / 100 µH: 203 cores
// from KTA092060 at 54 turns to KRA306090 at 29; stack 2: 232 cores from
// KTA080075 at 45 turns), the wire texts of WireDiameter formatted to two
// decimals, and the selection's messages in the order its checks run.
#include <gtest/gtest.h>

#include <string>

#include "commands/selection_command.h"
#include "support/named_case.h"

namespace zova {
namespace {

constexpr const char* kErr = "错误提示";
constexpr const char* kApp = "ZOVAMagnetic";
constexpr const char* kOut = "超出计算范围，请您调整计算参数。";
constexpr const char* kNone = "没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。";

struct RefusalCase {
    const char* name;
    const char* current;
    const char* inductance;
    const char* stack;
    SelectionEnd end;
    const char* message;
    const char* caption;
};
ZOVA_PRINT_CASE_NAME(RefusalCase)

class SelectionRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SelectionRefusals, ShowOneMessageAndNoLines) {
    const auto& c = GetParam();
    const SelectionOutcome got = SelectCores(c.current, c.inductance, c.stack);
    EXPECT_EQ(got.end, c.end);
    EXPECT_EQ(got.message, c.message);
    EXPECT_EQ(got.caption, c.caption);
    EXPECT_TRUE(got.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SelectionRefusals,
    ::testing::Values(
        RefusalCase{"stackOverflowFirst", "", "", "99999", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"noCurrent", "", "100", "1", SelectionEnd::Validation, "对不起，请输入电流！", kErr},
        RefusalCase{"currentLetters", "abc", "100", "1", SelectionEnd::Validation, "对不起，电流大小为数字！", kErr},
        RefusalCase{"currentBlanksNotTrimmed", "  ", "100", "1", SelectionEnd::Validation, "对不起，电流大小为数字！", kErr},
        RefusalCase{"currentZero", "0", "100", "1", SelectionEnd::Validation, "对不起，请输入电流大小！", kErr},
        RefusalCase{"currentNegative", "-3", "100", "1", SelectionEnd::Validation, "对不起，请输入电流大小！", kErr},
        RefusalCase{"noInductance", "10", "", "1", SelectionEnd::Validation, "对不起，请输入电感量的大小！", kErr},
        RefusalCase{"inductanceTwoPoints", "10", "1.2.3", "1", SelectionEnd::Validation,
                    "对不起，电感量大小为数字，请重新输入！", kErr},
        RefusalCase{"inductanceZero", "10", "0", "1", SelectionEnd::Validation, "对不起，请输入电感量大小！", kErr},
        RefusalCase{"negativeStack", "10", "100", "-1", SelectionEnd::Validation, "对不起，请输入电感量大小！", kErr},
        RefusalCase{"stackEmpty", "10", "100", "", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"stackLetters", "10", "100", "abc", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"zeroOverZeroStack", "10", "0", "", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"targetBeyondSingle", "10", "1e300", "1", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"hugeCurrent", "1e37", "100", "1", SelectionEnd::OutOfRange, kOut, kApp},
        RefusalCase{"nothingReaches", "10", "100000", "1", SelectionEnd::NoResult, kNone, kApp},
        RefusalCase{"wireTooThick", "50", "1000", "1", SelectionEnd::NoResult, kNone, kApp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Selection, TenAmpsHundredMicrohenries) {
    const SelectionOutcome got = SelectCores("10", "100", "1");
    EXPECT_EQ(got.end, SelectionEnd::Found);
    EXPECT_TRUE(got.message.empty());
    ASSERT_EQ(got.lines.size(), 203u);
    EXPECT_EQ(got.lines[0], "KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26");
    EXPECT_EQ(got.lines[1].substr(0, 9), "KTA092075");
    EXPECT_EQ(got.lines[2].substr(0, 9), "KTA092090");
    EXPECT_EQ(got.lines[1].substr(got.lines[1].size() - 11), "\t\t52\t\t>1.26");
    EXPECT_EQ(got.lines[2].substr(got.lines[2].size() - 11), "\t\t52\t\t>1.26");
    EXPECT_EQ(got.lines.back(), "KRA306090\t\t78.94\t\t47.96\t\t17.15\t\t29\t\t>1.26");
    for (const auto& line : got.lines) EXPECT_EQ(line.substr(line.size() - 7), "\t\t>1.26") << line;
}

TEST(Selection, StackOfTwoHalvesTheTarget) {
    const SelectionOutcome got = SelectCores("10", "100", "2");
    ASSERT_EQ(got.lines.size(), 232u);
    EXPECT_EQ(got.lines[0], "KTA080075\t\t21.08\t\t12.07\t\t7.11\t\t45\t\t>1.26");
    // Half the target per core is what stack 1 with 50 µH asks for.
    EXPECT_EQ(SelectCores("10", "50", "1").lines, got.lines);
}

TEST(Selection, StackTextsRoundHalvesToEven) {
    EXPECT_EQ(SelectCores("10", "100", "2.5").lines, SelectCores("10", "100", "2").lines);
    EXPECT_EQ(SelectCores("10", "100", "3.5").lines, SelectCores("10", "100", "4").lines);
}

struct WireCase {
    const char* name;
    const char* current;
    const char* suffix;  // the end of every line
};
ZOVA_PRINT_CASE_NAME(WireCase)

class WireTexts : public ::testing::TestWithParam<WireCase> {};

TEST_P(WireTexts, EndEveryLine) {
    const SelectionOutcome got = SelectCores(GetParam().current, "10", "1");
    ASSERT_FALSE(got.lines.empty());
    const std::string suffix = GetParam().suffix;
    for (const auto& line : got.lines) {
        ASSERT_GE(line.size(), suffix.size());
        EXPECT_EQ(line.substr(line.size() - suffix.size()), suffix) << line;
    }
}

// 8 × 3.1416 = 25.1328 A is where the bare wire reaches 2.0 mm.
INSTANTIATE_TEST_SUITE_P(Commands, WireTexts,
                         ::testing::Values(WireCase{"tenAmps", "10", "\t>1.26"},
                                           WireCase{"twentyFive", "25", "\t>1.99"},
                                           WireCase{"justBelowTwoMillimetres", "25.132", "\t>2.00"},
                                           WireCase{"atTwoMillimetres", "25.1328", "\t>2.00 建议多股线"},
                                           WireCase{"thirty", "30", "\t>2.19 建议多股线"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Selection, NoLineForCoresBeyondTheOfferedRows) {
    for (const char* current : {"1", "10", "20"})
        for (const auto& line : SelectCores(current, "100", "1").lines) {
            EXPECT_NE(line.substr(0, 3), "KRB");
            EXPECT_NE(line.substr(0, 3), "KWC");
        }
}

}  // namespace
}  // namespace zova
