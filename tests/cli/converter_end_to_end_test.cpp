// zovamagnetic-cli converter run as a script runs it. The operating point of
// buck 48 V -> 12 V, 10 A, 100 kHz, r = 0.3 is worked by hand in
// tests/design/converter_test.cpp.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/tool_runner.h"

namespace zova {
namespace {

using test::Json;
using test::RunTool;
using Args = std::vector<std::string>;

const Args kBuck = {"converter", "--topology", "buck", "--vin", "48", "--vout", "12", "--iout", "10",
                    "--frequency", "100"};

Args with(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

double number(const Json& j) { return j.isNull() ? NAN : std::stod(j.text); }

TEST(Converter, JsonHoldsThePointAndTheCandidatesByTotalLoss) {
    const Json doc = test::JsonOf(RunTool(with(kBuck, {"--format", "json"})));
    const Json& point = doc["operatingPoint"];
    EXPECT_EQ(point.keys(), (Args{"dutyCycle", "inductorCurrent", "voltSeconds", "inductance", "ripple", "peakCurrent"}));
    EXPECT_EQ(point["inductance"].text, "30");
    EXPECT_EQ(point["peakCurrent"].text, "11.5");
    const Json& candidates = doc["candidates"];
    ASSERT_GT(candidates.items.size(), 1u);
    EXPECT_EQ(candidates[0].keys()[0], "partNo");
    EXPECT_EQ(candidates[0].keys()[1], "turns");
    // Those without a warning first, then those with one, each part by total loss.
    double previous = -INFINITY;
    bool warned = false;
    for (const Json& c : candidates.items) {
        const bool raises = !c["warnings"].items.empty();
        EXPECT_FALSE(warned && !raises) << c["partNo"].str() << " after a warned candidate";
        if (raises && !warned) previous = -INFINITY;
        warned = raises;
        const double loss = number(c["totalLoss"]);
        if (std::isnan(loss)) continue;  // without a total: last
        EXPECT_GE(loss, previous) << c["partNo"].str();
        previous = loss;
    }
    EXPECT_EQ(candidates[0].keys().back(), "warnings");
}

// Boost 100 V -> 400 V, 2 A, 100 kHz, r = 2: many candidates run hot (the
// temperature rise above 60 K). Hidden, none is left that raises a warning,
// and the rest keep their ranking.
TEST(Converter, HidesTheWarnedCandidatesOnRequest) {
    const Args boost = {"converter", "--topology", "boost", "--vin", "100", "--vout", "400", "--iout", "2",
                        "--frequency", "100", "--ripple-ratio", "2", "--format", "json"};
    const Json all = test::JsonOf(RunTool(boost));
    const Json shown = test::JsonOf(RunTool(with(boost, {"--hide-warned"})));
    std::vector<std::string> clean;
    std::size_t hot = 0;
    for (const Json& c : all["candidates"].items) {
        if (c["warnings"].items.empty()) clean.push_back(c["partNo"].str() + c["turns"].text);
        for (const Json& w : c["warnings"].items) hot += w["key"].str() == "hot";
    }
    EXPECT_GT(hot, 50u);
    std::vector<std::string> kept;
    for (const Json& c : shown["candidates"].items) kept.push_back(c["partNo"].str() + c["turns"].text);
    EXPECT_EQ(kept, clean);
}

TEST(Converter, SortsByAnyFigureAndRefusesAKeyThatIsNone) {
    const Json byLayers = test::JsonOf(RunTool(with(kBuck, {"--format", "json", "--sort", "layers"})));
    EXPECT_EQ(byLayers["candidates"][0]["layers"].text, "1");
    const test::ToolRun bad = RunTool(with(kBuck, {"--sort", "partNo"}));
    EXPECT_EQ(bad.exitCode, 64);
    EXPECT_NE(bad.err.find("--sort"), std::string::npos) << bad.err;
}

TEST(Converter, RefusesInChineseWithExitTwo) {
    const test::ToolRun up = RunTool(with(kBuck, {"--ripple-ratio", "0"}));
    EXPECT_EQ(up.exitCode, 2);
    EXPECT_EQ(up.err, "纹波率应大于 0 且不超过 2。\n");
}

}  // namespace
}  // namespace zova
