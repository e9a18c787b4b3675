#pragma once

#include <string>

// Texts that show the selection's rules, formatted from the constants the
// rules are computed with, so that a rule and its text cannot part.
namespace zova::messages {

// The window fill limit as a percentage: "55%".
std::string WindowFillLimitText();

// The range of switching frequencies a design is reckoned for, as a refusal:
// "对不起，开关频率须在 0.001 至 100000 kHz 之间！".
std::string FrequencyRangeText();

// The selection window's first line of its rules: the current density the
// wire is sized for and the fill limit.
std::string SelectionBasisText();

}  // namespace zova::messages
