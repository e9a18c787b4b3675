#pragma once

#include <span>
#include <string_view>

namespace zova {

inline constexpr int kCurvePoints = 45;

// The maker publishes every curve from 1000 Oe down (point 1); fields at or
// above it take point 1's percentage, the curve is not extended upward.
inline constexpr float kCurveTopField = 1000.0f;  // Oe

// Permeability roll-off under DC bias: H points in Oe, point 1 = 1000, falling;
// percent of initial permeability at the H point of the same index, rising.
// The maker's points are kept as published, including the few out of order.
struct BiasCurve {
    std::string_view series;
    std::string_view perm;
    float h[kCurvePoints];
    float percent[kCurvePoints];
};

// All curves, in the order BiasPercent searches them.
std::span<const BiasCurve> BiasCurves();

// The curve for a series and permeability code (exact, case-sensitive), or nullptr.
const BiasCurve* FindBiasCurve(std::string_view permCode, std::string_view seriesCode);

// Percent of initial permeability left at field strength h (Oe); 0 for a
// combination that has no curve.
float BiasPercent(std::string_view permCode, float h, std::string_view seriesCode);

// Linear scan from the high-field end; see bias_curves.cpp for the rules at the ends.
float CurveLookup(std::span<const float, kCurvePoints> hPoints,
                  std::span<const float, kCurvePoints> percentPoints, float x);

// Straight line through (h1, p1) and (h2, p2), evaluated at x in double precision.
float Interpolate(float h1, float h2, float p1, float p2, float x);

}  // namespace zova
