// The converter's checks in their order, each row failing only the check it
// names; then a run handed to the selection as the texts a user would type.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue.h"
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
     "拓扑须为 buck（降压）、boost（升压）或 buck-boost（升降压）。"},
    {"vinText", with(buck(), &T::vin, "48V"), ConverterEnd::Validation, "输入电压必须是数字，如 2.5 或 1e-3。"},
    {"vinAstronomical", with(buck(), &T::vin, "1e308"), ConverterEnd::Validation, "输入电压应在 0.1 到 10000 V 之间。"},
    {"voutZero", with(buck(), &T::vout, "0"), ConverterEnd::Validation, "输出电压应在 0.1 到 10000 V 之间。"},
    {"voutVanishing", with(buck(), &T::vout, "1e-300"), ConverterEnd::Validation,
     "输出电压应在 0.1 到 10000 V 之间。"},
    {"ioutNegative", with(buck(), &T::iout, "-1"), ConverterEnd::Validation, "输出电流不能为负数。"},
    {"frequencyEmpty", with(buck(), &T::frequency, ""), ConverterEnd::Validation, "请输入开关频率。"},
    {"frequencyTooHigh", with(buck(), &T::frequency, "1e6"), ConverterEnd::Validation,
     "开关频率应在 0.001 到 100000 kHz 之间。"},
    {"bothRatioAndL", with(with(buck(), &T::rippleRatio, "0.3"), &T::inductance, "30"), ConverterEnd::Validation,
     "纹波率和电感量只能给出其一。"},
    {"ratioAboveTwo", with(buck(), &T::rippleRatio, "2.5"), ConverterEnd::Validation, "纹波率应大于 0 且不超过 2。"},
    {"buckUpward", with(buck(), &T::vout, "48"), ConverterEnd::Validation, "降压变换器的输出电压必须低于输入电压。"},
    {"boostDownward", with(buck(), &T::topology, "boost"), ConverterEnd::Validation,
     "升压变换器的输出电压必须高于输入电压。"},
    {"stackNotWhole", with(buck(), &T::stack, "2.5"), ConverterEnd::Validation, "磁芯个数必须是整数。"},
    // 36 V across 1 µH for 2.5 µs (D = 0.25 at 100 kHz) is 90 A of ripple on 10 A: a ratio of 9.
    {"inductanceTooSmall", with(buck(), &T::inductance, "1"), ConverterEnd::Validation,
     "电感量过小：纹波率为 9，超过 2（电流断续），请增大电感量。"},
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
        EXPECT_DOUBLE_EQ(*f.ripple * f.inductance, 90.0);
        EXPECT_TRUE(f.rolloff.empty());
    }
}

// Whatever the selection lists opens in the workbench: 10 A for 100 µH on 25
// stacked cores lists cores that must each read back with their figures.
TEST(Converter, EveryCandidateOfAStackOpensAsADesign) {
    const SelectionOutcome listed = SelectCores("10", "100", "25");
    ASSERT_EQ(listed.end, SelectionEnd::Found);
    for (const SelectedCore& c : listed.cores) {
        const DesignOutcome o = DesignAsTyped(CoreCatalogue(c.row).PartNo, std::to_string(c.turns), "10", "25");
        EXPECT_EQ(o.end, DesignEnd::Found) << CoreCatalogue(c.row).PartNo << ": " << o.message;
    }
}

}  // namespace
}  // namespace zova
