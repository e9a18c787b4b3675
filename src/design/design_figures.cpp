#include "design/design_figures.h"

#include <optional>

#include "design/copper_resistance.h"
#include "design/curve_index.h"
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

}  // namespace

DesignFigures ComputeDesignFigures(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack) {
    DesignFigures f;
    const BiasCurve* curve = CurveOf(core);
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

    f.rolloff = Rolloff(core, turns, current, stack, index ? &*index : nullptr);
    return f;
}

}  // namespace zova
