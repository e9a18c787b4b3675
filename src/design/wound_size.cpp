#include "design/wound_size.h"

#include <algorithm>
#include <numbers>

namespace zova {
namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

double MeanTurnLength(const CoreOutline& core, double d, int layer) {
    return (core.outerDiameter - core.innerDiameter) + 2.0 * core.height + 2.0 * kPi * (layer - 0.5) * d;
}

double WireLength(const CoreOutline& core, double d, const std::vector<int>& turnsPerLayer) {
    double millimetres = 0.0;
    for (int j = 1; j <= static_cast<int>(turnsPerLayer.size()); ++j)
        millimetres += turnsPerLayer[j - 1] * MeanTurnLength(core, d, j);
    return millimetres / 1000.0;
}

WoundSize WoundSizeOf(const CoreOutline& core, double d, int layers) {
    const double build = 2.0 * layers * d;
    WoundSize w;
    w.outerDiameter = core.outerDiameter + build;
    w.innerDiameter = std::max(0.0, core.innerDiameter - build);
    w.height = core.height + build;
    const double od = w.outerDiameter, id = w.innerDiameter, h = w.height;
    w.surfaceArea = (kPi * od * h + kPi * id * h + 2.0 * kPi / 4.0 * (od * od - id * id)) / 100.0;
    w.volume = kPi / 4.0 * (od * od) * h / 1000.0;
    return w;
}

}  // namespace zova
