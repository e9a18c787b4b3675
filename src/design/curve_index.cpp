#include "design/curve_index.h"

#include <algorithm>
#include <cstddef>


namespace zova {

CurveIndex::CurveIndex(const BiasCurve& curve) : curve_(curve) {
    float lowest = curve.h[0];
    for (std::size_t i = 0; i < kCurvePoints; ++i) lowest_[i] = lowest = std::min(lowest, curve.h[i]);
}

float CurveIndex::percentAt(float h) const {
    if (h >= kCurveTopField) return curve_.percent[0];
    const auto stop = std::partition_point(lowest_.begin(), lowest_.end(), [h](float m) { return !(m <= h); });
    return percentAtStop(h, static_cast<std::size_t>(stop - lowest_.begin()));
}

float CurveIndex::percentAtRising(float h, std::size_t& stop) const {
    if (h >= kCurveTopField) return curve_.percent[0];
    while (stop > 0 && lowest_[stop - 1] <= h) --stop;
    return percentAtStop(h, stop);
}

// i: the first point whose running minimum is at or below h, kCurvePoints for none.
float CurveIndex::percentAtStop(float h, std::size_t i) const {
    if (i == kCurvePoints) i = kCurvePoints - 1;  // below the last point: extrapolated
    if (h == curve_.h[i] || i == 0) return curve_.percent[i];
    return Interpolate(curve_.h[i - 1], curve_.h[i], curve_.percent[i - 1], curve_.percent[i], h);
}

}  // namespace zova
