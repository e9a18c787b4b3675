// The help page lists every figure with its meaning: a figure added to the
// table without one would show an empty cell there.
#include <gtest/gtest.h>

#include "presentation/figure_meanings.h"
#include "presentation/figure_table.h"

namespace zova {
namespace {

TEST(FigureMeaning, EveryFigureHasOneAndNoOtherKeyDoes) {
    for (const Figure& figure : Figures()) EXPECT_FALSE(FigureMeaning(figure.key).empty()) << figure.key;
    EXPECT_TRUE(FigureMeaning("noSuchFigure").empty());
}

}  // namespace
}  // namespace zova
