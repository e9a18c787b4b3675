#pragma once

#include <optional>
#include <string_view>

#include "language/phrase.h"

namespace zova {

// The powder of a series: what its cores are made of, the name engineers know
// it by, and the flux density at which it saturates. The maker's series are
// equivalent to the industry's materials (KTA high flux, KTB sendust, KRA
// iron-silicon); saturation as the powder-core makers publish it for those
// materials, rounded: high flux 1.5 T, sendust 1.0 T, iron-silicon 1.6 T.
struct CoreMaterial {
    std::string_view series;  // "KTA"
    Phrase family;            // the name engineers know it by: high flux, sendust, iron-silicon
    double saturation = 0.0;  // T
};

// The material of a series code, or nothing for a series the catalogue does not offer.
std::optional<CoreMaterial> MaterialOf(std::string_view series);

// The initial relative permeability a permeability code stands for: "060" is 60.
// Nothing for a code that is not three digits.
std::optional<int> PermeabilityOf(std::string_view permCode);

}  // namespace zova
