#include "design/design_figures.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "design/copper_resistance.h"
#include "design/core_loss.h"
#include "design/core_material.h"
#include "design/curve_index.h"
#include "design/effective_area.h"
#include "design/flux_density.h"
#include "design/skin_effect.h"
#include "design/temperature_rise.h"
#include "design/winding_layers.h"
#include "design/wire_sizes.h"
#include "design/wound_size.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/fp_check.h"
#include "engine/winding_rules.h"

namespace zova {

using detail::checked;

namespace {

// The figures that need every turn placed.
void addWoundFigures(DesignFigures& f, const CoreRecord& core, float current, std::int16_t stack) {
    const CoreOutline outline{core.CoatedOD, core.CoatedID,
                              static_cast<double>(stack) * static_cast<double>(core.CoatedHeight)};
    const double wire = f.overallDiameter;
    const double bare = f.bareDiameter;
    const double amps = current;
    const int layers = static_cast<int>(f.turnsPerLayer.size());

    const double length = checked(WireLength(outline, wire, f.turnsPerLayer), "wire length");
    const double r20 = checked(WireResistance(length, bare, 20.0), "resistance");
    const double r100 = checked(WireResistance(length, bare, 100.0), "resistance");
    const WoundSize wound = WoundSizeOf(outline, wire, layers);

    f.layers = layers;
    f.meanTurnLength = MeanTurnLength(outline, wire, 1);
    f.wireLength = length;
    f.resistance20 = r20;
    f.resistance100 = r100;
    f.copperLoss20 = checked(amps * amps * r20, "copper loss");
    f.copperLoss100 = checked(amps * amps * r100, "copper loss");
    f.woundOD = wound.outerDiameter;
    f.woundID = wound.innerDiameter;
    f.woundHeight = wound.height;
    f.surfaceArea = wound.surfaceArea;
    f.temperatureRise = checked(TemperatureRise(*f.copperLoss100, wound.surfaceArea), "temperature rise");
    f.woundVolume = checked(wound.volume, "wound volume");
}

// The ripple, the flux it swings and the losses it adds. Arithmetic in double;
// the engine's results enter as they are. `curve` is nullptr for a core
// without one: the inductance at the current, and what follows from it, is
// then not known.
void addAcFigures(DesignFigures& f, const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                  const CurveIndex* index, const DesignOptions& options) {
    const std::string_view series = SeriesCodeOf(core.PartNo);
    const std::string_view perm = PermCodeOf(core.PartNo);
    const int mu = PermeabilityOf(perm).value_or(0);
    const double n = turns;
    const double k = stack;
    const std::optional<double> inductance =
        index ? std::optional<double>(f.inductance) : std::nullopt;  // µH at the DC current

    std::optional<double> lambda;  // V·µs
    const std::optional<double> voltSeconds = options.ac ? options.ac->voltSeconds : std::nullopt;
    if (voltSeconds) {
        lambda = *voltSeconds;
        if (inductance) f.ripple = checked(*lambda / *inductance, "ripple");
    } else {
        f.ripple = options.ac && options.ac->ripple ? *options.ac->ripple : 0.0;
        if (inductance) lambda = checked(*inductance * *f.ripple, "volt-seconds");
        else if (*f.ripple == 0.0) lambda = 0.0;
    }
    float peak = current;
    if (f.ripple) {
        f.peakCurrent = checked(current + *f.ripple / 2.0, "peak current");
        peak = checked(static_cast<float>(*f.peakCurrent), "peak current");
    }
    // Without a ripple the peak is the DC current, whose inductance is known.
    f.inductanceAtPeak = peak == current ? f.inductance : StackedInductance(InductanceAt(turns, core, peak), stack);

    f.crossSection = checked(EffectiveArea(core.AL, core.PathLength, mu), "Ae");
    f.coreVolume = checked(k * f.crossSection * core.PathLength, "Ve");
    if (lambda) f.fluxSwing = checked(*lambda / (n * k * f.crossSection) * 0.01, "flux swing");
    if (const auto material = MaterialOf(series)) f.saturationFluxDensity = material->saturation;
    if (index && f.peakCurrent) {
        const float h = FieldStrength(turns, peak, core);
        f.fieldStrengthAtPeak = h;
        f.percentPermeabilityAtPeak = index->percentAt(h);
        f.peakFluxDensity = FluxDensityAt(index->curve(), mu, h);
        if (f.saturationFluxDensity > 0.0)
            f.fluxDensityRatio = checked(*f.peakFluxDensity / f.saturationFluxDensity, "flux density ratio");
    }
    if (index) {
        const double lowest = checked(static_cast<double>(f.inductance) * (1.0 - options.alTolerance / 100.0),
                                      "inductance");
        f.inductanceMin = lowest;
        if (options.ac && options.ac->voltSeconds) f.rippleMax = checked(*options.ac->voltSeconds / lowest, "ripple");
    }

    f.lossFit = options.coefficients ? nullptr : CoreLossFitOf(series, perm);
    f.lossCoefficients = options.coefficients ? *options.coefficients
                         : f.lossFit          ? f.lossFit->coefficients
                                              : LossCoefficients{};
    if (options.ac) {
        const double frequency = options.ac->frequency;
        if (f.fluxSwing) {
            f.coreLossDensity = checked(CoreLossDensity(f.lossCoefficients, *f.fluxSwing, frequency), "core loss");
            f.coreLoss = checked(*f.coreLossDensity * f.coreVolume / 1000.0, "core loss");
        }
        f.skinDepth = checked(SkinDepth(frequency, 100.0), "skin depth");
    } else {
        f.coreLossDensity = 0.0;
        f.coreLoss = 0.0;
    }
    if (!f.windingFits) return;
    std::optional<double> acLoss = 0.0;
    if (options.ac) {
        f.acResistanceFactor =
            checked(DowellFactor(*f.layers, f.bareDiameter, f.overallDiameter, *f.skinDepth), "AC resistance");
        acLoss.reset();
        if (f.ripple) {
            const double rms = *f.ripple / std::sqrt(12.0);  // of a triangle of this peak-to-peak
            acLoss = checked(*f.acResistanceFactor * *f.resistance100 * (rms * rms), "AC copper loss");
        }
    }
    f.acCopperLoss = acLoss;
    if (!acLoss || !f.coreLoss) return;
    f.totalLoss = checked(*f.copperLoss100 + *acLoss + *f.coreLoss, "total loss");
    f.temperatureRiseTotal = checked(TemperatureRise(*f.totalLoss, *f.surfaceArea), "temperature rise");
}

}  // namespace

DesignFigures ComputeDesignFigures(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                                   const DesignOptions& options) {
    DesignFigures f;
    const BiasCurve* curve = CurveOf(core);
    f.biasCurve = curve != nullptr;
    std::optional<CurveIndex> index;
    if (curve != nullptr) index.emplace(*curve);
    const double n = turns;
    const double amps = current;

    f.fieldStrength = FieldStrength(turns, current, core);
    f.percentPermeability = index ? index->percentAt(f.fieldStrength) : 0.0f;
    f.inductance = StackedInductance(InductanceAtPercent(turns, core, current, f.percentPermeability), stack);
    f.inductanceZeroBias = StackedInductance(InductanceAt(turns, core, 0.0f), stack);
    f.ampereTurnsPerMetre = checked(n * amps / (static_cast<double>(core.PathLength) / 100.0), "A/m");
    f.energy = checked(0.5 * static_cast<double>(f.inductance) * (amps * amps), "energy");

    f.bareDiameter = WireDiameter(current);
    f.overallDiameter = OverallWireDiameter(f.bareDiameter);
    f.standardWire = StandardWireDiameter(f.bareDiameter);
    f.awg = AwgFor(f.bareDiameter);

    const double wire = f.overallDiameter;
    const double id = core.CoatedID;
    f.windowFill = checked(n * (wire * wire) / (id * id), "window fill");
    f.fitsWindow = TurnsTheWindowHolds(core, wire) > n;

    WindingLayers laid = LayWinding(turns, id, wire);
    f.turnsPerLayer = std::move(laid.turnsPerLayer);
    f.windingFits = laid.fits;
    if (f.windingFits) addWoundFigures(f, core, current, stack);
    addAcFigures(f, core, turns, current, stack, index ? &*index : nullptr, options);

    if (options.rolloff) f.rolloff = Rolloff(core, turns, current, stack, index ? &*index : nullptr);
    return f;
}

}  // namespace zova
