// The sentences of the warnings, on designs whose figures come from the
// reference scripts: KTB135160 with 151 turns at 14 A (flux_reference.py:
// 2.03 % left, B ÷ Bsat 0.847; design_reference.py: 86.7 K), KTA092060 with 54
// turns at 100 A (flux_reference.py: 1154.06 Oe, 6.50 % left, ratio 1.089), and
// KRA037125, which has no bias curve.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "presentation/warning_texts.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct TextCase {
    const char* name;
    const char* core;
    std::int16_t turns;
    float current;
    std::vector<WarningLine> want;
};
ZOVA_PRINT_CASE_NAME(TextCase)

const TextCase kTextCases[] = {
    {"hotDeepAndNearSaturation", "KTB135160", 151, 14.0f,
     {{"hot", "总温升估算 86.7 K 超过 60 K：绕组过热。"},
      {"deepRollOff", "峰值电流下磁导率保持 2.03% 低于 50%：电感量随电流下降过多。"},
      {"nearSaturation", "峰值与饱和磁通密度之比 0.847 超过 0.8：磁芯接近饱和。"}}},
    {"beyondTheCurve", "KTA092060", 54, 100.0f,
     {{"deepRollOff", "峰值电流下磁导率保持 6.50% 低于 50%：电感量随电流下降过多。"},
      {"nearSaturation", "峰值与饱和磁通密度之比 1.089 超过 0.8：磁芯接近饱和。"},
      {"beyondCurve", "峰值电流下磁场强度 1154.06 Oe 超过直流偏置曲线的最高点 1000 Oe：其上的数据是外推值。"}}},
    {"noCurve", "KRA037125", 40, 0.5f,
     {{"noBiasCurve", "这个磁芯没有直流偏置曲线：带电流时的电感量，以及由它算出的磁通密度、损耗和温升无法计算。"}}},
};

class WarningTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(WarningTexts, NameTheFigureItsValueAndTheLimit) {
    const TextCase& c = GetParam();
    DesignOptions options;
    options.rolloff = false;
    EXPECT_EQ(WarningLines(ComputeDesignFigures(FindCore(c.core), c.turns, c.current, 1, options)), c.want);
}

INSTANTIATE_TEST_SUITE_P(Designs, WarningTexts, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
