#pragma once

#include <cstdint>

#include "catalogue/core_record.h"

namespace zova {

struct BiasCurve;

// Magnetising force of n turns carrying i amperes on the core, in oersted.
float FieldStrength(std::int16_t n, float i, const CoreRecord& core);

// Inductance in µH of n turns on one core at DC current i, with the permeability
// left under that bias taken from the core's curve (0 µH when it has none).
float InductanceAt(std::int16_t n, const CoreRecord& core, float i);

// InductanceAt with the core's curve already looked up (nullptr: no curve). The
// core selection resolves the curve once per core rather than once per turn count.
float InductanceAt(std::int16_t n, const CoreRecord& core, float i, const BiasCurve* curve);

// The core's curve, taken from the series and permeability codes of its part number.
const BiasCurve* CurveOf(const CoreRecord& core);

// Bare copper diameter (mm) for i amperes at 8 A/mm².
float WireDiameter(float i);

// Thickness (mm) added to a bare diameter d for the insulation.
float InsulationAllowance(float d);

}  // namespace zova
