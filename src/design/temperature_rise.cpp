#include "design/temperature_rise.h"

#include <cmath>

namespace zova {

double TemperatureRise(double watts, double surfaceSquareCentimetres) {
    return std::pow(watts * 1000.0 / surfaceSquareCentimetres, 0.833);
}

}  // namespace zova
