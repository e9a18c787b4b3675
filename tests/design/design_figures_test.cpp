// Expected values: the worked example of the design figures (KTB130060, 50
// turns, 5 A, stack of 2), compared at the digits it gives, and the rows
// printed by design_reference.py beside this file, an independent computation
// from the figures' formulas that rounds where the engine rounds. The rows are
// compared to the last bit: with its products taken in single precision the
// inductance misses doesNotFit and beyondAwg0 by a unit in the last place, the
// zero-bias inductance manyTurns.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "design/curve_index.h"
#include "commands/design_command.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "support/named_case.h"

namespace zova {
namespace {

// meanTurnLength, wireLength, resistance20, resistance100, copperLoss20,
// copperLoss100, woundOD, woundID, woundHeight, surfaceArea, temperatureRise, woundVolume
using Wound = std::array<double, 12>;

struct ReferenceCase {
    const char* name;
    const char* core;
    std::int16_t turns;
    float current;
    std::int16_t stack;
    double inductance, inductanceZeroBias, fieldStrength, percent, energy, ampereTurnsPerMetre;
    std::optional<double> standardWire;
    std::optional<int> awg;
    double windowFill;
    bool fitsWindow;
    std::vector<int> turnsPerLayer;
    RolloffPoint rolloff10;
    std::optional<Wound> wound;  // empty: the winding does not fit
};
ZOVA_PRINT_CASE_NAME(ReferenceCase)

// Bit for bit (a single-precision figure widens to double exactly); the message
// shows both values to the last bit.
void expectBits(double got, double want, const char* what) {
    EXPECT_EQ(got, want) << what << ": " << std::hexfloat << got << " against " << want;
}

std::optional<Wound> woundOf(const DesignFigures& f) {
    if (!f.windingFits) return std::nullopt;
    const std::optional<double> all[] = {f.meanTurnLength, f.wireLength,   f.resistance20, f.resistance100,
                                         f.copperLoss20,   f.copperLoss100, f.woundOD,     f.woundID,
                                         f.woundHeight,    f.surfaceArea,   f.temperatureRise, f.woundVolume};
    Wound w{};
    for (std::size_t k = 0; k < w.size(); ++k) w[k] = all[k].value_or(NAN);
    return w;
}

class ReferenceFigures : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceFigures, MatchTheReferenceScript) {
    const ReferenceCase& c = GetParam();
    const DesignFigures f = ComputeDesignFigures(FindCore(c.core), c.turns, c.current, c.stack);
    expectBits(f.inductance, c.inductance, "inductance");
    expectBits(f.inductanceZeroBias, c.inductanceZeroBias, "inductanceZeroBias");
    expectBits(f.fieldStrength, c.fieldStrength, "fieldStrength");
    expectBits(f.percentPermeability, c.percent, "percentPermeability");
    expectBits(f.energy, c.energy, "energy");
    expectBits(f.ampereTurnsPerMetre, c.ampereTurnsPerMetre, "ampereTurnsPerMetre");
    EXPECT_EQ(f.standardWire, c.standardWire);
    EXPECT_EQ(f.awg, c.awg);
    expectBits(f.windowFill, c.windowFill, "windowFill");
    EXPECT_EQ(f.fitsWindow, c.fitsWindow);
    EXPECT_EQ(f.turnsPerLayer, c.turnsPerLayer);
    EXPECT_EQ(f.windingFits, c.wound.has_value());
    EXPECT_EQ(f.layers, c.wound ? std::optional<int>(static_cast<int>(c.turnsPerLayer.size())) : std::nullopt);

    ASSERT_EQ(f.rolloff.size(), 51u);
    EXPECT_EQ(f.rolloff[10].current, c.rolloff10.current);
    expectBits(f.rolloff[10].inductance, c.rolloff10.inductance, "rolloff[10].inductance");
    expectBits(f.rolloff[10].percent, c.rolloff10.percent, "rolloff[10].percent");
    EXPECT_EQ(f.rolloff[0].current, 0.0f);
    EXPECT_EQ(f.rolloff[0].percent, 100.0f);
    EXPECT_EQ(f.rolloff[0].inductance, f.inductanceZeroBias);
    EXPECT_EQ(f.rolloff[50].current, 2.0f * c.current);

    const std::optional<Wound> wound = woundOf(f);
    ASSERT_EQ(wound.has_value(), c.wound.has_value());
    if (!wound) {
        EXPECT_FALSE(f.meanTurnLength || f.wireLength || f.resistance20 || f.resistance100 || f.copperLoss20 ||
                     f.copperLoss100 || f.woundOD || f.woundID || f.woundHeight || f.surfaceArea ||
                     f.temperatureRise || f.woundVolume);
        return;
    }
    for (std::size_t k = 0; k < wound->size(); ++k) {
        SCOPED_TRACE(k);
        expectBits((*wound)[k], (*c.wound)[k], "wound figure (index in Wound)");
    }
}

// Printed by design_reference.py.
const ReferenceCase kReferenceCases[] = {
    {"workedExample", "KTB130060", 50, 5.0f, 2,
     253.8404541015625, 305.0, 38.5472412109375, 83.22637939453125, 3173.0056762695312, 3067.484806153692,
     0.9, 19, 0.11840636438615251, true, {50},
     {2.0f, 287.9776306152344f, 94.41889953613281f},
     Wound{63.92059678789191, 3.1960298393945954, 0.08816461085005627, 0.11588356450131397, 2.2041152712514065, 2.897089112532849, 35.70840930938721, 17.421591758728027, 25.09840679168701, 57.15398033849819, 26.31446262879187, 25.13489318036262}},
    {"threeLayers", "KTB130060", 200, 2.0f, 1,
     1711.9578857421875, 2440.0, 61.67558670043945, 70.1622085571289, 3423.915771484375, 4907.975689845907,
     0.63, 23, 0.1910948639715721, true, {98, 92, 10},
     {0.800000011920929f, 2222.81396484375f, 91.09893035888672f},
     Wound{39.62420510311461, 8.344662536474502, 0.5754827065008797, 0.7564144694247564, 2.301930826003519, 3.0256578776990257, 37.40946626663208, 15.720534801483154, 15.189464092254639, 43.45396669840671, 34.280282838368365, 16.69534342456618}},
    {"doesNotFit", "KTB014060", 60, 1.0f, 1,
     25.29405403137207, 46.79999923706055, 92.28690338134766, 54.047122955322266, 12.647027015686035, 7343.941501358614,
     0.4, 26, 4.666368452565417, false, {7},
     {0.4000000059604645f, 39.33194351196289f, 84.04261779785156f},
     std::nullopt},
    {"noCurveThinWire", "KRA037125", 40, 0.01f, 3,
     0.0, 254.40000915527344, 0.23057612776756287, 0.0, 0.0, 18.348622881205323,
     0.05, 40, 0.0052008397225405106, true, {40},
     {0.003999999724328518f, 0.0f, 0.0f},
     Wound{29.03296196576156, 1.1613184786304624, 16.017870294336703, 21.053888714876166, 0.0016017869578282109, 0.0021053887773694008, 10.387378804385662, 4.172621138393879, 11.527378670871258, 6.694170607565281, 0.38153149476133524, 0.9768601210745939}},
    {"thickWireNoStandard", "KTB130060", 3, 200.0f, 1,
     0.29620063304901123, 0.5490000247955322, 92.51338195800781, 53.9527587890625, 5924.012660980225, 7361.963534768861,
     std::nullopt, 3, 0.2806202203787905, true, {3},
     {80.0f, 0.4611453115940094f, 83.99732208251953f},
     Wound{56.29411289266834, 0.168882338678005, 0.0001164682943267444, 0.00015308592606307284, 4.658731773069776, 6.123437042522913, 45.635549545288086, 7.494451522827148, 23.415547370910645, 70.91474202154868, 41.011298662145855, 38.3001756069539}},
    {"beyondAwg0", "KTB130060", 1, 500.0f, 1,
     0.037486184388399124, 0.061000000685453415, 77.094482421875, 61.4527587890625, 4685.7730485498905, 6134.969612307384,
     std::nullopt, std::nullopt, 0.23364640838785833, true, {1},
     {200.0f, 0.0531194694340229f, 87.08110046386719f},
     Wound{67.05803810492452, 0.06705803810492451, 1.8498404266963833e-05, 2.431430256849727e-05, 4.624601066740958, 6.078575642124317, 52.48807716369629, 0.6419239044189453, 30.268074989318848, 93.79023634252003, 32.292347299410885, 65.49316960818601}},
    {"manyTurns", "KTB130060", 999, 0.1f, 1,
     57471.0078125, 60878.0625, 15.403477668762207, 94.40348052978516, 287.3550476263476, 1225.766946804366,
     0.14, 36, 0.05169393494437189, true, {433, 427, 139},
     {0.03999999910593033f, 59441.19921875f, 97.6397705078125f},
     Wound{38.18616028263852, 38.762957431514614, 53.46509650676334, 70.27452284848974, 0.5346509810014739, 0.7027452494283374, 34.66300296783447, 18.46699810028076, 12.443000793457031, 34.285567956659634, 12.377556375118662, 11.742143373074288}},
};

INSTANTIATE_TEST_SUITE_P(Design, ReferenceFigures, ::testing::ValuesIn(kReferenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesignFigures, WorkedExampleAtTheDigitsGiven) {
    const DesignOutcome got = DesignAsTyped("KTB130060", "50", "5", "2");
    ASSERT_EQ(got.end, DesignEnd::Found);
    const DesignFigures& f = *got.figures;
    EXPECT_NEAR(f.inductance, 253.84045, 0.5e-5);
    EXPECT_NEAR(f.percentPermeability, 83.22638, 0.5e-5);
    EXPECT_EQ(f.turnsPerLayer, std::vector<int>{50});
    EXPECT_EQ(f.layers, 1);
    EXPECT_NEAR(f.wireLength.value_or(NAN), 3.19603, 0.5e-5);
    EXPECT_NEAR(f.resistance20.value_or(NAN), 0.0881646, 0.5e-7);
    EXPECT_NEAR(f.copperLoss100.value_or(NAN), 2.89709, 0.5e-5);
    EXPECT_NEAR(f.temperatureRise.value_or(NAN), 26.314, 0.5e-3);
    EXPECT_NEAR(f.woundVolume.value_or(NAN), 25.1349, 0.5e-4);
}

// The selection keeps only windings that reach the target and fill less than
// 55 % of the hole; every candidate's inductance and roll-off are the
// calculator's, point for point, though the figures take a faster path to them.
TEST(CandidateFigures, SameAsTheCalculatorForEveryCandidate) {
    for (const std::int16_t stack : {1, 2}) {
        const SelectionOutcome run = SelectCores("10", "100", std::to_string(stack));
        const CandidateFigures got = FiguresOfCandidates(run);
        ASSERT_EQ(got.end, DesignEnd::Found);
        ASSERT_EQ(got.figures.size(), stack == 1 ? 203u : 232u);
        for (std::size_t i = 0; i < got.figures.size(); ++i) {
            const DesignFigures& f = got.figures[i];
            const CoreRecord& core = CoreCatalogue(run.cores[i].row);
            const std::int16_t n = run.cores[i].turns;
            const std::string perm = core.PartNo.substr(6), series = core.PartNo.substr(0, 3);
            const auto calculator = [&](float amps) { return InductanceAt(n, core, amps) * static_cast<float>(stack); };
            EXPECT_TRUE(f.fitsWindow) << core.PartNo;
            EXPECT_LT(f.windowFill, 0.55) << core.PartNo;
            EXPECT_GE(f.inductance, 100.0f) << core.PartNo;
            EXPECT_EQ(f.inductance, calculator(10.0f)) << core.PartNo;
            EXPECT_EQ(f.percentPermeability, BiasPercent(perm, FieldStrength(n, 10.0f, core), series));
            ASSERT_EQ(f.rolloff.size(), 51u);
            for (std::size_t m = 1; m < f.rolloff.size(); ++m) {
                const RolloffPoint& p = f.rolloff[m];
                EXPECT_EQ(p.inductance, calculator(p.current)) << core.PartNo << " point " << m;
                EXPECT_EQ(p.percent, BiasPercent(perm, FieldStrength(n, p.current, core), series))
                    << core.PartNo << " point " << m;
            }
        }
    }
}

// Fields on, beside and between every point of every curve, below the last
// and beyond 1000 Oe, looked up at random and rising.
TEST(CurveIndex, SameAsTheScanOnEveryCurve) {
    for (const BiasCurve& curve : BiasCurves()) {
        std::vector<float> fields = {-50.0f, -1.0f, 0.0f, 0.5f, 999.0f, 1000.0f, 5000.0f};
        for (int k = 0; k < kCurvePoints; ++k) {
            const float h = curve.h[k];
            fields.insert(fields.end(), {h, std::nextafter(h, 0.0f), std::nextafter(h, 2000.0f), h * 0.75f, h * 1.1f});
        }
        const CurveIndex index(curve);
        for (const float h : fields)
            EXPECT_EQ(index.percentAt(h), CurveLookup(curve.h, curve.percent, h)) << curve.series << curve.perm << " " << h;
        std::sort(fields.begin(), fields.end());
        std::size_t stop = kCurvePoints;
        for (const float h : fields)
            EXPECT_EQ(index.percentAtRising(h, stop), CurveLookup(curve.h, curve.percent, h))
                << curve.series << curve.perm << " " << h;
    }
}

}  // namespace
}  // namespace zova
