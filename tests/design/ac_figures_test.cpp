// Expected values: the rows printed by ac_reference.py beside this file, an
// independent computation of the AC figures from their formulas, one core of
// each series (KTA high flux, KTB sendust, KRA iron-silicon) and one with the
// user's own loss coefficients.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "design/design_figures.h"
#include "support/named_case.h"

namespace zova {
namespace {

// ripple, peakCurrent, inductanceAtPeak, crossSection, coreVolume, fluxSwing,
// peakFluxDensity, saturationFluxDensity, coreLossDensity, coreLoss, skinDepth,
// acResistanceFactor, acCopperLoss, totalLoss, temperatureRiseTotal
using AcRow = std::array<double, 15>;

struct AcCase {
    const char* name;
    const char* core;
    std::int16_t turns;
    float current;
    std::int16_t stack;
    double frequency;
    std::optional<double> ripple;
    std::optional<double> voltSeconds;
    std::optional<LossCoefficients> coefficients;
    AcRow want;
};
ZOVA_PRINT_CASE_NAME(AcCase)

const AcCase kAcCases[] = {
    {"highFluxRipple", "KTA092060", 54, 10.0f, 1, 100.0, 3.0, std::nullopt, std::nullopt,
     {3.0, 11.5, 94.64541625976562, 0.39772821052752755, 2.3386419234182436, 0.14007714463955648, 0.6702160619055604, 1.5, 283.64492739544033, 0.6633439185719007, 0.23964326871414512, 27.96439717742864, 0.7851073493326043, 5.19181749342453, 61.609041679734425}},
    {"sendustStack", "KTB130060", 50, 5.0f, 2, 50.0, 1.0, std::nullopt, std::nullopt,
     {1.0, 5.5, 250.48031616210938, 0.6593656354554619, 10.747659354867972, 0.03849767722975436, 0.2325576879148485, 1.0, 7.143527339568456, 0.07677619843786804, 0.33890676074696413, 2.0607247892596, 0.019900344502968462, 2.993765655473686, 27.043924212037478}},
    {"ironSiliconVoltSeconds", "KRA106090", 30, 8.0f, 1, 200.0, std::nullopt, 60.0, std::nullopt,
     {0.6915154836801864, 8.345757741840092, 85.46119689941406, 0.6344534872247395, 4.028779583370897, 0.03152319342980535, 0.4199456331718307, 1.6, 70.83274613235233, 0.2853695214521149, 0.16945338037348207, 5.416163306925477, 0.006059530658654909, 2.088249325014392, 33.44601262812788}},
    {"ownCoefficients", "KTB130060", 200, 2.0f, 1, 20.0, 0.5, std::nullopt, LossCoefficients{100.0, 2.5, 1.5},
     {0.5, 2.25, 1595.378173828125, 0.6593656354554619, 5.373829677433986, 0.06490927770900737, 0.353559536384162, 1.0, 1.6972153285604397, 0.009120546101613964, 0.5358586391950771, 1.508934141051928, 0.023778742035431146, 3.0585571658360706, 34.59049816465003}},
};

DesignOptions optionsOf(const AcCase& c) {
    DesignOptions o;
    o.ac = AcDrive{c.frequency, c.ripple, c.voltSeconds};
    o.coefficients = c.coefficients;
    return o;
}

class AcFigures : public ::testing::TestWithParam<AcCase> {};

TEST_P(AcFigures, MatchTheReferenceScript) {
    const AcCase& c = GetParam();
    const DesignFigures f = ComputeDesignFigures(FindCore(c.core), c.turns, c.current, c.stack, optionsOf(c));
    ASSERT_TRUE(f.windingFits);
    const AcRow got = {f.ripple.value_or(NAN),    f.peakCurrent.value_or(NAN),  f.inductanceAtPeak,
                       f.crossSection,            f.coreVolume,                 f.fluxSwing.value_or(NAN),
                       f.peakFluxDensity.value_or(NAN), f.saturationFluxDensity, f.coreLossDensity.value_or(NAN),
                       f.coreLoss.value_or(NAN),  f.skinDepth.value_or(NAN),    f.acResistanceFactor.value_or(NAN),
                       f.acCopperLoss.value_or(NAN), f.totalLoss.value_or(NAN), f.temperatureRiseTotal.value_or(NAN)};
    for (std::size_t k = 0; k < got.size(); ++k) EXPECT_NEAR(got[k], c.want[k], std::fabs(c.want[k]) * 1e-9) << k;
}

INSTANTIATE_TEST_SUITE_P(Reference, AcFigures, ::testing::ValuesIn(kAcCases),
                         [](const auto& info) { return std::string(info.param.name); });

// No ripple, or no frequency at all: every DC figure is what DC alone gives,
// no core loss, no AC copper loss; the total loss is the copper loss.
TEST(AcFigures, NoRippleLeavesTheDcFiguresAsTheyAre) {
    const CoreRecord core = FindCore("KTB130060");
    const DesignFigures dc = ComputeDesignFigures(core, 50, 5.0f, 2);
    DesignOptions still;
    still.ac = AcDrive{100.0, 0.0, std::nullopt};
    DesignFigures ac = ComputeDesignFigures(core, 50, 5.0f, 2, still);
    EXPECT_EQ(ac.coreLoss, 0.0);
    EXPECT_EQ(ac.acCopperLoss, 0.0);
    EXPECT_EQ(ac.totalLoss, dc.copperLoss100);
    EXPECT_EQ(ac.temperatureRiseTotal, dc.temperatureRise);
    EXPECT_EQ(ac.inductanceAtPeak, dc.inductance);
    EXPECT_FALSE(dc.skinDepth);
    // What the frequency adds, and nothing else.
    ac.skinDepth = dc.skinDepth;
    ac.acResistanceFactor = dc.acResistanceFactor;
    EXPECT_EQ(ac, dc);
}

// A core without a bias curve (KRA 125 has none): its inductance at a current
// is unknown, so is every figure worked out from it; a figure that does not
// need it (no ripple swings no flux; a given ripple's copper loss; the flux
// a given volt-seconds swings) stays known.
struct NoCurveCase {
    const char* name;
    std::optional<AcDrive> ac;
    // ripple, fluxSwing, coreLoss, acCopperLoss, totalLoss known?
    std::array<bool, 5> known;
};
ZOVA_PRINT_CASE_NAME(NoCurveCase)

class WithoutABiasCurve : public ::testing::TestWithParam<NoCurveCase> {};

TEST_P(WithoutABiasCurve, FiguresThatNeedTheInductanceAreUnknown) {
    const NoCurveCase& c = GetParam();
    DesignOptions options;
    options.ac = c.ac;
    const DesignFigures f = ComputeDesignFigures(FindCore("KRA037125"), 40, 0.5f, 1, options);
    ASSERT_TRUE(f.windingFits);
    EXPECT_FALSE(f.biasCurve);
    const std::array<bool, 5> known = {f.ripple.has_value(), f.fluxSwing.has_value(), f.coreLoss.has_value(),
                                       f.acCopperLoss.has_value(), f.totalLoss.has_value()};
    EXPECT_EQ(known, c.known);
    EXPECT_EQ(f.peakCurrent.has_value(), c.known[0]);
    EXPECT_EQ(f.temperatureRiseTotal.has_value(), c.known[4]);
    for (const auto& unknown : {f.peakFluxDensity, f.fluxDensityRatio, f.inductanceMin, f.rippleMax})
        EXPECT_FALSE(unknown);
    EXPECT_FALSE(f.percentPermeabilityAtPeak);
    EXPECT_FALSE(f.fieldStrengthAtPeak);
    EXPECT_EQ(f.inductance, 0.0f);  // as the calculator reads it
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WithoutABiasCurve,
    ::testing::Values(NoCurveCase{"dc", std::nullopt, {true, true, true, true, true}},
                      NoCurveCase{"noRipple", AcDrive{100.0, 0.0, std::nullopt}, {true, true, true, true, true}},
                      NoCurveCase{"givenRipple", AcDrive{100.0, 0.2, std::nullopt}, {true, false, false, true, false}},
                      NoCurveCase{"voltSeconds", AcDrive{100.0, std::nullopt, 10.0}, {false, true, true, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
