// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beamchart.h"

#include "chartstyle.h"
#include "clipping.h"
#include "frequencyaxis.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace discone::plot {

namespace {

using style::number;

const QColor kPeak(130, 50, 170);

// A value axis in whole steps, about six of them, always with 0.
struct ValueAxis {
    double low = 0, high = 1, step = 1;
    double y(const QRectF& panel, double value) const {
        return panel.bottom() - panel.height() * (value - low) / (high - low);
    }
};

ValueAxis valueAxis(double lowest, double highest, std::initializer_list<double> steps) {
    lowest = std::min(lowest, 0.0);
    highest = std::max(highest, 0.0);
    ValueAxis axis;
    axis.step = *(steps.end() - 1);
    for (double step : steps)
        if ((highest - lowest) / step <= 6) {
            axis.step = step;
            break;
        }
    // A curve at either end of the axis stays off the frame.
    axis.low = std::floor(lowest / axis.step) * axis.step;
    if (lowest - axis.low < axis.step / 4)
        axis.low -= axis.step;
    axis.high = std::ceil(highest / axis.step) * axis.step;
    if (axis.high - highest < axis.step / 4)
        axis.high += axis.step;
    return axis;
}

// The finite values `value` takes over the points, as (lowest, highest).
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

// The two gain curves' colours and names in a row from `at`, over the panel.
void drawLegend(QPainter& p, const QPointF& at, const style::Sizes& sizes) {
    const QFontMetricsF metrics(sizes.font);
    const double gap = sizes.gap(), line = metrics.height(), swatch = 2 * sizes.text;
    const QString names[] = {QStringLiteral("gain at the horizon"),
                             QStringLiteral("gain of the strongest lobe")};
    const QColor colours[] = {style::kPredicted, kPeak};
    double x = at.x();
    const double y = at.y() + line / 2;
    for (int i = 0; i < 2; ++i) {
        p.setPen(QPen(colours[i], sizes.curve));
        p.drawLine(QPointF(x, y), QPointF(x + swatch, y));
        x += swatch + gap;
        const double width = metrics.horizontalAdvance(names[i]) + 2;
        p.setPen(style::kText);
        p.drawText(QRectF(x, at.y(), width, line), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
        x += width + 3 * gap;
    }
}

} // namespace

void drawBeamChart(QPainter& painter, const QRectF& area, const BeamChart& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, style::kBackground);
    const style::Sizes sizes(area);
    const double top = area.top() + style::drawTitle(painter, area, sizes, chart.title);
    const std::vector<BeamPoint>& points = chart.points;
    if (points.empty() || !(points.front().frequencyMHz > 0)) {
        painter.restore();
        return;
    }
    const double low = points.front().frequencyMHz;
    const double high = std::max(points.back().frequencyMHz, low * 1.0001);

    // Nulls deeper than 40 dB below the best gain sit at the bottom.
    auto [lowestDbi, highestDbi] = range(points, {&BeamPoint::horizonDbi, &BeamPoint::peakDbi});
    const ValueAxis gain =
        valueAxis(std::max(lowestDbi, highestDbi - 40), highestDbi, {1, 2, 5, 10, 20});
    const auto [lowestDeg, highestDeg] = range(points, {&BeamPoint::peakElevationDeg});
    const ValueAxis tilt = valueAxis(lowestDeg, highestDeg, {5, 10, 15, 30});

    const QFontMetricsF metrics(sizes.font);
    const double line = metrics.height(), gap = sizes.gap();
    double widest = 0;
    for (const ValueAxis* axis : {&gain, &tilt})
        for (double v = axis->low; v <= axis->high + 1e-9; v += axis->step)
            widest = std::max(widest, metrics.horizontalAdvance(number(v)));
    const QRectF plotArea(QPointF(area.left() + 3 * gap + line + widest, top + line + 1.5 * gap),
                          QPointF(area.right() - sizes.text, area.bottom() - 2 * line - 3 * gap));
    const double between = 2 * line + gap, height = (plotArea.height() - between) / 2;
    const QRectF gainPanel(plotArea.topLeft(), QSizeF(plotArea.width(), height));
    const QRectF tiltPanel(QPointF(plotArea.left(), plotArea.bottom() - height),
                           plotArea.bottomRight());
    const auto x = [&](double mhz) {
        return plotArea.left() + plotArea.width() * std::log(mhz / low) / std::log(high / low);
    };

    // Grids, their labels and the axis titles.
    const QPen grid(style::kGrid, sizes.line), minorGrid(style::kMinorGrid, sizes.line);
    const QPen zero(QColor(120, 120, 120), sizes.line);
    const double titleX = area.left() + gap + line / 2;
    const auto valueGrid = [&](const ValueAxis& axis, const QRectF& panel, const QString& title) {
        for (double v = axis.low; v <= axis.high + 1e-9; v += axis.step) {
            const double y = axis.y(panel, v);
            painter.setPen(std::abs(v) < 1e-9 ? zero : grid);
            painter.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
            painter.setPen(style::kText);
            painter.drawText(
                QRectF(area.left(), y - line / 2, panel.left() - gap - area.left(), line),
                Qt::AlignRight | Qt::AlignVCenter, number(v));
        }
        style::drawUpwardText(painter, QPointF(titleX, panel.center().y()),
                              metrics.elidedText(title, Qt::ElideRight, panel.height()));
    };
    valueGrid(gain, gainPanel, QStringLiteral("gain (dBi)"));
    valueGrid(tilt, tiltPanel, QStringLiteral("tilt (°)"));
    for (const axis::FrequencyTick& t : axis::frequencyTicks(low, high)) {
        painter.setPen(t.major ? grid : minorGrid);
        for (const QRectF* panel : {&gainPanel, &tiltPanel})
            painter.drawLine(QPointF(x(t.mhz), panel->top()), QPointF(x(t.mhz), panel->bottom()));
    }
    painter.setPen(style::kText);
    axis::drawFrequencyLabels(painter, low, high, x, metrics, gap, line, tiltPanel.bottom(),
                              plotArea, area);
    drawLegend(painter, QPointF(plotArea.left(), top), sizes);
    painter.drawText(
        QRectF(tiltPanel.left(), tiltPanel.top() - line - gap / 2, tiltPanel.width(), line),
        Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("elevation of the strongest lobe; below 0 it points below "
                       "the horizon"));

    if (chart.designMHz >= low * 0.999 && chart.designMHz <= high * 1.001) {
        painter.setPen(QPen(style::kDesign, sizes.curve * 0.6, Qt::DashDotLine));
        const double at = x(chart.designMHz);
        for (const QRectF* panel : {&gainPanel, &tiltPanel})
            painter.drawLine(QPointF(at, panel->top()), QPointF(at, panel->bottom()));
    }
    painter.setPen(QPen(style::kText, sizes.line));
    painter.drawRect(gainPanel);
    painter.drawRect(tiltPanel);

    // The curves over the frames; values off an axis are drawn at its edge.
    const auto curve = [&](const ValueAxis& axis, const QRectF& panel, double BeamPoint::*field,
                           const QColor& colour) {
        std::vector<std::optional<QPointF>> at;
        for (const BeamPoint& p : points) {
            const double v = p.*field;
            at.push_back(std::isnan(v) ? std::nullopt
                                       : std::optional(QPointF(
                                             x(p.frequencyMHz),
                                             axis.y(panel, std::clamp(v, axis.low, axis.high)))));
        }
        painter.setPen(QPen(colour, sizes.curve, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(clip::polyline(at, panel.adjusted(0, -1, 0, 1)));
    };
    curve(gain, gainPanel, &BeamPoint::peakDbi, kPeak);
    curve(gain, gainPanel, &BeamPoint::horizonDbi, style::kPredicted);
    curve(tilt, tiltPanel, &BeamPoint::peakElevationDeg, kPeak);
    painter.restore();
}

} // namespace discone::plot
