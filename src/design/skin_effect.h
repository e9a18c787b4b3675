#pragma once

namespace zova {

// The switching frequencies (kHz) the AC figures are reckoned for. Below 1 Hz
// Dowell's formula loses its digits (cosh 2Δ − cos 2Δ cancels); far above the
// megahertz no powder core is driven.
inline constexpr double kLowestFrequency = 0.001;
inline constexpr double kHighestFrequency = 100000.0;

// Skin depth (mm) in copper at `frequency` kHz and `celsius`: δ = √(ρ ÷ (π f µ0)),
// 66.1 ÷ √f mm at 20 °C with f in Hz (ρ20 of IEC 60028), scaled by √(ρ(T) ÷ ρ20).
double SkinDepth(double frequency, double celsius);

// Dowell's AC resistance factor F_R = R_ac ÷ R_dc of a winding of `layers`
// layers of round wire of bare diameter `bare` and insulated diameter `overall`
// (mm) at skin depth `skinDepth` (mm). P. L. Dowell, "Effects of eddy currents
// in transformer windings", Proc. IEE 113(8), 1966: each round wire taken as the
// square of equal area (h = 0.886 × bare, √π ÷ 2), the layer's porosity
// η = h ÷ overall, Δ = h ÷ δ × √η;
// F_R = Δ [(sinh 2Δ + sin 2Δ) ÷ (cosh 2Δ − cos 2Δ) + 2(m² − 1) ÷ 3 × (sinh Δ − sin Δ) ÷ (cosh Δ + cos Δ)].
// One-dimensional: it takes the layers as flat and as wide as the window, which
// a toroid's inner layers only approach.
double DowellFactor(int layers, double bare, double overall, double skinDepth);

}  // namespace zova
