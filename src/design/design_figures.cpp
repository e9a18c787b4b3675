#include "design/design_figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "design/curve_index.h"
#include "design/winding_layers.h"
#include "design/wire_sizes.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/fp_check.h"

namespace zova {

using detail::checked;

namespace {

constexpr double kPi = std::numbers::pi;

// Annealed copper (IEC 60028): 0.017241 Ω·mm²/m at 20 °C, 0.00393 per kelvin.
double copperResistivity(double celsius) { return 0.017241 * (1.0 + 0.00393 * (celsius - 20.0)); }

// The selection's share of the hole a winding may fill.
constexpr double kFillLimit = 0.55;

// Empirical still-air rise of a wound toroid: K from mW per cm² of surface.
constexpr double kRiseExponent = 0.833;

float stacked(float perCore, std::int16_t stack) {
    return checked(perCore * static_cast<float>(stack), "stacked inductance");
}

// The core's curve, if it has one: 0 % at every field otherwise.
class Permeability {
public:
    explicit Permeability(const BiasCurve* curve) {
        if (curve != nullptr) index_.emplace(*curve);
    }
    float percentAt(float h) const { return index_ ? index_->percentAt(h) : 0.0f; }
    float percentAtRising(float h) { return index_ ? index_->percentAtRising(h, stop_) : 0.0f; }
    float inductanceAt(std::int16_t n, const CoreRecord& core, float i, float h, float percent) {
        return known_.inductanceAt(n, core, i, h, percent);
    }

private:
    std::optional<CurveIndex> index_;
    std::size_t stop_ = kCurvePoints;  // of the rising lookups
    KnownPercent known_;
};

// The calculator's inductance of the stack at a nonzero current, and the
// percentage it takes from the curve.
RolloffPoint biased(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                    Permeability& permeability, bool rising) {
    const float h = FieldStrength(turns, current, core);
    const float percent = rising ? permeability.percentAtRising(h) : permeability.percentAt(h);
    return {current, stacked(permeability.inductanceAt(turns, core, current, h, percent), stack), percent};
}

std::vector<RolloffPoint> rolloff(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                                  Permeability& permeability) {
    std::vector<RolloffPoint> points;
    points.reserve(kRolloffPoints);
    const double span = 2.0 * static_cast<double>(current);
    for (int m = 0; m < kRolloffPoints; ++m) {
        const float im = checked(static_cast<float>(m * span / (kRolloffPoints - 1)), "rolloff current");
        // At 0 A the calculator takes the full initial permeability.
        points.push_back(m == 0 ? RolloffPoint{im, stacked(InductanceAt(turns, core, im), stack), 100.0f}
                                : biased(core, turns, im, stack, permeability, true));
    }
    return points;
}

// The figures that need every turn placed.
void addWoundFigures(DesignFigures& f, const CoreRecord& core, float current, std::int16_t stack) {
    const double od = core.CoatedOD;
    const double id = core.CoatedID;
    const double wire = f.overallDiameter;
    const double bare = f.bareDiameter;
    const double amps = current;
    const double stackHeight = static_cast<double>(stack) * static_cast<double>(core.CoatedHeight);
    const int layers = static_cast<int>(f.turnsPerLayer.size());

    // A turn's centre line runs round the core's cross-section (j − ½) wire
    // diameters out from it.
    const auto meanTurn = [&](int j) { return (od - id) + 2.0 * stackHeight + 2.0 * kPi * (j - 0.5) * wire; };
    double turnMillimetres = 0.0;
    for (int j = 1; j <= layers; ++j) turnMillimetres += f.turnsPerLayer[j - 1] * meanTurn(j);

    const double length = checked(turnMillimetres / 1000.0, "wire length");
    const double area = kPi * (bare * bare) / 4.0;
    const double r20 = checked(copperResistivity(20.0) * length / area, "resistance");
    const double r100 = checked(copperResistivity(100.0) * length / area, "resistance");
    const double build = 2.0 * layers * wire;
    const double woundOD = od + build;
    const double woundID = std::max(0.0, id - build);
    const double woundHeight = stackHeight + build;
    const double surface = (kPi * woundOD * woundHeight + kPi * woundID * woundHeight +
                            2.0 * kPi / 4.0 * (woundOD * woundOD - woundID * woundID)) /
                           100.0;

    f.layers = layers;
    f.meanTurnLength = meanTurn(1);
    f.wireLength = length;
    f.resistance20 = r20;
    f.resistance100 = r100;
    f.copperLoss20 = checked(amps * amps * r20, "copper loss");
    f.copperLoss100 = checked(amps * amps * r100, "copper loss");
    f.woundOD = woundOD;
    f.woundID = woundID;
    f.woundHeight = woundHeight;
    f.surfaceArea = surface;
    f.temperatureRise = checked(std::pow(*f.copperLoss100 * 1000.0 / surface, kRiseExponent), "temperature rise");
    f.woundVolume = checked(kPi / 4.0 * (woundOD * woundOD) * woundHeight / 1000.0, "wound volume");
}

}  // namespace

DesignFigures ComputeDesignFigures(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack) {
    DesignFigures f;
    Permeability permeability(CurveOf(core));
    const double n = turns;
    const double amps = current;

    const RolloffPoint atCurrent = biased(core, turns, current, stack, permeability, false);
    f.inductance = atCurrent.inductance;
    f.inductanceZeroBias = stacked(InductanceAt(turns, core, 0.0f), stack);
    f.fieldStrength = FieldStrength(turns, current, core);
    f.ampereTurnsPerMetre = checked(n * amps / (static_cast<double>(core.PathLength) / 100.0), "A/m");
    f.percentPermeability = atCurrent.percent;
    f.energy = checked(0.5 * static_cast<double>(f.inductance) * (amps * amps), "energy");

    f.bareDiameter = WireDiameter(current);
    f.overallDiameter = checked(InsulationAllowance(f.bareDiameter) + f.bareDiameter, "wire diameter");
    f.standardWire = StandardWireDiameter(f.bareDiameter);
    f.awg = AwgFor(f.bareDiameter);

    const double wire = f.overallDiameter;
    const double id = core.CoatedID;
    f.windowFill = checked(n * (wire * wire) / (id * id), "window fill");
    f.fitsWindow = id * id * kFillLimit / (wire * wire) > n;

    WindingLayers laid = LayWinding(turns, id, wire);
    f.turnsPerLayer = std::move(laid.turnsPerLayer);
    f.windingFits = laid.fits;
    if (f.windingFits) addWoundFigures(f, core, current, stack);

    f.rolloff = rolloff(core, turns, current, stack, permeability);
    return f;
}

}  // namespace zova
