#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/core_record.h"
#include "design/core_loss_fits.h"
#include "design/rolloff.h"

namespace zova {

// What an engineer weighs when choosing a winding on a core: inductance and
// bias, the wire, how the winding lies in the hole, its resistance, losses,
// heating and wound size. The winding uses the selection's wire (sized from the
// current), copper loss at DC only, and cools in still air. The figures from
// meanTurnLength on are empty when the winding does not fit the hole. Each
// figure's model is a file of its own beside this one: wire_sizes,
// winding_layers, copper_resistance, temperature_rise, wound_size, rolloff.
struct DesignFigures {
    float inductance = 0.0f;          // µH at the current, the whole stack
    float inductanceZeroBias = 0.0f;  // µH at 0 A, the whole stack
    float fieldStrength = 0.0f;       // Oe
    double ampereTurnsPerMetre = 0.0;
    float percentPermeability = 0.0f;  // % of initial permeability left; 0 without a curve
    double energy = 0.0;               // µJ
    float bareDiameter = 0.0f;         // mm
    float overallDiameter = 0.0f;      // mm, insulation included
    std::optional<double> standardWire;  // mm
    std::optional<int> awg;
    double windowFill = 0.0;  // turns × overall wire area over the hole's square
    bool fitsWindow = false;  // the selection's fill test
    std::vector<int> turnsPerLayer;
    std::optional<int> layers;
    bool windingFits = false;
    std::optional<double> meanTurnLength;  // mm, first layer
    std::optional<double> wireLength;      // m, leads not counted
    std::optional<double> resistance20;    // Ω
    std::optional<double> resistance100;   // Ω
    std::optional<double> copperLoss20;    // W
    std::optional<double> copperLoss100;   // W
    std::optional<double> woundOD;         // mm
    std::optional<double> woundID;         // mm
    std::optional<double> woundHeight;     // mm
    std::optional<double> surfaceArea;     // cm²
    std::optional<double> temperatureRise;  // K
    std::optional<double> woundVolume;      // cm³
    std::vector<RolloffPoint> rolloff;      // kRolloffPoints, current rising; empty when not asked for

    // Switching operation: the current is the DC part, a triangular ripple
    // rides on it. Without a frequency there is no ripple, no core loss and no
    // AC copper loss, and every figure above is as for DC alone. Without a bias
    // curve the inductance at a current is not known (it reads 0 µH, as in the
    // calculator), and neither is any figure below worked out from it: those
    // are empty. A figure that does not in fact depend on it stays known (no
    // ripple swings no flux, whatever the inductance).
    std::optional<double> ripple;             // A peak to peak; unknown from volt-seconds without a curve
    std::optional<double> peakCurrent;        // A, current + ripple ÷ 2
    float inductanceAtPeak = 0.0f;            // µH, the calculator's at the peak current, the whole stack
    double crossSection = 0.0;                // cm², Ae of one core
    double coreVolume = 0.0;                  // cm³, Ve of the stack
    std::optional<double> fluxSwing;          // T peak to peak
    std::optional<float> fieldStrengthAtPeak;  // Oe at the peak current; none without a curve
    std::optional<double> peakFluxDensity;    // T at the peak current, from the curve (flux_density.h)
    double saturationFluxDensity = 0.0;       // T, the material's
    std::optional<double> fluxDensityRatio;   // peak ÷ saturation flux density
    std::optional<float> percentPermeabilityAtPeak;  // % of initial permeability left at the peak current
    std::optional<double> inductanceMin;      // µH at the current, at the low end of AL's tolerance
    std::optional<double> rippleMax;          // A peak to peak from volt-seconds across inductanceMin
    std::optional<double> coreLossDensity;    // mW/cm³
    std::optional<double> coreLoss;           // W
    std::optional<double> skinDepth;          // mm at 100 °C; none without a frequency
    std::optional<double> acResistanceFactor;  // Dowell's F_R; none without a frequency or a fitting winding
    std::optional<double> acCopperLoss;       // W at 100 °C; none when the winding does not fit
    std::optional<double> totalLoss;          // W: copper at 100 °C, AC copper and core
    std::optional<double> temperatureRiseTotal;  // K, from the total loss
    bool biasCurve = false;                   // the core has a DC-bias curve
    LossCoefficients lossCoefficients;        // the ones used
    const CoreLossFit* lossFit = nullptr;     // their published fit; nullptr for the user's own

    friend bool operator==(const DesignFigures&, const DesignFigures&) = default;
};

// The switching operation a winding works in, beside its DC current.
struct AcDrive {
    double frequency = 0.0;              // kHz, > 0
    std::optional<double> ripple;        // A peak to peak, >= 0; or
    std::optional<double> voltSeconds;   // V·µs across the winding while its current rises, >= 0:
                                         // the ripple then follows from the winding's own inductance

    friend bool operator==(const AcDrive&, const AcDrive&) = default;
};

// The maker's AL holds to ±8 %: a wound core may have that much less inductance.
inline constexpr double kAlTolerance = 8.0;  // %

struct DesignOptions {
    std::optional<AcDrive> ac;                      // none: DC alone
    std::optional<LossCoefficients> coefficients;  // the user's own; otherwise the material's fit
    bool rolloff = true;                            // the roll-off's 51 points, for a chart
    double alTolerance = kAlTolerance;              // ± % of AL the maker guarantees

    friend bool operator==(const DesignOptions&, const DesignOptions&) = default;
};

// The figures of `turns` turns at DC `current` on a stack of `stack` cores.
// Precondition: turns >= 1, current > 0, stack >= 1. Throws ArithmeticError when
// a figure leaves the range of its type.
DesignFigures ComputeDesignFigures(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                                   const DesignOptions& options = {});

}  // namespace zova
