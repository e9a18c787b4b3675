#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts that show the selection's rules, formatted from the constants the
// rules are computed with, so that a rule and its text cannot part. Each is
// said in the current language, except the tool's own refusals.
namespace zova::messages {

// The window fill limit as a percentage: "55%".
std::string WindowFillLimitText();

// A part number the catalogue does not hold, as a refusal that names it (shown
// safely: no control byte passes).
std::string UnknownCoreText(std::string_view partNo);

// A converter's inductance too small for continuous conduction: the ripple
// ratio it gives, beyond the limit.
std::string InductanceTooSmallText(double rippleRatio);

// The selection window's first line of its rules: the current density the
// wire is sized for and the fill limit.
std::string SelectionBasisText();

// How a selection that listed cores ended, said once it is done: "找到 203 个磁芯。".
std::string CoresFoundText(std::size_t count);

// The tool's own refusals (English, as scripts match them), without the tool's
// name before them: a part number no offered core has, a curve that does not
// exist (the known ones listed), a field strength that is not a number.
std::string UnknownPartNumberText(std::string_view partNo);
std::string UnknownCurveText(std::string_view series, std::string_view perm);
std::string FieldNotNumericText(std::string_view text);

}  // namespace zova::messages
