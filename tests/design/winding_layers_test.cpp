// Expected values: layer counts worked by hand for two holes. Layer j has its
// wire centres at R = ID/2 - (j - 1/2) d and holds floor(pi / asin(d / 2R))
// turns; it exists while R >= d/2. With d = 1 mm:
//
//   hole 20 mm                                hole 9.9 mm
//   j  R    asin(1/2R) pi/asin turns          j  R     asin(1/2R) pi/asin turns
//   1  9.5  0.052656   59.66   59             1  4.45  0.112597   27.90   27
//   2  8.5  0.058858   53.38   53             2  3.45  0.145440   21.60   21
//   3  7.5  0.066716   47.09   47             3  2.45  0.205526   15.29   15
//   4  6.5  0.076999   40.80   40             4  1.45  0.352055    8.92    8
//   5  5.5  0.091035   34.51   34             5  0.45  below d/2: no layer (71 in all)
//   6  4.5  0.111341   28.22   28
//   7  3.5  0.143348   21.92   21
//   8  2.5  0.201358   15.60   15
//   9  1.5  0.339837    9.24    9
//  10  0.5  pi/2        2       2   (R = d/2: two turns meeting on the axis)
//  11 -0.5  no layer (308 in all)
//
// Apart from layer 10 (asin(1) is pi/2 to the last bit, so pi / asin is exactly
// 2) no quotient lies within 0.07 of a whole number: the counts do not hang on
// the last bit of asin.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/winding_layers.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct LayerRow {
    const char* name;
    int turns;
    double hole;  // inner diameter, mm
    double wire;  // mm
    std::vector<int> turnsPerLayer;
    bool fits;
};
ZOVA_PRINT_CASE_NAME(LayerRow)

class Layers : public ::testing::TestWithParam<LayerRow> {};

TEST_P(Layers, TurnsPerLayerAndWhetherAllFit) {
    const LayerRow& r = GetParam();
    const WindingLayers got = LayWinding(r.turns, r.hole, r.wire);
    EXPECT_EQ(got.turnsPerLayer, r.turnsPerLayer);
    EXPECT_EQ(got.fits, r.fits);
}

const std::vector<int> kHole20 = {59, 53, 47, 40, 34, 28, 21, 15, 9, 2};
const std::vector<int> kHole9p9 = {27, 21, 15, 8};

INSTANTIATE_TEST_SUITE_P(
    Winding, Layers,
    ::testing::Values(LayerRow{"oneTurn", 1, 20.0, 1.0, {1}, true},
                      LayerRow{"firstLayerFull", 59, 20.0, 1.0, {59}, true},
                      LayerRow{"spillsIntoTheSecond", 60, 20.0, 1.0, {59, 1}, true},
                      LayerRow{"lastLayerAtHalfAWire", 308, 20.0, 1.0, kHole20, true},
                      LayerRow{"oneTurnPastTheTenthLayer", 309, 20.0, 1.0, kHole20, false},
                      LayerRow{"spillsIntoTheThird", 50, 9.9, 1.0, {27, 21, 2}, true},
                      LayerRow{"fourLayersFull", 71, 9.9, 1.0, kHole9p9, true},
                      LayerRow{"fifthLayerBelowHalfAWire", 72, 9.9, 1.0, kHole9p9, false},
                      // Hole twice the wire: one layer at R = d/2 of two turns.
                      LayerRow{"wireHalfTheHole", 3, 2.0, 1.0, {2}, false},
                      // Wire wider than half the hole: R1 = 0.45 < d/2, no layer at all.
                      LayerRow{"wireTooThickForAnyLayer", 1, 1.9, 1.0, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
