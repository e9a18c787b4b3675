#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/core_record.h"
#include "design/design_figures.h"
#include "engine/bias_curves.h"

namespace zova {

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// A linear axis from 0: its top and its tick step, the step 1, 2, 2.5 or 5
// times a power of ten, and the printf format of its labels (as many decimals
// as the step needs; three significant digits with an exponent from a
// million up, so that no label runs to many digits).
struct AxisScale {
    double top = 1.0;
    double step = 0.2;
    std::string labelFormat = "%.1f";

    friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// The scale whose top is the first tick at or above `highest` with at most
// `maxSteps` steps; `highest` not above 0 gives 0..1.
AxisScale RoundAxis(double highest, int maxSteps = 6);

// Inductance (µH) against DC current (A), 0 to twice the design current.
struct InductanceChart {
    std::vector<ChartPoint> curve;  // the roll-off points
    ChartPoint operating;           // at the design current
    double zeroBias = 0.0;          // µH, the reference line
    // The currents a ripple sweeps, I − ΔI ÷ 2 to I + ΔI ÷ 2; none without ripple.
    std::optional<std::pair<double, double>> rippleBand;
    // Both from 0 at round steps: the current to the curve's end, the
    // inductance a little above the zero-bias line.
    AxisScale currentAxis;
    AxisScale inductanceAxis;
};

InductanceChart InductanceChartOf(const DesignFigures& f, float current);



// Percent of initial permeability against field strength (Oe).
struct PermeabilityChart {
    std::vector<ChartPoint> points;    // the maker's points, as published, those on the axis
                                       // (one beyond it would stretch a logarithmic axis)
    std::vector<ChartPoint> lookedUp;  // what the calculation reads off them, field rising
    ChartPoint operating;              // the design's field and percentage
    double fieldFrom = 1.0;            // Oe: the axis, whole decades
    double fieldTo = kCurveTopField;
    AxisScale percentAxis;             // from 0 at round steps, to 100 % or the highest point
};

// Samples of the looked-up line per decade of field, besides the maker's points.
inline constexpr int kLookupSamplesPerDecade = 40;

// Nothing for a core without a curve. The axis runs from 1 Oe to the curves' top (1000 Oe), widened
// by whole decades when the operating field lies outside.
std::optional<PermeabilityChart> PermeabilityChartOf(const CoreRecord& core, const DesignFigures& f);

}  // namespace zova
