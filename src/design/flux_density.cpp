#include "design/flux_density.h"

#include <algorithm>
#include <cstddef>

#include "engine/fp_check.h"

namespace zova {
namespace {

// The integral from a to b of the line through (h1, p1) and (h2, p2), h1 != h2.
double lineArea(double h1, double p1, double h2, double p2, double a, double b) {
    const double slope = (p2 - p1) / (h2 - h1);
    const double pa = p1 + (a - h1) * slope;
    const double pb = p1 + (b - h1) * slope;
    return (b - a) * (pa + pb) / 2.0;
}

}  // namespace

double CurveArea(const BiasCurve& curve, double h) {
    const auto hAt = [&curve](std::size_t i) { return static_cast<double>(curve.h[i]); };
    const auto pAt = [&curve](std::size_t i) { return static_cast<double>(curve.percent[i]); };
    constexpr std::size_t last = kCurvePoints - 1;

    // From 0 Oe up the extrapolated line, then segment by segment from the
    // lowest-field end of the table towards the top point.
    double area = lineArea(hAt(last), pAt(last), hAt(last - 1), pAt(last - 1), 0.0, std::min(hAt(last), h));
    for (std::size_t j = last; j > 0; --j) {
        const double from = std::min(hAt(j), h);
        const double to = std::min(hAt(j - 1), h);
        if (from == to) continue;  // a step, or wholly above h
        area += lineArea(hAt(j), pAt(j), hAt(j - 1), pAt(j - 1), from, to);
    }
    if (h > hAt(0)) area += (h - hAt(0)) * pAt(0);
    return detail::checked(area, "curve area");
}

double FluxDensityAt(const BiasCurve& curve, int mu, double h) {
    return detail::checked(1e-4 * mu * (CurveArea(curve, h) / 100.0), "flux density");
}

}  // namespace zova
