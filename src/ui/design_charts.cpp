#include "ui/design_charts.h"

#include <algorithm>
#include <cmath>

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QChartView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "engine/bias_curves.h"
#include "presentation/workbench_texts.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

QList<QPointF> pointsOf(const std::vector<ChartPoint>& points) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) out << QPointF(p.x, p.y);
    return out;
}

QChart* newChart(QChartView* view) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QFont title = view->font();
    title.setBold(true);
    chart->setTitleFont(title);
    // The view owns the new chart and hands back the one it was built with.
    QChart* const built = view->chart();
    view->setChart(chart);
    delete built;
    view->setRenderHint(QPainter::Antialiasing);
    return chart;
}

template <typename Series>
Series* addSeries(QChart* chart, const QString& name, QAbstractAxis* x, QAbstractAxis* y) {
    auto* series = new Series;
    series->setName(name);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

QScatterSeries* marker(QScatterSeries* series, qreal size, const QColor& colour) {
    series->setMarkerSize(size);
    series->setColor(colour);
    series->setBorderColor(colour);
    return series;
}

// Ticks at the scale's round steps from 0, labelled as the scale says.
void applyScale(QValueAxis* axis, const AxisScale& scale) {
    // The old step on the new range (0.0005 A on an axis to 2000 A) would lay
    // out millions of ticks: the range changes while the ticks are counted.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(0.0, scale.top);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(scale.step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setLabelFormat(q(scale.labelFormat));
}

}  // namespace

DesignCharts::DesignCharts(QChartView* inductanceView, QChartView* permeabilityView) {
    const workbench::ChartTexts lt = workbench::InductanceChartTexts();
    QChart* l = newChart(inductanceView);
    l_.current = new QValueAxis;
    l_.current->setTitleText(q(lt.xAxis));
    l_.inductance = new QValueAxis;
    l_.inductance->setTitleText(q(lt.yAxis));
    l->addAxis(l_.current, Qt::AlignBottom);
    l->addAxis(l_.inductance, Qt::AlignLeft);
    // First, so that the curve and the point are drawn over it.
    // An area series does not own its edges: they are its children.
    l_.band = new QAreaSeries;
    l_.band->setUpperSeries(new QLineSeries(l_.band));
    l_.band->setLowerSeries(new QLineSeries(l_.band));
    l_.band->setName(q(lt.band));
    l_.band->setColor(QColor(0x1F, 0x77, 0xB4, 0x30));
    l_.band->setBorderColor(Qt::transparent);
    l->addSeries(l_.band);
    l_.band->attachAxis(l_.current);
    l_.band->attachAxis(l_.inductance);
    l_.curve = addSeries<QLineSeries>(l, q(lt.curve), l_.current, l_.inductance);
    l_.zeroBias = addSeries<QLineSeries>(l, q(lt.reference), l_.current, l_.inductance);
    // Its own colour: the band before it would otherwise shift the theme's.
    QPen curve(QColor(0x1F, 0x77, 0xB4));
    curve.setWidthF(2.0);
    l_.curve->setPen(curve);
    QPen dashed(Qt::gray);
    dashed.setStyle(Qt::DashLine);
    dashed.setWidthF(1.5);
    l_.zeroBias->setPen(dashed);
    l_.operating = marker(addSeries<QScatterSeries>(l, q(lt.operating), l_.current, l_.inductance), 11,
                          Qt::red);

    const workbench::ChartTexts mt = workbench::PermeabilityChartTexts();
    QChart* mu = newChart(permeabilityView);
    mu_.field = new QLogValueAxis;
    mu_.field->setBase(10.0);
    mu_.field->setLabelFormat(QStringLiteral("%g"));
    mu_.field->setMinorTickCount(8);
    mu_.field->setTitleText(q(mt.xAxis));
    mu_.percent = new QValueAxis;
    mu_.percent->setTitleText(q(mt.yAxis));
    mu->addAxis(mu_.field, Qt::AlignBottom);
    mu->addAxis(mu_.percent, Qt::AlignLeft);
    mu_.lookedUp = addSeries<QLineSeries>(mu, q(mt.curve), mu_.field, mu_.percent);
    QPen lookedUp(QColor(0xFF, 0x7F, 0x0E));
    lookedUp.setWidthF(2.0);
    mu_.lookedUp->setPen(lookedUp);
    mu_.points = marker(addSeries<QScatterSeries>(mu, q(mt.reference), mu_.field, mu_.percent), 7,
                        QColor(0x1F, 0x77, 0xB4));  // the maker's points over the line read off them
    mu_.operating = marker(addSeries<QScatterSeries>(mu, q(mt.operating), mu_.field, mu_.percent), 11,
                           Qt::red);
    clear();
}

void DesignCharts::showInductance(const InductanceChart& chart) {
    l_.curve->replace(pointsOf(chart.curve));
    const double to = chart.curve.empty() ? 1.0 : chart.curve.back().x;
    l_.zeroBias->replace({QPointF(0.0, chart.zeroBias), QPointF(to, chart.zeroBias)});
    l_.operating->replace({QPointF(chart.operating.x, chart.operating.y)});
    applyScale(l_.current, chart.currentAxis);
    applyScale(l_.inductance, chart.inductanceAxis);
    showRippleBand(chart, chart.inductanceAxis.top);
}

void DesignCharts::showRippleBand(const InductanceChart& chart, double top) {
    QList<QPointF> upper, lower;
    if (chart.rippleBand) {
        const auto [from, to] = *chart.rippleBand;
        upper = {QPointF(from, top), QPointF(to, top)};
        lower = {QPointF(from, 0.0), QPointF(to, 0.0)};
    }
    l_.band->upperSeries()->replace(upper);
    l_.band->lowerSeries()->replace(lower);
    // Named in the legend only while it is drawn.
    for (QLegendMarker* m : l_.band->chart()->legend()->markers(l_.band)) m->setVisible(chart.rippleBand.has_value());
}

void DesignCharts::showPermeability(const PermeabilityChart& chart) {
    mu_.points->replace(pointsOf(chart.points));
    mu_.lookedUp->replace(pointsOf(chart.lookedUp));
    mu_.operating->replace({QPointF(chart.operating.x, chart.operating.y)});
    mu_.field->setRange(chart.fieldFrom, chart.fieldTo);
    applyScale(mu_.percent, chart.percentAxis);
}

void DesignCharts::clear() {
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{l_.curve, l_.zeroBias, l_.operating, mu_.points,
                                                                mu_.lookedUp, mu_.operating})
        series->clear();
    showRippleBand({}, 0.0);
}

}  // namespace zova::ui
