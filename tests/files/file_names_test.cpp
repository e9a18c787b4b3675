// Expected values: the names a user types in a save dialog and the name the
// file must get, worked by hand.
#include <gtest/gtest.h>

#include <string_view>

#include "files/file_names.h"

namespace zova::files {
namespace {

constexpr std::string_view kChartTypes[] = {"png", "svg"};

TEST(WithExtension, KeepsAKnownExtensionAndAddsTheChosenOneOtherwise) {
    struct Row {
        const char* typed;
        const char* chosen;
        const char* saved;
    };
    const Row rows[] = {
        {"existing", "png", "existing.png"},  // the name the overwrite question must see
        {"chart.png", "png", "chart.png"},
        {"chart.PNG", "svg", "chart.PNG"},  // typed extension wins over the filter
        {"chart.svg", "png", "chart.svg"},
        {"v1.2", "png", "v1.2.png"},
        {"/tmp/a.svg.d/chart", "svg", "/tmp/a.svg.d/chart.svg"},
        {"/tmp/.png", "png", "/tmp/.png.png"},  // a hidden name, not an extension
    };
    for (const Row& r : rows) EXPECT_EQ(WithExtension(r.typed, kChartTypes, r.chosen), r.saved) << r.typed;
}

}  // namespace
}  // namespace zova::files
