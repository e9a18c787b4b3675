#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/core_record.h"

namespace zova {

struct BiasCurve;

// Magnetising force of n turns carrying i amperes on the core, in oersted.
float FieldStrength(std::int16_t n, float i, const CoreRecord& core);

// N² × AL [nH] × percent ÷ this = µH: nH to µH is 1/1000, the percentage a further 1/100.
inline constexpr double kNanohenryPercentPerMicrohenry = 100000.0;

// The wire is sized for this current density, A/mm² (the maker's selection rule).
inline constexpr float kCurrentDensity = 8.0f;

// Inductance in µH of n turns on one core at DC current i, with the permeability
// left under that bias taken from the core's curve (0 µH when it has none).
float InductanceAt(std::int16_t n, const CoreRecord& core, float i);

// InductanceAt with the core's curve already looked up (nullptr: no curve). The
// core selection resolves the curve once per core rather than once per turn count.
float InductanceAt(std::int16_t n, const CoreRecord& core, float i, const BiasCurve* curve);

// InductanceAt with the percentage already looked up on the core's curve at
// FieldStrength(n, i, core), which the caller has computed: a caller that reads
// many fields off one curve (the roll-off) finds them faster than InductanceAt's
// scan, and gets the same bits. At i == 0 the percentage is not used: zero bias
// takes the full initial permeability, as InductanceAt does.
float InductanceAtPercent(std::int16_t n, const CoreRecord& core, float i, float percent);

// The inductance of a stack of identical cores: one core's times their count.
float StackedInductance(float perCore, std::int16_t stack);

// The series code ("KTA") and the permeability code ("060") of a part number:
// its first and last three characters; a shorter text yields itself for both.
std::string_view SeriesCodeOf(std::string_view partNo);
std::string_view PermCodeOf(std::string_view partNo);

// The core's curve, taken from the series and permeability codes of its part number.
const BiasCurve* CurveOf(const CoreRecord& core);

// Bare copper diameter (mm) for i amperes at 8 A/mm².
float WireDiameter(float i);

// Thickness (mm) added to a bare diameter d for the insulation.
float InsulationAllowance(float d);

// The diameter (mm) of the insulated wire over a bare diameter d: the one the
// window's fill and the layers are reckoned with.
float OverallWireDiameter(float d);

}  // namespace zova
