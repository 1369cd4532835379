// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "impedancechart.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace discone::plot {

frame::FrequencyGeometry drawImpedanceChart(QPainter& painter, const QRectF& area,
                                            const ImpedanceChart& chart) {
    const frame::Frame f(painter, area, chart.title);
    const std::vector<ImpedancePoint>& points = chart.points;
    if (points.empty() || !(points.front().frequencyMHz > 0)) {
        f.drawEmpty(QStringLiteral("No impedance to draw"));
        return {};
    }
    // Near a resonance of the disc the resistance can soar: the axis stops
    // at ten times the reference, and what lies beyond is drawn at its edge.
    const double limit = 10 * chart.referenceOhms;
    double lowest = 0, highest = chart.referenceOhms;
    for (const ImpedancePoint& p : points)
        for (const double v : {p.resistance, p.reactance})
            if (std::isfinite(v)) {
                lowest = std::min(lowest, std::max(v, -limit));
                highest = std::max(highest, std::min(v, limit));
            }

    frame::FrequencyFrame layout;
    layout.lowMHz = points.front().frequencyMHz;
    layout.highMHz = points.back().frequencyMHz;
    layout.designMHz = chart.designMHz;
    layout.bands = chart.bands;
    layout.separators = chart.separators;
    layout.legendRow = {{QStringLiteral("resistance R"), kResistance},
                        {QStringLiteral("reactance X"), kReactance}};
    frame::Panel ohms;
    ohms.axis = frame::roomyAxis(lowest, highest, {5, 10, 20, 25, 50, 100, 200, 250, 500}, 8);
    ohms.title = QStringLiteral("impedance (Ω)");
    ohms.guides.push_back(
        {chart.referenceOhms,
         QStringLiteral("R = %1 Ω").arg(style::number(chart.referenceOhms, chart.separators)),
         style::kGoodSwr});
    layout.panels = {ohms};
    const frame::FrequencyGeometry g = frame::drawFrequencyFrame(f, layout);

    const frame::ValueAxis& axis = g.axis(0);
    const auto curve = [&](double ImpedancePoint::*field, const QColor& colour) {
        std::vector<std::optional<QPointF>> at;
        for (const ImpedancePoint& p : points) {
            const double v = p.*field;
            at.push_back(std::isnan(v)
                             ? std::nullopt
                             : std::optional(QPointF(g.x(p.frequencyMHz),
                                                     g.y(0, std::clamp(v, axis.low, axis.high)))));
        }
        painter.setPen(QPen(colour, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
        frame::drawCurve(painter, at, g.panel(0).adjusted(0, -1, 0, 1));
    };
    curve(&ImpedancePoint::reactance, kReactance);
    curve(&ImpedancePoint::resistance, kResistance);
    return g;
}

} // namespace discone::plot
