#pragma once

#include <vector>

namespace zova {

// A winding laid turn against turn on the inside of a toroid's hole: layer j
// (1, 2, ...) has its wire centres on the circle of radius
// innerDiameter ÷ 2 − (j − ½) × wireDiameter and holds
// ⌊π ÷ asin(wireDiameter ÷ (2 × radius))⌋ turns; a layer exists while its radius
// is at least wireDiameter ÷ 2. Turns fill layer 1 first, then 2, and so on.
struct WindingLayers {
    std::vector<int> turnsPerLayer;  // turns placed in each layer used, from the core outwards
    bool fits = false;               // whether every turn was placed
};

// Precondition: turns >= 1, wireDiameter > 0.
WindingLayers LayWinding(int turns, double innerDiameter, double wireDiameter);

}  // namespace zova
