#pragma once

#include <vector>

namespace zova {

// The size of a toroid (or a stack of them) once its winding is on: every
// layer of wire of insulated diameter d adds d on each face. A turn of layer j
// runs round the core's cross-section with its centre (j − ½) d away from it,
// a rectangle with rounded corners: (OD − ID) + 2 × height + 2π (j − ½) d.
// Lengths in mm, the core's coated dimensions.
struct CoreOutline {
    double outerDiameter = 0.0;
    double innerDiameter = 0.0;
    double height = 0.0;  // the stack's
};

// The length (mm) of one turn in layer j (1, 2, ...).
double MeanTurnLength(const CoreOutline& core, double d, int layer);

// The wire (m) of a winding laid turnsPerLayer[0] in layer 1, and so on; leads not counted.
double WireLength(const CoreOutline& core, double d, const std::vector<int>& turnsPerLayer);

struct WoundSize {
    double outerDiameter = 0.0;  // mm
    double innerDiameter = 0.0;  // mm, never below 0
    double height = 0.0;         // mm
    double surfaceArea = 0.0;    // cm²: outside, hole and both faces
    double volume = 0.0;         // cm³: the cylinder round it
};

WoundSize WoundSizeOf(const CoreOutline& core, double d, int layers);

}  // namespace zova
