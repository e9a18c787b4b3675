#include "design/design_warnings.h"

#include "engine/bias_curves.h"

namespace zova {

std::string_view KeyOf(DesignWarning warning) {
    switch (warning) {
        case DesignWarning::Hot: return "hot";
        case DesignWarning::DeepRollOff: return "deepRollOff";
        case DesignWarning::NearSaturation: return "nearSaturation";
        case DesignWarning::BeyondCurve: return "beyondCurve";
        case DesignWarning::NoBiasCurve: return "noBiasCurve";
    }
    return {};
}

std::vector<DesignWarning> DesignWarningsOf(const DesignFigures& f, const DesignLimits& limits) {
    std::vector<DesignWarning> out;
    const std::optional<double> rise = f.temperatureRiseTotal ? f.temperatureRiseTotal : f.temperatureRise;
    if (rise && *rise > limits.temperatureRise) out.push_back(DesignWarning::Hot);
    if (f.percentPermeabilityAtPeak && *f.percentPermeabilityAtPeak < limits.percentPermeability)
        out.push_back(DesignWarning::DeepRollOff);
    if (f.fluxDensityRatio && *f.fluxDensityRatio > limits.fluxDensityRatio)
        out.push_back(DesignWarning::NearSaturation);
    if (f.fieldStrengthAtPeak && *f.fieldStrengthAtPeak > kCurveTopField) out.push_back(DesignWarning::BeyondCurve);
    if (!f.biasCurve) out.push_back(DesignWarning::NoBiasCurve);
    return out;
}

}  // namespace zova
