#include "design/skin_effect.h"

#include <cmath>

#include "design/copper_resistance.h"

namespace zova {

double SkinDepth(double frequency, double celsius) {
    return 66.1 / std::sqrt(frequency * 1000.0) * std::sqrt(CopperResistivity(celsius) / CopperResistivity(20.0));
}

double DowellFactor(int layers, double bare, double overall, double skinDepth) {
    const double h = 0.886 * bare;
    const double eta = h / overall;
    const double d = h / skinDepth * std::sqrt(eta);
    const double m = layers;
    const double skin = (std::sinh(2.0 * d) + std::sin(2.0 * d)) / (std::cosh(2.0 * d) - std::cos(2.0 * d));
    const double proximity = (std::sinh(d) - std::sin(d)) / (std::cosh(d) + std::cos(d));
    return d * (skin + 2.0 * (m * m - 1.0) / 3.0 * proximity);
}

}  // namespace zova
