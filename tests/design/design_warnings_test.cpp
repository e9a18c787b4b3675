// Each warning at its limit, just inside it and just beyond it. A figure at
// its limit raises nothing; the limits are the defaults of DesignLimits.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/design_warnings.h"
#include "support/named_case.h"

namespace zova {
namespace {

using W = DesignWarning;

struct WarningCase {
    const char* name;
    std::function<void(DesignFigures&)> set;
    std::vector<DesignWarning> want;
    DesignLimits limits = {};
};
ZOVA_PRINT_CASE_NAME(WarningCase)

const WarningCase kWarningCases[] = {
    {"nothingToSay", [](DesignFigures&) {}, {}},
    {"riseInside", [](DesignFigures& f) { f.temperatureRise = f.temperatureRiseTotal = 59.9; }, {}},
    {"riseAtLimit", [](DesignFigures& f) { f.temperatureRise = f.temperatureRiseTotal = 60.0; }, {}},
    {"riseBeyond", [](DesignFigures& f) { f.temperatureRise = f.temperatureRiseTotal = 60.1; }, {W::Hot}},
    {"totalRiseWeighed", [](DesignFigures& f) { f.temperatureRise = 50.0, f.temperatureRiseTotal = 60.1; }, {W::Hot}},
    {"dcRiseWhereTotalUnknown", [](DesignFigures& f) { f.temperatureRise = 60.1; }, {W::Hot}},
    {"ownRiseLimit", [](DesignFigures& f) { f.temperatureRise = f.temperatureRiseTotal = 45.0; }, {W::Hot}, {40.0}},
    {"permeabilityInside", [](DesignFigures& f) { f.percentPermeabilityAtPeak = 50.01f; }, {}},
    {"permeabilityAtLimit", [](DesignFigures& f) { f.percentPermeabilityAtPeak = 50.0f; }, {}},
    {"permeabilityBeyond", [](DesignFigures& f) { f.percentPermeabilityAtPeak = 49.99f; }, {W::DeepRollOff}},
    {"ratioInside", [](DesignFigures& f) { f.fluxDensityRatio = 0.799; }, {}},
    {"ratioAtLimit", [](DesignFigures& f) { f.fluxDensityRatio = 0.8; }, {}},
    {"ratioBeyond", [](DesignFigures& f) { f.fluxDensityRatio = 0.801; }, {W::NearSaturation}},
    {"fieldInside", [](DesignFigures& f) { f.fieldStrengthAtPeak = 999.9f; }, {}},
    {"fieldAtTopPoint", [](DesignFigures& f) { f.fieldStrengthAtPeak = 1000.0f; }, {}},
    {"fieldBeyond", [](DesignFigures& f) { f.fieldStrengthAtPeak = 1000.1f; }, {W::BeyondCurve}},
    {"noCurve", [](DesignFigures& f) { f.biasCurve = false; }, {W::NoBiasCurve}},
    {"allInTheirOrder",
     [](DesignFigures& f) {
         f.biasCurve = false, f.temperatureRise = 61.0, f.percentPermeabilityAtPeak = 1.0f;
         f.fluxDensityRatio = 1.1, f.fieldStrengthAtPeak = 1200.0f;
     },
     {W::Hot, W::DeepRollOff, W::NearSaturation, W::BeyondCurve, W::NoBiasCurve}},
};

class Warnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(Warnings, RaisedBeyondTheirLimitsOnly) {
    const WarningCase& c = GetParam();
    DesignFigures f;
    f.biasCurve = true;
    c.set(f);
    EXPECT_EQ(DesignWarningsOf(f, c.limits), c.want);
}

INSTANTIATE_TEST_SUITE_P(Limits, Warnings, ::testing::ValuesIn(kWarningCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
