#include "presentation/chart_series.h"

#include <algorithm>
#include <cmath>

#include "design/curve_index.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"

namespace zova {

InductanceChart InductanceChartOf(const DesignFigures& f, float current) {
    InductanceChart chart;
    chart.curve.reserve(f.rolloff.size());
    for (const RolloffPoint& p : f.rolloff) chart.curve.push_back({p.current, p.inductance});
    chart.operating = {current, f.inductance};
    chart.zeroBias = f.inductanceZeroBias;
    if (f.ripple > 0.0) chart.rippleBand = std::pair(current - *f.ripple / 2.0, current + *f.ripple / 2.0);
    chart.currentAxis = RoundAxis(chart.curve.empty() ? 1.0 : chart.curve.back().x);
    chart.inductanceAxis = RoundAxis(chart.zeroBias * 1.05);
    return chart;
}

AxisScale RoundAxis(double highest, int maxSteps) {
    if (!(highest > 0.0) || !std::isfinite(highest)) return {};
    // The smallest step of the ladder whose steps reach `highest` in time.
    static constexpr double kMantissas[] = {1.0, 2.0, 2.5, 5.0};
    int exponent = static_cast<int>(std::floor(std::log10(highest / maxSteps)));
    for (;; ++exponent) {
        for (const double m : kMantissas) {
            const double step = m * std::pow(10.0, exponent);
            const double steps = std::ceil(highest / step - 1e-9);
            if (steps > maxSteps) continue;
            AxisScale axis;
            axis.step = step;
            axis.top = steps * step;
            const int decimals = std::max(0, -exponent) + (m == 2.5 && exponent <= 0 ? 1 : 0);
            axis.labelFormat = axis.top >= 1e6 ? "%.3g" : "%." + std::to_string(decimals) + "f";
            return axis;
        }
    }
}

std::optional<PermeabilityChart> PermeabilityChartOf(const CoreRecord& core, const DesignFigures& f) {
    const BiasCurve* curve = CurveOf(core);
    if (curve == nullptr) return std::nullopt;
    PermeabilityChart chart;
    chart.operating = {f.fieldStrength, f.percentPermeability};
    const double h = f.fieldStrength;
    if (h > 0.0) {
        chart.fieldFrom = std::min(1.0, std::pow(10.0, std::floor(std::log10(h))));
        chart.fieldTo = std::max(static_cast<double>(kCurveTopField), std::pow(10.0, std::ceil(std::log10(h))));
    }
    double top = 100.0;
    for (int i = 0; i < kCurvePoints; ++i) {
        top = std::max(top, static_cast<double>(curve->percent[i]));
        if (curve->h[i] >= chart.fieldFrom && curve->h[i] <= chart.fieldTo)
            chart.points.push_back({curve->h[i], curve->percent[i]});
    }
    chart.percentAxis = RoundAxis(top);

    // The lookup is straight between the maker's fields: sample between them
    // so the line bends as it does on a logarithmic axis, and hit them exactly.
    std::vector<float> fields(curve->h, curve->h + kCurvePoints);
    const double decades = std::log10(chart.fieldTo / chart.fieldFrom);
    const int samples = static_cast<int>(std::lround(decades * kLookupSamplesPerDecade));
    for (int k = 0; k <= samples; ++k)
        fields.push_back(static_cast<float>(chart.fieldFrom * std::pow(10.0, decades * k / samples)));
    std::erase_if(fields, [&](float x) { return !(x >= chart.fieldFrom && x <= chart.fieldTo); });
    std::sort(fields.begin(), fields.end());
    fields.erase(std::unique(fields.begin(), fields.end()), fields.end());

    const CurveIndex index(*curve);
    for (const float x : fields) chart.lookedUp.push_back({x, index.percentAt(x)});
    return chart;
}

}  // namespace zova
