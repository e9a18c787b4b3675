// Operating points worked by hand from volt-second balance in continuous
// conduction (each row's comment gives the arithmetic).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "design/converter.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct PointCase {
    const char* name;
    Topology topology;
    double vin, vout, iout, kHz;
    std::optional<double> ratio, inductance;
    OperatingPoint want;  // D, I_L, λ, L, ΔI, r, I_pk
};
ZOVA_PRINT_CASE_NAME(PointCase)

const PointCase kPointCases[] = {
    // D = 12/48; λ = (48 − 12) × 0.25 × 1000/100 = 90; L = 90/(0.3 × 10) = 30; ΔI = 3; I_pk = 11.5
    {"buck", Topology::Buck, 48, 12, 10, 100, 0.3, std::nullopt, {0.25, 10, 90, 30, 3, 0.3, 11.5}},
    // D = 1 − 12/48 = 0.75; I_L = 2.5/0.25 = 10; λ = 12 × 0.75 × 10 = 90; L = 90/(0.4 × 10) = 22.5; I_pk = 12
    {"boost", Topology::Boost, 12, 48, 2.5, 100, 0.4, std::nullopt, {0.75, 10, 90, 22.5, 4, 0.4, 12}},
    // D = 12/24; I_L = 5/0.5 = 10; λ = 12 × 0.5 × 1000/50 = 120; r = 120/(40 × 10) = 0.3; I_pk = 11.5
    {"buckBoostWantedL", Topology::BuckBoost, 12, 12, 5, 50, std::nullopt, 40.0, {0.5, 10, 120, 40, 3, 0.3, 11.5}},
};

class OperatingPoints : public ::testing::TestWithParam<PointCase> {};

TEST_P(OperatingPoints, FollowFromVoltSecondBalance) {
    const PointCase& c = GetParam();
    const OperatingPoint p = OperatingPointOf(c.topology, c.vin, c.vout, c.iout, c.kHz, c.ratio, c.inductance);
    EXPECT_DOUBLE_EQ(p.dutyCycle, c.want.dutyCycle);
    EXPECT_DOUBLE_EQ(p.inductorCurrent, c.want.inductorCurrent);
    EXPECT_DOUBLE_EQ(p.voltSeconds, c.want.voltSeconds);
    EXPECT_DOUBLE_EQ(p.inductance, c.want.inductance);
    EXPECT_DOUBLE_EQ(p.ripple, c.want.ripple);
    EXPECT_DOUBLE_EQ(p.rippleRatio, c.want.rippleRatio);
    EXPECT_DOUBLE_EQ(p.peakCurrent, c.want.peakCurrent);
}

INSTANTIATE_TEST_SUITE_P(Converters, OperatingPoints, ::testing::ValuesIn(kPointCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
