#include "design/converter.h"

#include <cstddef>
#include <iterator>

namespace zova {

std::optional<Topology> TopologyNamed(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kTopologyNames); ++i)
        if (name == kTopologyNames[i]) return static_cast<Topology>(i);
    return std::nullopt;
}

OperatingPoint OperatingPointOf(Topology topology, double vin, double vout, double iout, double frequency,
                                std::optional<double> rippleRatio, std::optional<double> inductance) {
    OperatingPoint p;
    // f in kHz: 1 ÷ f is 1000 ÷ f µs.
    switch (topology) {
        case Topology::Buck:
            p.dutyCycle = vout / vin;
            p.inductorCurrent = iout;
            p.voltSeconds = (vin - vout) * p.dutyCycle * 1000.0 / frequency;
            break;
        case Topology::Boost:
            p.dutyCycle = 1.0 - vin / vout;
            p.inductorCurrent = iout / (1.0 - p.dutyCycle);
            p.voltSeconds = vin * p.dutyCycle * 1000.0 / frequency;
            break;
        case Topology::BuckBoost:
            p.dutyCycle = vout / (vin + vout);
            p.inductorCurrent = iout / (1.0 - p.dutyCycle);
            p.voltSeconds = vin * p.dutyCycle * 1000.0 / frequency;
            break;
    }
    if (inductance) {
        p.inductance = *inductance;
        p.rippleRatio = p.voltSeconds / (p.inductance * p.inductorCurrent);
    } else {
        p.rippleRatio = *rippleRatio;
        p.inductance = p.voltSeconds / (p.rippleRatio * p.inductorCurrent);
    }
    p.ripple = p.rippleRatio * p.inductorCurrent;
    p.peakCurrent = p.inductorCurrent * (1.0 + p.rippleRatio / 2.0);
    return p;
}

}  // namespace zova
