#pragma once

#include <optional>

#include "presentation/chart_series.h"

class QAreaSeries;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

namespace zova::ui {

// The design window's two charts, built once and refilled on every
// recalculation: the inductance against the current, and the core's bias curve
// with the operating field.
class DesignCharts {
public:
    DesignCharts(QChartView* inductanceView, QChartView* permeabilityView);

    void showInductance(const InductanceChart& chart);
    void showPermeability(const PermeabilityChart& chart);
    void clear();

private:
    void showRippleBand(const InductanceChart& chart, double top);

    struct Inductance {
        QAreaSeries* band;  // the currents the ripple sweeps, shaded
        QLineSeries* curve;
        QLineSeries* zeroBias;
        QScatterSeries* operating;
        QValueAxis* current;
        QValueAxis* inductance;
    } l_;
    struct Permeability {
        QScatterSeries* points;
        QLineSeries* lookedUp;
        QScatterSeries* operating;
        QLogValueAxis* field;
        QValueAxis* percent;
    } mu_;
};

}  // namespace zova::ui
