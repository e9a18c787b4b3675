#pragma once

#include <optional>
#include <string>
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

// The operation read from its texts, or the first check that failed: the
// frequency a number within the range the figures are reckoned for, a ripple
// only with a frequency, a number and not negative, the coefficients three
// positive numbers separated by commas.
struct AcInputs {
    std::string message;  // empty when every check passed
    DesignOptions options;
};

AcInputs ReadAcInputs(const AcTexts& texts);

// A positive number from a text as the calculator reads numbers (blanks
// around it allowed); nothing for any other text.
std::optional<double> PositiveNumber(std::string_view text);

}  // namespace zova
