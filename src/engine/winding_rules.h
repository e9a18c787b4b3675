#pragma once

#include "catalogue/core_record.h"

namespace zova {

// The maker's winding rules for its selection. A toroid is wound through its
// hole by hand or by shuttle, which cannot pack the hole: the turns' insulated
// cross-sections may take 55 % of the hole's square (ID², as the selection
// reckons the window), the rest is the shuttle's and the winder's room.
inline constexpr double kWindowFillLimit = 0.55;

// From 2 mm of bare copper up, a single round wire is too stiff to wind on a
// toroid and far thicker than the skin depth at switching frequencies: the
// selection suggests stranded wire instead.
inline constexpr float kStrandedWireFrom = 2.0f;  // mm

// How many turns of insulated wire of diameter d (mm) the window takes under the
// fill limit: ID² × limit ÷ d². A turn count n fits when this exceeds n.
inline double TurnsTheWindowHolds(const CoreRecord& core, double d) {
    const double id = core.CoatedID;
    return id * id * kWindowFillLimit / (d * d);
}

}  // namespace zova
