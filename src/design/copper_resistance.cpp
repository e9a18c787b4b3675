#include "design/copper_resistance.h"

#include <numbers>

namespace zova {

double CopperResistivity(double celsius) { return 0.017241 * (1.0 + 0.00393 * (celsius - 20.0)); }

double WireResistance(double metres, double bare, double celsius) {
    const double area = std::numbers::pi * (bare * bare) / 4.0;  // mm²
    return CopperResistivity(celsius) * metres / area;
}

}  // namespace zova
