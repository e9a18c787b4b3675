#pragma once

#include <array>
#include <cstddef>

#include "engine/bias_curves.h"

namespace zova {

// A bias curve prepared for many lookups. percentAt returns exactly what
// CurveLookup returns, found by bisection rather than a scan: the scan stops at
// the first point at or below the field, which is the first point where the
// running minimum of the fields is at or below it, and running minima never
// rise. The roll-off of every selection candidate takes 51 lookups.
class CurveIndex {
public:
    explicit CurveIndex(const BiasCurve& curve);

    float percentAt(float h) const;

    const BiasCurve& curve() const { return curve_; }

    // The same for fields that never fall from one call to the next: the point
    // where the scan stops only moves towards the high-field end, so `stop`
    // (kCurvePoints before the first call) carries it from call to call.
    float percentAtRising(float h, std::size_t& stop) const;

private:
    float percentAtStop(float h, std::size_t i) const;

    const BiasCurve& curve_;
    std::array<float, kCurvePoints> lowest_;  // lowest_[i]: the smallest of fields 0..i
};

}  // namespace zova
