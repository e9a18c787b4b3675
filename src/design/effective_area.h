#pragma once

namespace zova {

// The effective cross-section (cm²) of one core from its inductance factor:
// L = µ0 µi N² Ae ÷ le, so Ae = AL × le ÷ (µ0 µi); with AL in nH/N² and le in
// cm this is AL × le ÷ (4π × µi) cm². It matches the makers' published Ae
// within a few per cent and keeps the flux density consistent with L.
double EffectiveArea(double inductanceFactor, double pathLength, int permeability);

}  // namespace zova
