#pragma once

#include <string>

// Texts that show the selection's rules, formatted from the constants the
// rules are computed with, so that a rule and its text cannot part.
namespace zova::messages {

// The window fill limit as a percentage: "55%".
std::string WindowFillLimitText();

// The selection window's first line of its rules: the current density the
// wire is sized for and the fill limit.
std::string SelectionBasisText();

}  // namespace zova::messages
