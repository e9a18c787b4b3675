#include "design/effective_area.h"

#include <numbers>

namespace zova {

double EffectiveArea(double inductanceFactor, double pathLength, int permeability) {
    return inductanceFactor * pathLength / (4.0 * std::numbers::pi * permeability);
}

}  // namespace zova
