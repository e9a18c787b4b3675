#pragma once

#include <string_view>

namespace zova {

// Steinmetz coefficients of a core's material: P = a × B^b × f^c, P in mW/cm³,
// B the peak flux density (half the peak-to-peak swing) in T, f in kHz.
struct LossCoefficients {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;

    friend bool operator==(const LossCoefficients&, const LossCoefficients&) = default;
};

// The published fit a core's losses are reckoned with.
struct CoreLossFit {
    std::string_view series;     // "KTB"
    std::string_view perm;       // the core's permeability code, "147"
    std::string_view published;  // the permeability the fit was published for, "125"
    LossCoefficients coefficients;
};

// The fit for a series and permeability code; a code without a published fit
// of its own borrows the nearest published permeability's (published then
// differs from perm). Nothing for a combination the catalogue does not offer.
const CoreLossFit* CoreLossFitOf(std::string_view series, std::string_view perm);

}  // namespace zova
