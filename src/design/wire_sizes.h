#pragma once

#include <optional>

namespace zova {

// The smallest nominal conductor diameter (mm) of the IEC 60317 R20 series,
// 0.050 to 5.00 mm, that is at least the bare diameter d (both taken in single
// precision); nothing above 5.00 mm.
std::optional<double> StandardWireDiameter(float d);

// The largest American Wire Gauge 0..40 whose bare diameter is at least d (mm,
// both in single precision); nothing when even gauge 0 is thinner.
std::optional<int> AwgFor(float d);

// The bare diameter (mm) of gauge n: 0.127 × 92^((36 − n) ÷ 39).
double AwgDiameter(int n);

}  // namespace zova
