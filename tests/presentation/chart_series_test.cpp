// Expected values: the axis decades worked out by hand from the operating
// field; KRA037125 has no curve (KRA 125 is not among the maker's curves).
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue.h"
#include "presentation/chart_series.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct AxisCase {
    const char* name;
    float field;
    double from, to;
};
ZOVA_PRINT_CASE_NAME(AxisCase)

const AxisCase kAxisCases[] = {
    {"inside", 38.55f, 1.0, 1000.0},
    {"belowOneOersted", 0.23f, 0.1, 1000.0},
    {"aboveAThousand", 1500.0f, 1.0, 10000.0},
};

class PermeabilityAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(PermeabilityAxis, HoldsTheOperatingFieldInWholeDecades) {
    DesignFigures f;
    f.fieldStrength = GetParam().field;
    const auto chart = PermeabilityChartOf(FindCore("KTB130060"), f);
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->fieldFrom, GetParam().from);
    EXPECT_EQ(chart->fieldTo, GetParam().to);
    // The looked-up line spans the axis, field rising.
    ASSERT_FALSE(chart->lookedUp.empty());
    EXPECT_FLOAT_EQ(chart->lookedUp.front().x, GetParam().from);
    EXPECT_FLOAT_EQ(chart->lookedUp.back().x, GetParam().to);
    EXPECT_TRUE(std::is_sorted(chart->lookedUp.begin(), chart->lookedUp.end(),
                               [](const ChartPoint& a, const ChartPoint& b) { return a.x <= b.x; }));
    EXPECT_EQ(chart->points.size(), 45u);
}

INSTANTIATE_TEST_SUITE_P(Fields, PermeabilityAxis, ::testing::ValuesIn(kAxisCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Axes from 0 with at most six steps of 1, 2, 2.5 or 5 × 10ⁿ, worked by hand:
// 0.5 A is reached in five steps of 0.1 (not four of 0.125, shown as 0.13).
TEST(RoundAxis, StepsOneTwoTwoAndAHalfOrFiveTimesAPowerOfTen) {
    struct Row {
        double highest;
        AxisScale scale;
    };
    const Row rows[] = {
        {0.5, {0.5, 0.1, "%.1f"}},       {20.0, {20.0, 5.0, "%.0f"}},      {156.15, {200.0, 50.0, "%.0f"}},
        {0.7, {0.8, 0.2, "%.1f"}},       {1.3, {1.5, 0.25, "%.2f"}},       {13.0, {15.0, 2.5, "%.1f"}},
        {0.002, {0.002, 0.0005, "%.4f"}}, {3.2e7, {4e7, 1e7, "%.3g"}},      {0.0, {1.0, 0.2, "%.1f"}},
    };
    for (const Row& r : rows) {
        const AxisScale got = RoundAxis(r.highest);
        EXPECT_DOUBLE_EQ(got.top, r.scale.top) << r.highest;
        EXPECT_DOUBLE_EQ(got.step, r.scale.step) << r.highest;
        EXPECT_EQ(got.labelFormat, r.scale.labelFormat) << r.highest;
    }
}

TEST(PermeabilityChart, IsAbsentForACoreWithoutACurve) {
    EXPECT_FALSE(PermeabilityChartOf(FindCore("KRA037125"), DesignFigures{}).has_value());
}

}  // namespace
}  // namespace zova

namespace zova {
namespace {

// 10 A with 3 A peak to peak sweeps 8.5 A to 11.5 A; no ripple, no band.
TEST(InductanceChart, ShadesTheCurrentsTheRippleSweeps) {
    DesignFigures f;
    f.ripple = 3.0;
    EXPECT_EQ(InductanceChartOf(f, 10.0f).rippleBand, std::pair(8.5, 11.5));
    f.ripple = 0.0;
    EXPECT_FALSE(InductanceChartOf(f, 10.0f).rippleBand);
}

}  // namespace
}  // namespace zova
