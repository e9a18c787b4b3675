#pragma once

#include <string_view>
#include <vector>

#include "design/design_figures.h"

namespace zova {

// What makes a design doubtful though every figure has a value. The limits are
// rules of thumb for powder-core inductors, not the maker's ratings.
struct DesignLimits {
    double temperatureRise = 60.0;      // K over ambient: a usual ceiling for a winding cooling in still air
    double percentPermeability = 50.0;  // % left at the peak current: below it L falls steeply with current
    double fluxDensityRatio = 0.8;      // peak ÷ saturation flux density: the knee of the B–H curve

    friend bool operator==(const DesignLimits&, const DesignLimits&) = default;
};

enum class DesignWarning {
    Hot,             // the temperature rise is above its limit
    DeepRollOff,     // the permeability left at the peak current is below its limit
    NearSaturation,  // the peak flux density is too close to saturation
    BeyondCurve,     // the field at the peak current is beyond the curve's top point: figures extrapolate
    NoBiasCurve,     // the core has no bias curve: figures at a current are unknown
};

// "hot", "deepRollOff", "nearSaturation", "beyondCurve", "noBiasCurve".
std::string_view KeyOf(DesignWarning warning);

// The warnings the figures raise, in the order of the enumeration. The rise
// weighed is the total one where it is known, which without a frequency is
// the DC one; where the ripple leaves the total unknown the DC rise, which
// the total can only exceed. A figure at its limit raises nothing.
std::vector<DesignWarning> DesignWarningsOf(const DesignFigures& f, const DesignLimits& limits = {});

}  // namespace zova
