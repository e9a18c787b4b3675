// Expected values: the typed texts (1e-3 A is a milliampere; -1, 1,5,
// 1.5 turns, 1e30 A and a stack of 40000 are refused in words), the ranges the
// README states (they hold whatever the selection lists: 1 to 32767 turns and
// cores, up to 10000 A), and KTB130060's 50 turns at 5 A on a stack of 2:
// 253.84 µH (the tool's worked example); KRA 125 has no bias curve.
#include <gtest/gtest.h>

#include "commands/design_command.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct TypedCase {
    const char* name;
    const char* core;
    const char* turns;
    const char* current;
    const char* stack;
    DesignBox box;        // None: read
    const char* refusal;  // "" when read
};
ZOVA_PRINT_CASE_NAME(TypedCase)

using B = DesignBox;
const TypedCase kTyped[] = {
    {"milliampereInExponentForm", "KTB130060", "50", "1e-3", "2", B::None, ""},
    {"blanksAroundAndWholeTurnsWithAPoint", "KTB130060", " 50.0 ", "\t5 ", "2", B::None, ""},
    {"lowerCasePartNumber", " ktb130060", "50", "5", "2", B::None, ""},
    {"upperEndsOfTheRanges", "KRA306075", "32767", "10000", "32767", B::None, ""},
    {"whatTheSelectionListsAtAMicroampere", "KRA306090", "28", "1e-6", "1", B::None, ""},
    {"noCore", "", "50", "5", "1", B::Core, "请选择磁芯料号。"},
    {"unknownCore", "KTA09", "50", "5", "1", B::Core, "目录中没有磁芯料号“KTA09”。"},
    {"noTurns", "KTB130060", "", "5", "1", B::Turns, "请输入绕线圈数。"},
    {"turnsInWords", "KTB130060", "abc", "5", "1", B::Turns, "绕线圈数必须是数字，如 54。"},
    {"halfATurn", "KTB130060", "2.5", "5", "1", B::Turns, "绕线圈数必须是整数。"},
    {"noTurnAtAll", "KTB130060", "0", "5", "1", B::Turns, "绕线圈数应在 1 到 32767 圈之间。"},
    {"turnsBeyondTheRange", "KTB130060", "32768", "5", "1", B::Turns, "绕线圈数应在 1 到 32767 圈之间。"},
    {"negativeCurrent", "KTB130060", "50", "-1", "1", B::Current, "电流不能为负数。"},
    {"decimalComma", "KTB130060", "50", "1,5", "1", B::Current, "电流必须是数字：小数点请用“.”，不用逗号。"},
    {"currentWithALetterInIt", "KTB130060", "50", "1e-3x", "1", B::Current, "电流必须是数字，如 2.5 或 1e-3。"},
    {"twoLinesPasted", "KTB130060", "50", "12\n34", "1", B::Current, "电流必须是数字，如 2.5 或 1e-3。"},
    {"notANumber", "KTB130060", "50", "NaN", "1", B::Current, "电流必须是数字，如 2.5 或 1e-3。"},
    {"noCurrent", "KTB130060", "50", "0", "1", B::Current, "电流应大于 0 且不超过 10000 A。"},
    {"noWindingCarriesIt", "KTB130060", "50", "1e30", "1", B::Current, "电流应大于 0 且不超过 10000 A。"},
    {"beyondDouble", "KTB130060", "50", "1e999", "1", B::Current, "电流应大于 0 且不超过 10000 A。"},
    {"stackOf40000", "KTB130060", "50", "5", "40000", B::Stack, "磁芯个数应在 1 到 32767 个之间。"},
    {"halfACore", "KTB130060", "50", "5", "2.5", B::Stack, "磁芯个数必须是整数。"},
    {"negativeStack", "KTB130060", "50", "5", "-5", B::Stack, "磁芯个数不能为负数。"},
    {"noStack", "KTB130060", "50", "5", "", B::Stack, "请输入磁芯个数。"},
    {"firstBoxFirst", "KTB130060", "1.5", "-1", "400000", B::Turns, "绕线圈数必须是整数。"},
};

class TypedTexts : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedTexts, AreReadAsTypedOrRefusedInWords) {
    const TypedCase& c = GetParam();
    const DesignOutcome o = DesignAsTyped(c.core, c.turns, c.current, c.stack);
    EXPECT_EQ(o.box, c.box);
    EXPECT_EQ(o.message, c.refusal);
    EXPECT_EQ(o.figures.has_value(), c.box == B::None);
}

INSTANTIATE_TEST_SUITE_P(Workbench, TypedTexts, ::testing::ValuesIn(kTyped),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesignAsTyped, GivesTheFiguresOfTheNumbersTyped) {
    const DesignOutcome o = DesignAsTyped("KTB130060", "50", "5", "2");
    ASSERT_TRUE(o.figures.has_value());
    EXPECT_EQ(o.turns, 50);
    EXPECT_EQ(o.current, 5.0f);
    EXPECT_EQ(o.stackSize, 2);
    EXPECT_NEAR(o.figures->inductance, 253.84, 0.005);
    EXPECT_TRUE(o.biasCurve);
    // "1e-3" is a milliampere, not 13 A.
    EXPECT_EQ(DesignAsTyped("KTB130060", "50", "1e-3", "2").current, 0.001f);
    EXPECT_FALSE(DesignAsTyped("KRA037125", "40", "2", "1").biasCurve);
    EXPECT_EQ(DesignAsTyped(" kta092060 ", "54", "10", "1").partNo, "KTA092060");
    // A subnormal current: the engine's own refusal, in the one message.
    EXPECT_EQ(DesignAsTyped("KTA092060", "54", "1e-45", "1").message, "超出计算范围，请您调整计算参数。");
}

// The switching operation's boxes, after the four others; each may stay empty.
TEST(DesignAsTyped, ReadsTheSwitchingOperation) {
    const struct {
        AcTexts ac;
        DesignBox box;
        const char* refusal;
    } rows[] = {
        {{"100", "3", ""}, B::None, ""},
        {{" ", "", "1,2,1.5"}, B::None, ""},
        {{"", "3", ""}, B::Ripple, "给出纹波电流时请同时给出开关频率。"},
        {{"100k", "", ""}, B::Frequency, "开关频率必须是数字，如 2.5 或 1e-3。"},
        {{"0", "", ""}, B::Frequency, "开关频率应在 0.001 到 100000 kHz 之间。"},
        {{"100", "-1", ""}, B::Ripple, "纹波电流不能为负数。"},
        {{"100", "3", "1,2"}, B::Coefficients, "损耗系数须为以逗号分隔的三个正数 a,b,c。"},
        {{"100", "3", "1,2,-3"}, B::Coefficients, "损耗系数须为以逗号分隔的三个正数 a,b,c。"},
        {{"100", "20001", ""}, B::Ripple, "纹波电流应在 0 到 20000 A 之间。"},
    };
    for (const auto& row : rows) {
        const DesignOutcome o = DesignAsTyped("KTA092060", "54", "10", "1", row.ac);
        EXPECT_EQ(o.box, row.box) << row.refusal;
        EXPECT_EQ(o.message, row.refusal);
    }
    // 100 kHz with 3 A of ripple: the figures of tests/design/ac_reference.py's highFluxRipple row.
    const DesignOutcome ac = DesignAsTyped("KTA092060", "54", "10", "1", {"100", "3", ""});
    ASSERT_TRUE(ac.figures);
    EXPECT_NEAR(*ac.figures->totalLoss, 5.19181749342453, 1e-9);
    const DesignOutcome own = DesignAsTyped("KTB130060", "50", "5", "1", {"100", "1", " 1.5, 2 ,3"});
    ASSERT_EQ(own.end, DesignEnd::Found) << own.message;
    EXPECT_EQ(own.figures->lossCoefficients, (LossCoefficients{1.5, 2, 3}));
}

}  // namespace
}  // namespace zova
