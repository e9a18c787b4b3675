// Expected values: the maker's worked figures for KTB130060 (le 8.15 cm, AL 61,
// curve KTB 060) and KRA037125, and the wire formulas evaluated step by step in
// the stated precisions. All comparisons are exact on single-precision values.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "catalogue/catalogue.h"
#include "engine/arithmetic_error.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct BiasRow {
    const char* name;
    std::int16_t turns;
    float current;
    float h;        // only checked when current != 0
    float percent;  // only checked when current != 0
    float inductance;
};
ZOVA_PRINT_CASE_NAME(BiasRow)

class Ktb130060 : public ::testing::TestWithParam<BiasRow> {};

TEST_P(Ktb130060, FieldPercentAndInductance) {
    const auto& r = GetParam();
    const CoreRecord core = FindCore("KTB130060");
    ASSERT_EQ(core.PathLength, 8.15f);
    if (r.current != 0.0f) {
        EXPECT_EQ(FieldStrength(r.turns, r.current, core), r.h);
        EXPECT_EQ(BiasPercent("060", r.h, "KTB"), r.percent);
    }
    EXPECT_EQ(InductanceAt(r.turns, core, r.current), r.inductance);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, Ktb130060,
    ::testing::Values(BiasRow{"zeroCurrent50", 50, 0.0f, 0, 0, 152.5f},
                      BiasRow{"milliamp", 50, 0.001f, 0.0077094487f, 99.996147f, 152.49413f},
                      BiasRow{"fiveAmps", 50, 5.0f, 38.547241f, 83.226379f, 126.92023f},
                      BiasRow{"tenAmps100Turns", 100, 10.0f, 154.18896f, 32.905518f, 200.72366f},
                      BiasRow{"zeroCurrent30", 30, 0.0f, 0, 0, 54.900002f},
                      BiasRow{"negativeCurrent", 30, -2.0f, -9.251338f, 104.62567f, 57.439495f},
                      BiasRow{"zeroTurns", 0, 5.0f, 0.0f, 100.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Formulas, CoreWithoutCurveGivesZeroUnderBias) {
    const CoreRecord core = FindCore("KRA037125");
    ASSERT_EQ(core.AL, 53.0f);
    EXPECT_EQ(InductanceAt(50, core, 1.0f), 0.0f);
    EXPECT_EQ(InductanceAt(50, core, 0.0f), 132.5f);
}

TEST(Formulas, PreResolvedCurveGivesTheSameBits) {
    for (int row = 1; row <= CoreCount(); ++row) {
        const CoreRecord& core = CoreCatalogue(row);
        const BiasCurve* curve = CurveOf(core);
        for (std::int16_t n : {1, 7, 54, 350})
            for (float i : {0.0f, 0.5f, 10.0f, 37.5f})
                ASSERT_EQ(InductanceAt(n, core, i, curve), InductanceAt(n, core, i)) << core.PartNo;
    }
}

struct WireRow {
    const char* name;
    float in;
    float out;
};
ZOVA_PRINT_CASE_NAME(WireRow)

class WireDiameters : public ::testing::TestWithParam<WireRow> {};
TEST_P(WireDiameters, AtEightAmpsPerSquareMillimetre) {
    EXPECT_EQ(WireDiameter(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Formulas, WireDiameters,
                         ::testing::Values(WireRow{"zero", 0.0f, 0.0f}, WireRow{"oneAmp", 1.0f, 0.39894181f},
                                           WireRow{"twoAmps", 2.0f, 0.5641889f},
                                           WireRow{"eightAmps", 8.0f, 1.1283778f},
                                           WireRow{"twentyFive", 25.0f, 1.994709f},
                                           WireRow{"thirty", 30.0f, 2.1850944f}),
                         [](const auto& info) { return std::string(info.param.name); });

class InsulationAllowances : public ::testing::TestWithParam<WireRow> {};
TEST_P(InsulationAllowances, AddedToTheBareDiameter) {
    EXPECT_EQ(InsulationAllowance(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Formulas, InsulationAllowances,
                         ::testing::Values(WireRow{"bare0", 0.0f, 0.007f},
                                           WireRow{"eightAmpWire", 1.1283778f, 0.057777002f},
                                           WireRow{"thirtyAmpWire", 2.1850944f, 0.105329245f}),
                         [](const auto& info) { return std::string(info.param.name); });
// 2.1850944 × 0.045 + 0.007 = 0.10532924604… rounds to the single 0.105329245…,
// which eight significant digits print as 0.10532925; the nine-digit form pins the bits.

TEST(Formulas, OverallDiameterOfTheEightAmpWire) {
    const float bare = WireDiameter(8.0f);
    EXPECT_EQ(InsulationAllowance(bare) + bare, 1.1861548f);
}

// These run in the optimised build as well: the checks must survive -O2.
TEST(FormulaFailures, ZeroRecordWithCurrentIsAnArithmeticError) {
    const CoreRecord zero{};
    EXPECT_THROW(InductanceAt(50, zero, 1.0f), ArithmeticError);   // x / 0
    EXPECT_THROW(InductanceAt(0, zero, 1.0f), ArithmeticError);    // 0 / 0
    EXPECT_THROW(FieldStrength(10, 2.0f, zero), ArithmeticError);
    EXPECT_EQ(InductanceAt(50, zero, 0.0f), 0.0f);                 // no current: no division
}

TEST(FormulaFailures, FieldBeyondSingleRangeIsAnArithmeticError) {
    const CoreRecord core = FindCore("KTB130060");
    EXPECT_THROW(FieldStrength(100, 1.0e38f, core), ArithmeticError);
    EXPECT_THROW(InductanceAt(100, core, 1.0e38f), ArithmeticError);
}

TEST(FormulaFailures, NegativeCurrentHasNoWireDiameter) {
    EXPECT_THROW(WireDiameter(-1.0f), ArithmeticError);
    EXPECT_THROW(WireDiameter(-FLT_MIN), ArithmeticError);
}

TEST(FormulaFailures, InductanceBeyondSingleRangeIsAnArithmeticError) {
    // A large negative current extrapolates the curve far above 100 %.
    const CoreRecord core = FindCore("KTB306173");
    EXPECT_THROW(InductanceAt(32767, core, -1.0e30f), ArithmeticError);
}

}  // namespace
}  // namespace zova
