// The circuit-simulator model's tables held to the design's own inductance
// (InductanceAt, tested against the maker's curves in engine/), its names and
// its refusals held to the design's.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/design_command.h"
#include "documents/spice_model.h"
#include "engine/formulas.h"
#include "language/language.h"
#include "support/named_case.h"
#include "support/spice_tables.h"

namespace zova {
namespace {

using test::DesignInductance;
using test::Slope;
using test::TableOf;

// Every core with a curve, at a few windings: linear interpolation in the
// table within its tolerance at 1999 currents that the table was not built
// on, and constant past the top field.
TEST(SpiceTable, WithinToleranceOfTheDesignForEveryCurve) {
    std::size_t largest = 0;
    for (int row = 1; row <= CoreCount(); ++row) {
        const CoreRecord core = CoreCatalogue(row);
        const std::string& partNo = core.PartNo;
        if (CurveOf(core) == nullptr) continue;
        for (const auto& [turns, stack] : {std::pair<std::int16_t, std::int16_t>{7, 1}, {54, 3}}) {
            const std::vector<TablePoint> table = InductanceTable(core, turns, stack);
            largest = std::max(largest, table.size());
            const double top = TopFieldCurrent(core, turns);
            for (int k = 1; k < 2000; ++k) {
                const double i = top * (k + 0.37) / 2000.0;
                const double want = DesignInductance(core, turns, stack, i);
                ASSERT_NEAR(test::Interpolated(table, i), want, kTableTolerance * want)
                    << partNo << " " << turns << " turns at " << i << " A";
            }
            const double beyond = DesignInductance(core, turns, stack, 1.5 * top);
            EXPECT_EQ(test::Interpolated(table, 1.9 * top), beyond) << partNo;
            EXPECT_EQ(table.front().value, DesignInductance(core, turns, stack, 0.0)) << partNo;
        }
    }
    EXPECT_LE(largest, 60u);
}

// LTspice's inductance is the slope of its flux table, read back from the
// text: odd in the current, and within 0.5 % of the design at ten currents
// from 0 A to the top field (and at many more between).
struct FluxCase {
    const char* name;
    const char* partNo;
    std::int16_t turns;
    std::int16_t stack;
};
ZOVA_PRINT_CASE_NAME(FluxCase)

class SpiceFlux : public ::testing::TestWithParam<FluxCase> {};

TEST_P(SpiceFlux, SlopeIsTheDesignsInductance) {
    const FluxCase& c = GetParam();
    const SpiceOutcome o = SpiceModelAsTyped({.partNo = c.partNo,
                                              .turns = std::to_string(c.turns),
                                              .stack = std::to_string(c.stack),
                                              .dialect = SpiceDialect::LTspice});
    ASSERT_TRUE(o.written()) << o.message;
    const std::vector<TablePoint> flux = TableOf(o.text, "Flux={table(x,");
    ASSERT_GT(flux.size(), 4u);
    for (std::size_t k = 0; k < flux.size(); ++k) {
        EXPECT_EQ(flux[k].current, -flux[flux.size() - 1 - k].current);
        EXPECT_EQ(flux[k].value, -flux[flux.size() - 1 - k].value);
    }
    const CoreRecord core = FindCore(c.partNo);
    const double top = TopFieldCurrent(core, c.turns);
    for (int k = 0; k <= 900; ++k) {
        const double i = top * k / 900.0;
        const double want = DesignInductance(core, c.turns, c.stack, i);
        EXPECT_NEAR(Slope(flux, i), want, 0.005 * want) << i << " A";
        EXPECT_NEAR(Slope(flux, -i), want, 0.005 * want) << -i << " A";
    }
    EXPECT_LE(flux.size(), 1200u);
}

INSTANTIATE_TEST_SUITE_P(Series, SpiceFlux,
                         ::testing::Values(FluxCase{"KTA", "KTA106090", 18, 1}, FluxCase{"KTB", "KTB130147", 19, 1},
                                           FluxCase{"KRA", "KRA068060", 40, 1},
                                           FluxCase{"stackOfThree", "KTA092060", 54, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// The subcircuit's name and first line, and the refusals: the design's own
// words for its boxes, and the model's for a core without a curve.
struct TextsCase {
    const char* name;
    SpiceTexts texts;
    DesignEnd end;
    std::string expected;  // the subcircuit's name, or the model's refusal; "" for the design's
};
ZOVA_PRINT_CASE_NAME(TextsCase)

class SpiceTextsRead : public ::testing::TestWithParam<TextsCase> {};

TEST_P(SpiceTextsRead, NameOrRefusal) {
    const TextsCase& c = GetParam();
    const SpiceOutcome o = SpiceModelAsTyped(c.texts);
    EXPECT_EQ(o.end, c.end);
    if (o.written()) {
        EXPECT_EQ(o.name, c.expected);
        EXPECT_TRUE(o.text.starts_with("* " + c.expected + ": ")) << o.text;
        EXPECT_NE(o.text.find(".subckt " + c.expected + " 1 2\n"), std::string::npos);
        EXPECT_TRUE(o.text.ends_with(".ends " + c.expected + "\n"));
    } else {
        // The design's refusal of the same texts, read at the current the
        // model reads them at.
        const std::string_view current = c.texts.withLosses ? c.texts.current : "1";
        const std::string design = DesignAsTyped(c.texts.partNo, c.texts.turns, current, c.texts.stack).message;
        EXPECT_EQ(o.message, c.expected.empty() ? design : c.expected);
        EXPECT_FALSE(o.message.empty());
        EXPECT_EQ(o.text, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpiceTextsRead,
    ::testing::Values(
        TextsCase{"oneCore", {.partNo = "KTA092060", .turns = "54"}, DesignEnd::Found, "KTA092060_54T"},
        TextsCase{"stackSaysSo", {.partNo = " kta092060 ", .turns = "54", .stack = "3"}, DesignEnd::Found,
                  "KTA092060_54T_3S"},
        TextsCase{"noCurve", {.partNo = "KRA037125", .turns = "20"}, DesignEnd::Validation,
                  "该磁芯没有直流偏置曲线，电感量随电流的变化无从得知，无法生成仿真模型。"},
        TextsCase{"unknownCore", {.partNo = "KRB050060", .turns = "20"}, DesignEnd::UnknownCore, ""},
        TextsCase{"halfATurn", {.partNo = "KTA092060", .turns = "2.5"}, DesignEnd::Validation, ""},
        TextsCase{"emptyStack", {.partNo = "KTA092060", .turns = "5", .stack = ""}, DesignEnd::Validation, ""},
        TextsCase{"lossesNeedTheCurrent", {.partNo = "KTA092060", .turns = "5", .withLosses = true},
                  DesignEnd::Validation, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The model's own refusals in English: KRA037125 has no maker's curve, and
// 5000 turns do not fit through KTA092060's hole.
TEST(SpiceTextsRead, RefusesInEnglish) {
    const LanguageScope english(Language::English);
    EXPECT_EQ(SpiceModelAsTyped({.partNo = "KRA037125", .turns = "20"}).message,
              "This core has no DC-bias curve, so how its inductance changes with current is unknown; "
              "no simulation model can be made.");
    EXPECT_EQ(SpiceModelAsTyped({.partNo = "KTA092060", .turns = "5000", .withLosses = true, .current = "1"}).message,
              "The winding does not fit through the core's hole: there is no DC resistance to write into a model "
              "with losses.");
}

}  // namespace
}  // namespace zova
