// The converter's checks in their order, each row failing only the check it
// names; then a run handed to the selection as the texts a user would type.
#include <gtest/gtest.h>

#include <string>

#include "commands/converter_command.h"
#include "commands/design_command.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct RefusalCase {
    const char* name;
    ConverterTexts texts;
    ConverterEnd end;
    const char* message;
};
ZOVA_PRINT_CASE_NAME(RefusalCase)

ConverterTexts buck() { return {"buck", "48", "12", "10", "100", "", "", "1", ""}; }

ConverterTexts with(ConverterTexts t, std::string_view ConverterTexts::*field, std::string_view value) {
    t.*field = value;
    return t;
}

using T = ConverterTexts;
const RefusalCase kRefusals[] = {
    {"topology", with(buck(), &T::topology, "flyback"), ConverterEnd::Validation,
     "对不起，拓扑须为 buck（降压）、boost（升压）或 buck-boost（升降压）！"},
    {"vinText", with(buck(), &T::vin, "48V"), ConverterEnd::Validation, "对不起，输入电压必须为大于0的数字！"},
    {"voutZero", with(buck(), &T::vout, "0"), ConverterEnd::Validation, "对不起，输出电压必须为大于0的数字！"},
    {"ioutNegative", with(buck(), &T::iout, "-1"), ConverterEnd::Validation, "对不起，输出电流必须为大于0的数字！"},
    {"buckUpward", with(buck(), &T::vout, "48"), ConverterEnd::Validation,
     "对不起，降压变换器的输出电压必须低于输入电压！"},
    {"boostDownward", with(buck(), &T::topology, "boost"), ConverterEnd::Validation,
     "对不起，升压变换器的输出电压必须高于输入电压！"},
    {"frequencyEmpty", with(buck(), &T::frequency, ""), ConverterEnd::Validation, "对不起，开关频率必须为数字！"},
    {"frequencyTooHigh", with(buck(), &T::frequency, "1e6"), ConverterEnd::Validation,
     "对不起，开关频率须在 0.001 至 100000 kHz 之间！"},
    {"bothRatioAndL", with(with(buck(), &T::rippleRatio, "0.3"), &T::inductance, "30"), ConverterEnd::Validation,
     "对不起，纹波率和电感量只能给出其一！"},
    {"ratioAboveTwo", with(buck(), &T::rippleRatio, "2.5"), ConverterEnd::Validation,
     "对不起，纹波率必须大于0且不超过2（电流连续）！"},
    // 90 V·µs over 1 µH is 90 A of ripple on 10 A: discontinuous.
    {"inductanceTooSmall", with(buck(), &T::inductance, "1"), ConverterEnd::Validation,
     "对不起，纹波率必须大于0且不超过2（电流连续）！"},
    {"noCoreReaches", with(buck(), &T::inductance, "1000000"), ConverterEnd::NoResult,
     "没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。"},
};

class ConverterRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ConverterRefusals, SayWhichInputIsWrong) {
    const ConverterOutcome o = RunConverter(GetParam().texts);
    EXPECT_EQ(o.end, GetParam().end);
    EXPECT_EQ(o.message, GetParam().message);
    EXPECT_TRUE(o.figures.empty());
}

INSTANTIATE_TEST_SUITE_P(Converter, ConverterRefusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// 48 V to 12 V at 10 A and 100 kHz, r = 0.3 by default: 30 µH at 11.5 A peak
// (worked in converter_test.cpp), handed on as the texts "11.5" and "30".
TEST(Converter, RunsTheSelectionOnThePeakCurrentAndTheInductance) {
    const ConverterOutcome o = RunConverter(buck());
    ASSERT_EQ(o.end, ConverterEnd::Found) << o.message;
    EXPECT_EQ(o.currentText, "11.5");
    EXPECT_EQ(o.inductanceText, "30");
    EXPECT_EQ(o.selection, SelectCores("11.5", "30", "1"));
    ASSERT_EQ(o.figures.size(), o.selection.cores.size());
    // Each candidate at the inductor's DC current with its own ripple: λ ÷ its own L.
    for (const DesignFigures& f : o.figures) {
        EXPECT_DOUBLE_EQ(f.ripple * f.inductance, 90.0);
        EXPECT_TRUE(f.rolloff.empty());
    }
}

// The design command reads the switching operation after the winding's checks.
TEST(DesignCommand, ChecksTheSwitchingOperation) {
    const struct {
        AcTexts ac;
        const char* message;
    } rows[] = {
        {{"", "1", ""}, "对不起，给出纹波电流时请同时给出开关频率！"},
        {{"abc", "", ""}, "对不起，开关频率必须为数字！"},
        {{"0", "", ""}, "对不起，开关频率须在 0.001 至 100000 kHz 之间！"},
        {{"100", "-0.5", ""}, "对不起，纹波电流不能为负数！"},
        {{"100", "1", "1,2"}, "对不起，损耗系数须为以逗号分隔的三个正数 a,b,c！"},
        {{"100", "1", "1,2,-3"}, "对不起，损耗系数须为以逗号分隔的三个正数 a,b,c！"},
    };
    for (const auto& row : rows) {
        const DesignOutcome o = DesignWinding("KTB130060", "50", "5", "1", row.ac);
        EXPECT_EQ(o.end, DesignEnd::Validation) << row.message;
        EXPECT_EQ(o.message, row.message);
    }
    const DesignOutcome own = DesignWinding("KTB130060", "50", "5", "1", {"100", "1", " 1.5, 2 ,3"});
    ASSERT_EQ(own.end, DesignEnd::Found) << own.message;
    EXPECT_EQ(own.figures->lossCoefficients, (LossCoefficients{1.5, 2, 3}));
}

}  // namespace
}  // namespace zova
