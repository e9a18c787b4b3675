#include "design/winding_layers.h"

#include <cmath>
#include <numbers>

namespace zova {

WindingLayers LayWinding(int turns, double innerDiameter, double wireDiameter) {
    WindingLayers w;
    int left = turns;
    for (int j = 1; left > 0; ++j) {
        const double radius = innerDiameter / 2.0 - (j - 0.5) * wireDiameter;
        if (!(radius >= wireDiameter / 2.0)) break;
        // Each turn spans the angle 2 asin(d ÷ 2R) seen from the core's axis.
        const double room = std::floor(std::numbers::pi / std::asin(wireDiameter / (2.0 * radius)));
        const int placed = room >= left ? left : static_cast<int>(room);
        w.turnsPerLayer.push_back(placed);
        left -= placed;
    }
    w.fits = left == 0;
    return w;
}

}  // namespace zova
