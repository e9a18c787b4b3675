#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/core_record.h"
#include "documents/spice_model.h"

// Reading a simulator model's tables back, and the design's inductance they
// are held to.
namespace zova::test {

// The design's inductance of the stack at `current` A, in H: the library's
// calculator path, the value the model must reproduce.
double DesignInductance(const CoreRecord& core, std::int16_t turns, std::int16_t stack, double current);

// The "x,y" pairs after `marker` in a model's text, up to the closing
// parenthesis; numbers read locale-free, continuation lines' "+" skipped.
std::vector<TablePoint> TableOf(std::string_view text, std::string_view marker);

// Linear interpolation in a rising table, its last segment extended.
double Interpolated(const std::vector<TablePoint>& table, double x);

// The slope of the segment that holds x (x_k <= x < x_k+1).
double Slope(const std::vector<TablePoint>& table, double x);

}  // namespace zova::test
