#pragma once

#include <optional>
#include <string_view>

#include "design/design_figures.h"

namespace zova {

// The texts of a winding's switching operation, as a user types them; all
// empty for DC alone.
struct AcTexts {
    std::string_view frequency;     // kHz
    std::string_view ripple;        // A peak to peak; "" for none
    std::string_view coefficients;  // "a,b,c" of the user's own core-loss fit; "" for the material's
};

// The user's own core-loss fit from "a,b,c": three positive numbers separated
// by commas, blanks around each allowed; nothing for any other text.
std::optional<LossCoefficients> ReadCoefficients(std::string_view text);

}  // namespace zova
