// File names offered for the candidates: the inductance as its figure shows it
// (three decimals) without the zeros nobody types. Expected by hand: a
// converter's 17.592592592592595 µH rounds to 17.593, 30.000000000000004 to 30.
#include <gtest/gtest.h>

#include "presentation/workbench_texts.h"

namespace zova {
namespace {

TEST(CandidatesFileName, HoldsTheInductanceAsItsFigureShowsIt) {
    const struct {
        float current;
        double inductance;
        int stack;
        const char* name;
    } rows[] = {
        {10.0f, 100.0, 1, "候选磁芯_10A_100μH_1个磁芯"},
        {3.45f, 17.592592592592595, 1, "候选磁芯_3.45A_17.593μH_1个磁芯"},
        {11.5f, 30.000000000000004, 2, "候选磁芯_11.5A_30μH_2个磁芯"},
        {0.5f, 0.25, 25, "候选磁芯_0.5A_0.25μH_25个磁芯"},
    };
    for (const auto& r : rows) EXPECT_EQ(workbench::CandidatesFileName(r.current, r.inductance, r.stack), r.name);
}

}  // namespace
}  // namespace zova
