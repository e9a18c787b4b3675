// Every step of the formulas at its stated precision. The rows and their values
// come from formula_steps_reference.py beside this file, which also names the
// wrong evaluation (a step in single precision, an early rounding) each row
// tells apart.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct CoreStep {
    const char* name;
    const char* partNo;
    std::int16_t turns;
    float current;
    float field;    // Oe; not computed at 0 A
    float percent;  // not consulted at 0 A
    float inductance;
};
ZOVA_PRINT_CASE_NAME(CoreStep)

class InductanceSteps : public ::testing::TestWithParam<CoreStep> {};

TEST_P(InductanceSteps, FieldPercentAndInductanceToTheBit) {
    const CoreStep& r = GetParam();
    const CoreRecord core = FindCore(r.partNo);
    ASSERT_EQ(core.PartNo, r.partNo);
    if (r.current != 0.0f) {
        EXPECT_EQ(FieldStrength(r.turns, r.current, core), r.field);
        const std::string partNo = r.partNo;
        EXPECT_EQ(BiasPercent(partNo.substr(6), r.field, partNo.substr(0, 3)), r.percent);
    }
    EXPECT_EQ(InductanceAt(r.turns, core, r.current), r.inductance);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, InductanceSteps,
    ::testing::Values(
        CoreStep{"workedZeroCurrent", "KTB130060", 50, 0.0f, 0.0f, 0.0f, 152.5f},
        CoreStep{"workedFiveAmps", "KTB130060", 50, 5.0f, 38.5472412f, 83.2263794f, 126.920227f},
        CoreStep{"workedTenAmps", "KTB130060", 100, 10.0f, 154.188965f, 32.9055176f, 200.723663f},
        CoreStep{"workedNegative", "KTB130060", 30, -2.0f, -9.25133801f, 104.625671f, 57.4394951f},
        CoreStep{"kta106090At1p5A", "KTA106090", 100, 1.5f, 29.6844101f, 93.126236f, 1052.32642f},
        CoreStep{"kta200090At0p5A", "KTA200090", 200, 0.5f, 9.87148476f, 98.0257034f, 4273.9209f},
        CoreStep{"kta026090At3001Turns", "KTA026090", 3001, 0.0f, 0.0f, 0.0f, 351234.031f},
        CoreStep{"interpolationQuotientRoundedToSingle", "KTB130060", 299, 17.8999996f, 825.234741f, 5.8738265f,
                 320.326843f}),
    [](const auto& info) { return std::string(info.param.name); });

struct WireStep {
    const char* name;
    float current;
    float bare;       // mm
    float allowance;  // mm
};
ZOVA_PRINT_CASE_NAME(WireStep)

class WireSteps : public ::testing::TestWithParam<WireStep> {};

TEST_P(WireSteps, DiameterAndAllowanceToTheBit) {
    const WireStep& r = GetParam();
    EXPECT_EQ(WireDiameter(r.current), r.bare);
    EXPECT_EQ(InsulationAllowance(r.bare), r.allowance);
}

INSTANTIATE_TEST_SUITE_P(Formulas, WireSteps,
                         ::testing::Values(WireStep{"eightAmps", 8.0f, 1.1283778f, 0.0577770025f},
                                           WireStep{"thirtyAmps", 30.0f, 2.18509436f, 0.105329245f}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
