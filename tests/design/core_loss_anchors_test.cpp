// The materials' loss fits against the densities their makers publish for
// the 60 µ grades at 100 kHz (the curves of core-loss density against peak
// flux density in the sendust, high-flux and Fe-Si powder-core catalogues,
// read at 50 and 100 mT; the same values the OpenMagnetics material database
// carries). A fit that drifts, or a swing taken as a peak, misses them.
#include <gtest/gtest.h>

#include "design/core_loss.h"
#include "design/core_loss_fits.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct Anchor {
    const char* name;
    const char* series;
    double peakTesla;
    double published;  // mW/cm³ at 100 kHz
};
ZOVA_PRINT_CASE_NAME(Anchor)

const Anchor kAnchors[] = {
    {"sendust60At100mT", "KTB", 0.100, 550.0},
    {"sendust60At50mT", "KTB", 0.050, 138.7},
    {"highFlux60At100mT", "KTA", 0.100, 625.0},
    {"feSi60At100mT", "KRA", 0.100, 1315.0},
};

class PublishedLoss : public ::testing::TestWithParam<Anchor> {};

TEST_P(PublishedLoss, TheFitGivesTheMakersDensity) {
    const Anchor& a = GetParam();
    const CoreLossFit* fit = CoreLossFitOf(a.series, "060");
    ASSERT_NE(fit, nullptr);
    // The swing is peak to peak: twice the peak the curves are drawn against.
    EXPECT_NEAR(CoreLossDensity(fit->coefficients, 2.0 * a.peakTesla, 100.0), a.published, 0.001 * a.published);
}

INSTANTIATE_TEST_SUITE_P(Materials, PublishedLoss, ::testing::ValuesIn(kAnchors),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
