// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beamchart.h"

#include "chartstyle.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace discone::plot {

namespace {

const QColor kPeak(130, 50, 170);

// Neighbouring points whose strongest lobes lie further apart than this are
// different lobes: the line between them would sweep through elevations no
// lobe has.
constexpr double kLobeJumpDeg = 25;

// The finite values the fields take over the points, as (lowest, highest).
std::pair<double, double> range(const std::vector<BeamPoint>& points,
                                std::initializer_list<double BeamPoint::*> fields) {
    double lowest = INFINITY, highest = -INFINITY;
    for (const BeamPoint& p : points)
        for (double BeamPoint::*field : fields)
            if (std::isfinite(p.*field)) {
                lowest = std::min(lowest, p.*field);
                highest = std::max(highest, p.*field);
            }
    return std::isfinite(lowest) ? std::pair(lowest, highest) : std::pair(0.0, 0.0);
}

} // namespace

bool isLobeJump(double fromDeg, double toDeg) {
    return std::abs(toDeg - fromDeg) > kLobeJumpDeg;
}

frame::FrequencyGeometry drawBeamChart(QPainter& painter, const QRectF& area,
                                       const BeamChart& chart) {
    const frame::Frame f(painter, area, chart.title);
    const std::vector<BeamPoint>& points = chart.points;
    if (points.empty() || !(points.front().frequencyMHz > 0)) {
        f.drawEmpty(QStringLiteral("No beam to draw"));
        return {};
    }
    // Nulls deeper than 40 dB below the best gain sit at the bottom.
    auto [lowestDbi, highestDbi] = range(points, {&BeamPoint::horizonDbi, &BeamPoint::peakDbi});
    const auto [lowestDeg, highestDeg] = range(points, {&BeamPoint::peakElevationDeg});

    frame::FrequencyFrame layout;
    layout.lowMHz = points.front().frequencyMHz;
    layout.highMHz = points.back().frequencyMHz;
    layout.designMHz = chart.designMHz;
    layout.bands = chart.bands;
    layout.separators = chart.separators;
    layout.legendRow = {{QStringLiteral("gain at the horizon"), style::kPredicted},
                        {QStringLiteral("gain of the strongest lobe"), kPeak}};
    frame::Panel gain, tilt;
    gain.axis =
        frame::roomyAxis(std::max(lowestDbi, highestDbi - 40), highestDbi, {1, 2, 5, 10, 20});
    gain.title = QStringLiteral("gain (dBi)");
    tilt.axis = frame::roomyAxis(lowestDeg, highestDeg, {5, 10, 15, 30});
    tilt.title = QStringLiteral("tilt (°)");
    tilt.captionAbove = QStringLiteral("elevation of the strongest lobe; below 0 it points below "
                                       "the horizon");
    layout.panels = {gain, tilt};
    const frame::FrequencyGeometry g = frame::drawFrequencyFrame(f, layout);

    // The curves over the frames; values off an axis are drawn at its edge.
    // The strongest lobe's elevation is broken where another lobe takes
    // over.
    const auto curve = [&](std::size_t panel, double BeamPoint::*field, const QColor& colour,
                           bool breakAtJumps) {
        const frame::ValueAxis& axis = g.axis(panel);
        std::vector<std::optional<QPointF>> at;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double v = points[i].*field;
            if (breakAtJumps && i > 0 && isLobeJump(points[i - 1].*field, v))
                at.push_back(std::nullopt);
            at.push_back(std::isnan(v) ? std::nullopt
                                       : std::optional(QPointF(
                                             g.x(points[i].frequencyMHz),
                                             g.y(panel, std::clamp(v, axis.low, axis.high)))));
        }
        painter.setPen(QPen(colour, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
        frame::drawCurve(painter, at, g.panel(panel).adjusted(0, -1, 0, 1));
    };
    curve(0, &BeamPoint::peakDbi, kPeak, false);
    curve(0, &BeamPoint::horizonDbi, style::kPredicted, false);
    curve(1, &BeamPoint::peakElevationDeg, kPeak, true);
    return g;
}

} // namespace discone::plot
