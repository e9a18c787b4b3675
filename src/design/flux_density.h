#pragma once

#include "engine/bias_curves.h"

namespace zova {

// Flux density of a powder core under DC bias, from its bias curve.
//
// Model: B(H) = µ0 ∫₀^H µ(H′) dH′ with µ the permeability at each field, the
// defining relation of the differential permeability µd = dB/(µ0 dH) (IEC
// 60050-221, "differential permeability"). The maker's curve gives µ as a
// percentage p of the initial permeability µi, so in CGS units (µ0 = 1,
// 1 G = 1e-4 T, H in Oe) B = 1e-4 × µi × ∫₀^H p(H′)/100 dH′ tesla. Reading the
// published percentage as the differential permeability slightly overstates
// B at high bias (the maker's figure is the incremental one at a small signal),
// which errs towards warning of saturation early rather than late.
//
// p between two neighbouring points of the table is the straight line through
// them, so each segment's share is an exact trapezoid. The points are taken in
// the table's order: a segment whose two fields are equal adds nothing, and
// where the maker's fields fold back (KTB 060's 50/56 Oe, KTB 173's 14.5/15 Oe)
// the backward segment's share is negative, so the path over the fold counts
// once. Below the lowest point p follows the line of the two lowest points, as
// the lookup does; above the top point (1000 Oe) p stays at the top point's
// value. Double arithmetic on the single-precision points.

// ∫₀^h p dH in percent × oersted: the area under the curve up to h ≥ 0.
double CurveArea(const BiasCurve& curve, double h);

// B in tesla at field h (Oe) on a core of initial permeability mu. A stack of
// cores carries the same B: each core sees the same field.
double FluxDensityAt(const BiasCurve& curve, int mu, double h);

}  // namespace zova
