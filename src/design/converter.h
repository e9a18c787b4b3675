#pragma once

#include <optional>
#include <string_view>

namespace zova {

// The inductor of a DC-DC converter in continuous conduction with ideal
// switches (R. W. Erickson, D. Maksimović, "Fundamentals of Power Electronics",
// 3rd ed., Springer 2020, ch. 2: the steady state by volt-second balance).
enum class Topology { Buck, Boost, BuckBoost };

// Their names, in the order of the enumeration.
inline constexpr std::string_view kTopologyNames[] = {"buck", "boost", "buck-boost"};

// The topology named "buck", "boost" or "buck-boost".
std::optional<Topology> TopologyNamed(std::string_view name);

struct OperatingPoint {
    double dutyCycle = 0.0;        // D
    double inductorCurrent = 0.0;  // A, the inductor's DC current I_L
    double voltSeconds = 0.0;      // V·µs applied across the inductor while its current rises
    double inductance = 0.0;       // µH
    double ripple = 0.0;           // A peak to peak
    double rippleRatio = 0.0;      // ripple ÷ I_L
    double peakCurrent = 0.0;      // A, I_L + ripple ÷ 2
};

// Vin, Vout (its magnitude for the inverting buck-boost) in V, Io in A,
// frequency in kHz; either the ripple ratio r = ΔI ÷ I_L or the inductance (µH)
// wanted (exactly one of the two). The caller has checked that the voltages suit the topology and
// every value is above 0.
//   buck:       D = Vout ÷ Vin,          I_L = Io,           λ = (Vin − Vout) D ÷ f
//   boost:      D = 1 − Vin ÷ Vout,      I_L = Io ÷ (1 − D), λ = Vin D ÷ f
//   buck-boost: D = Vout ÷ (Vin + Vout), I_L = Io ÷ (1 − D), λ = Vin D ÷ f
// L = λ ÷ (r I_L), or r = λ ÷ (L I_L) for a wanted L; I_pk = I_L (1 + r ÷ 2).
OperatingPoint OperatingPointOf(Topology topology, double vin, double vout, double iout, double frequency,
                                std::optional<double> rippleRatio, std::optional<double> inductance);

}  // namespace zova
