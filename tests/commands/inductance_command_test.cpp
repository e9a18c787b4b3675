// Expected results: the KTB130060 figures of the engine tests (50 turns: 152.5 µH
// at 0 A, 126.92023 µH at 5 A) formatted to three decimals, and the calculator's
// validation messages in the order its checks run.
#include <gtest/gtest.h>

#include <string>

#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct CalcCase {
    const char* name;
    const char* core;
    const char* turns;
    const char* current;
    const char* stack;
    bool outOfRange;
    const char* text;
};
ZOVA_PRINT_CASE_NAME(CalcCase)

class Calculator : public ::testing::TestWithParam<CalcCase> {};

TEST_P(Calculator, ShowsResultMessageOrFailure) {
    const auto& c = GetParam();
    const InductanceOutcome got = CalculateInductance(c.core, c.turns, c.current, c.stack);
    EXPECT_EQ(got.end == InductanceEnd::OutOfRange, c.outOfRange);
    EXPECT_EQ(got.resultText, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Calculator,
    ::testing::Values(
        // Validation, in check order: each row fails only the check it names.
        CalcCase{"noCore", "", "50", "5", "1", false, "对不起，请选择磁芯料号！"},
        CalcCase{"noCoreNoTurns", "", "", "", "1", false, "对不起，请选择磁芯料号！"},
        CalcCase{"noTurns", "KTB130060", "", "5", "1", false, "对不起，请输入绕线圈数！"},
        CalcCase{"blankTurns", "KTB130060", "   ", "", "1", false, "对不起，请输入绕线圈数！"},
        CalcCase{"turnsNotNumeric", "KTB130060", "abc", "", "1", false, "对不起，绕线圈数必须为数字！"},
        CalcCase{"turnsInnerBlank", "KTB130060", "5 0", "5", "1", false, "对不起，绕线圈数必须为数字！"},
        CalcCase{"noCurrent", "KTB130060", "50", "", "1", false, "对不起，请输入电流！"},
        CalcCase{"blankCurrent", "KTB130060", "50", "  ", "1", false, "对不起，请输入电流！"},
        CalcCase{"currentTwoPoints", "KTB130060", "50", "1.2.3", "1", false, "对不起，电流大小为数字！"},
        // The stack text is converted before any check.
        CalcCase{"stackOverflowBeforeCheck", "", "", "", "99999", true, ""},
        CalcCase{"stackEmptyGivesZero", "KTB130060", "50", "5", "", false, "电感量为：0.000μH"},
        CalcCase{"stackLettersGiveZero", "KTB130060", "50", "5", "x", false, "电感量为：0.000μH"},
        // Results.
        CalcCase{"zeroCurrent", "KTB130060", "50", "0", "1", false, "电感量为：152.500μH"},
        CalcCase{"fiveAmps", "KTB130060", "50", "5", "1", false, "电感量为：126.920μH"},
        // Recomputed by hand: one rounding to single, at the end (see
        // tests/engine/formula_steps_reference.py).
        CalcCase{"kta106090At1p5A", "KTA106090", "100", "1.5", "1", false, "电感量为：1052.326μH"},
        CalcCase{"kta200090At0p5A", "KTA200090", "200", "0.5", "1", false, "电感量为：4273.921μH"},
        CalcCase{"kta026090At3001Turns", "KTA026090", "3001", "0", "1", false, "电感量为：351234.031μH"},
        CalcCase{"stackTwoDoubles", "KTB130060", "50", "5", "2", false, "电感量为：253.840μH"},
        CalcCase{"stackTwoAndHalfIsTwo", "KTB130060", "50", "5", "2.5", false, "电感量为：253.840μH"},
        CalcCase{"stackLeadingValue", "KTB130060", "50", "5", "2abc", false, "电感量为：253.840μH"},
        CalcCase{"surroundingBlanks", "KTB130060", " 50 ", " 5 ", "1", false, "电感量为：126.920μH"},
        CalcCase{"turnsTwoAndHalfIsTwo", "KTB130060", "2.5", "0", "1", false, "电感量为：0.244μH"},
        CalcCase{"turnsThreeAndHalfIsFour", "KTB130060", "3.5", "0", "1", false, "电感量为：0.976μH"},
        CalcCase{"noCurveUnderBias", "KRA037125", "50", "1", "1", false, "电感量为：0.000μH"},
        CalcCase{"negativeStack", "KTB130060", "50", "0", "-1", false, "电感量为：-152.500μH"},
        // Failures.
        CalcCase{"turnsOverflow", "KTB130060", "40000", "0", "1", true, ""},
        CalcCase{"currentBeyondSingle", "KTB130060", "50", "1e39", "1", true, ""},
        CalcCase{"fieldBeyondSingle", "KTB130060", "30000", "1e36", "1", true, ""},
        // Not an offered part number: refused where "no core" is, after the stack's conversion.
        CalcCase{"unknownCoreStackOverflowFirst", "XYZ", "50", "5", "99999", true, ""},
        CalcCase{"unknownCoreBeforeTurns", "XYZ", "", "", "1", false, "对不起，请选择磁芯料号！"}),
    [](const auto& info) { return std::string(info.param.name); });

// A part number no window offers (a catalogue row of another series, another
// case, a trailing blank) ends on its own, with the window's "select a core".
TEST(Calculator, RefusesAPartNumberThatIsNotOffered) {
    for (const char* core : {"KRB050060", "XYZ", "kta092060", "KTA092060 "}) {
        const InductanceOutcome got = CalculateInductance(core, "50", "5", "1");
        EXPECT_EQ(got.end, InductanceEnd::UnknownCore) << core;
        EXPECT_EQ(got.resultText, "对不起，请选择磁芯料号！") << core;
        EXPECT_FALSE(got.figures) << core;
    }
}

}  // namespace
}  // namespace zova
