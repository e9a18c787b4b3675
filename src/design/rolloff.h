#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/core_record.h"

namespace zova {

class CurveIndex;

// One point of the inductance against DC current.
struct RolloffPoint {
    float current = 0.0f;     // A
    float inductance = 0.0f;  // µH, the whole stack, as the calculator gives it
    float percent = 0.0f;     // % of initial permeability left; 100 at 0 A

    friend bool operator==(const RolloffPoint&, const RolloffPoint&) = default;
};

inline constexpr int kRolloffPoints = 51;

// The calculator's inductance of `turns` on a stack of `stack` cores at
// kRolloffPoints currents evenly spaced from 0 A to twice `current`, each
// current rounded to single. `curve` is the core's curve prepared for lookups,
// nullptr for a core without one (0 % at every field but 0 A). Throws
// ArithmeticError as the calculator would at any of these currents.
std::vector<RolloffPoint> Rolloff(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                                  const CurveIndex* curve);

}  // namespace zova
