// Expected values: the curve points as published by the maker, and the results
// of the lookup rule (first point at or below x, straight line in double
// precision, rounded to single) worked out by hand for each row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/arithmetic_error.h"
#include "engine/bias_curves.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct LookupCase {
    const char* name;
    const char* series;
    const char* perm;
    float h;
    float percent;
};
ZOVA_PRINT_CASE_NAME(LookupCase)

class CurveLookupCases : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CurveLookupCases, ExactToTheSingle) {
    const auto& c = GetParam();
    EXPECT_EQ(BiasPercent(c.perm, c.h, c.series), c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CurveLookupCases,
    ::testing::Values(
        LookupCase{"ktb026Above1000", "KTB", "026", 2000.0f, 10.0f},
        LookupCase{"ktb026At1000", "KTB", "026", 1000.0f, 10.0f},
        LookupCase{"ktb026Below1000", "KTB", "026", 999.0f, 10.0125f},
        LookupCase{"ktb026Between", "KTB", "026", 500.0f, 19.5f},
        LookupCase{"ktb026OnPoint5", "KTB", "026", 490.0f, 20.0f},
        LookupCase{"ktb026LastPoint", "KTB", "026", 3.0f, 99.0f},
        LookupCase{"ktb026Below", "KTB", "026", 1.0f, 99.14286f},
        LookupCase{"ktb026Zero", "KTB", "026", 0.0f, 99.214287f},
        LookupCase{"ktb026Negative", "KTB", "026", -10.0f, 99.928574f},
        LookupCase{"ktb060Point32", "KTB", "060", 50.0f, 77.5f},
        LookupCase{"ktb060OutOfOrderSegment", "KTB", "060", 49.9f, 80.953125f},
        LookupCase{"ktb060At45", "KTB", "060", 45.0f, 81.71875f},
        LookupCase{"ktb060Point41", "KTB", "060", 15.0f, 94.0f},
        LookupCase{"ktb060Zero", "KTB", "060", 0.0f, 100.0f},
        LookupCase{"ktb160One", "KTB", "160", 1.0f, 100.0f},
        LookupCase{"ktb160Zero", "KTB", "160", 0.0f, 105.0f},
        LookupCase{"ktb173At1000", "KTB", "173", 1000.0f, 0.1f},
        LookupCase{"ktb173Zero", "KTB", "173", 0.0f, 102.8f},
        LookupCase{"kta026Zero", "KTA", "026", 0.0f, 99.714287f},
        LookupCase{"kra026Zero", "KRA", "026", 0.0f, 99.714287f}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoCurveCase {
    const char* name;
    const char* perm;
    const char* series;
};
ZOVA_PRINT_CASE_NAME(NoCurveCase)

class CombinationsWithoutCurve : public ::testing::TestWithParam<NoCurveCase> {};

TEST_P(CombinationsWithoutCurve, GiveZeroAtEveryField) {
    const auto& c = GetParam();
    for (float h : {-5.0f, 0.0f, 1.0f, 50.0f, 999.0f, 1000.0f, 5000.0f})
        EXPECT_EQ(BiasPercent(c.perm, h, c.series), 0.0f) << "H " << h;
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CombinationsWithoutCurve,
    ::testing::Values(NoCurveCase{"krb026", "026", "KRB"}, NoCurveCase{"krb060", "060", "KRB"},
                      NoCurveCase{"krb250", "250", "KRB"}, NoCurveCase{"kwc040", "040", "KWC"},
                      NoCurveCase{"kra125", "125", "KRA"}, NoCurveCase{"kta147", "147", "KTA"},
                      NoCurveCase{"lowerCase", "060", "ktb"}, NoCurveCase{"blankAround", " 060", "KTB"},
                      NoCurveCase{"empty", "", ""}, NoCurveCase{"swappedArguments", "KTB", "060"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Curves, SeventeenCurvesOfFortyFivePointsStartingAt1000) {
    ASSERT_EQ(BiasCurves().size(), 17u);
    for (const auto& c : BiasCurves()) {
        EXPECT_EQ(c.h[0], 1000.0f) << c.series << c.perm;
        EXPECT_NE(c.h[43], c.h[44]) << c.series << c.perm;  // the extrapolation segment has width
        EXPECT_NE(FindBiasCurve(c.perm, c.series), nullptr);
    }
}

TEST(Curves, OutOfOrderPointsAreKeptAsPublished) {
    const BiasCurve* ktb060 = FindBiasCurve("060", "KTB");
    ASSERT_NE(ktb060, nullptr);
    EXPECT_EQ(ktb060->h[32], 56.0f);
    EXPECT_EQ(ktb060->percent[39], 95.0f);
    EXPECT_EQ(ktb060->percent[40], 94.0f);
    const BiasCurve* ktb173 = FindBiasCurve("173", "KTB");
    EXPECT_EQ(ktb173->h[34], 14.5f);
    EXPECT_EQ(ktb173->h[35], 15.0f);
    const BiasCurve* kra060 = FindBiasCurve("060", "KRA");
    EXPECT_EQ(kra060->h[25], 135.0f);
    EXPECT_EQ(kra060->h[26], 135.0f);
}

TEST(Curves, KraTwentySixRepeatsKtaTwentySix) {
    const BiasCurve* kta = FindBiasCurve("026", "KTA");
    const BiasCurve* kra = FindBiasCurve("026", "KRA");
    for (int i = 0; i < kCurvePoints; ++i) {
        EXPECT_EQ(kta->h[i], kra->h[i]);
        EXPECT_EQ(kta->percent[i], kra->percent[i]);
    }
}

TEST(Curves, EveryPointIsReturnedExactlyWhereNoEarlierPointLiesBelowIt) {
    for (const auto& c : BiasCurves()) {
        // A repeated H (KRA 060 points 26 and 27) answers with the first of the two.
        float lowest = c.h[0];
        for (int i = 0; i < kCurvePoints; ++i) {
            if (i == 0 || c.h[i] < lowest) {
                EXPECT_EQ(CurveLookup(c.h, c.percent, c.h[i]), c.percent[i])
                    << c.series << c.perm << " point " << i + 1;
            }
            lowest = std::min(lowest, c.h[i]);
        }
    }
}

TEST(Curves, InterpolationIsDoneInDoubleAndRoundedOnce) {
    // (999 - 1000) * (10 - 12.5) / (1000 - 800) + 10 = 10.0125
    EXPECT_EQ(Interpolate(1000.0f, 800.0f, 10.0f, 12.5f, 999.0f), 10.0125f);
    // A zero-width segment divides by zero: the arithmetic error, not a value.
    EXPECT_THROW(Interpolate(5.0f, 5.0f, 1.0f, 2.0f, 3.0f), ArithmeticError);
    EXPECT_THROW(Interpolate(5.0f, 5.0f, 1.0f, 1.0f, 5.0f), ArithmeticError);  // 0/0
    // Extrapolated far enough the value leaves the single range.
    EXPECT_THROW(Interpolate(10.0f, 9.0f, 0.0f, 100.0f, -3.0e38f), ArithmeticError);
}

}  // namespace
}  // namespace zova
