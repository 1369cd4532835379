// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "swrchart.h"

#include "chartstyle.h"
#include "clipping.h"
#include "frequencyaxis.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace discone::plot {

SwrGeometry::SwrGeometry(const QRectF& swrPanel, const QRectF& gainPanel, double lowMHz,
                         double highMHz, double topSwr, double lowDbi, double highDbi)
    : swr_(swrPanel), gain_(gainPanel), lowMHz_(lowMHz),
      highMHz_(std::max(highMHz, lowMHz * 1.0001)), topSwr_(topSwr), lowDbi_(lowDbi),
      highDbi_(std::max(highDbi, lowDbi + 1)) {}

double SwrGeometry::x(double mhz) const {
    return swr_.left() + swr_.width() * std::log(mhz / lowMHz_) / std::log(highMHz_ / lowMHz_);
}

double SwrGeometry::ySwr(double swr) const {
    return swr_.bottom() - swr_.height() * (swr - 1) / (topSwr_ - 1);
}

double SwrGeometry::yDbi(double dbi) const {
    return gain_.bottom() - gain_.height() * (dbi - lowDbi_) / (highDbi_ - lowDbi_);
}

SwrReading SwrGeometry::readingAt(const QPointF& point) const {
    const auto inside = [&](const QRectF& panel) {
        return !panel.isEmpty() && point.x() >= panel.left() && point.x() <= panel.right() &&
               point.y() >= panel.top() && point.y() <= panel.bottom();
    };
    SwrReading reading;
    if (inside(swr_)) {
        reading.panel = SwrPanel::Swr;
        reading.value = 1 + (swr_.bottom() - point.y()) / swr_.height() * (topSwr_ - 1);
    } else if (inside(gain_)) {
        reading.panel = SwrPanel::Gain;
        reading.value =
            lowDbi_ + (gain_.bottom() - point.y()) / gain_.height() * (highDbi_ - lowDbi_);
    } else {
        return reading;
    }
    reading.frequencyMHz =
        lowMHz_ * std::pow(highMHz_ / lowMHz_, (point.x() - swr_.left()) / swr_.width());
    return reading;
}

namespace {

using style::number;

constexpr double kLowestTop = 5;   // the SWR axis reaches at least this
constexpr double kHighestTop = 10; // and at most this

// A run of neighbouring points above the top of the SWR axis.
struct Excursion {
    std::size_t first, last;
};

std::vector<Excursion> excursions(const std::vector<SwrPoint>& points, double top) {
    std::vector<Excursion> runs;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!(points[i].swr > top))
            continue;
        if (!runs.empty() && runs.back().last + 1 == i)
            runs.back().last = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// "SWR above 10 from 151 to 199 MHz and at 420 MHz": the sweep's own
// frequencies, so the note says only what was computed or measured.
QString excursionNote(const QString& what, const std::vector<SwrPoint>& points,
                      const std::vector<Excursion>& runs, double top) {
    QStringList places;
    const std::size_t listed = runs.size() <= 3 ? runs.size() : 2;
    for (std::size_t i = 0; i < listed; ++i) {
        const double from = points[runs[i].first].frequencyMHz;
        const double to = points[runs[i].last].frequencyMHz;
        places << (runs[i].first == runs[i].last
                       ? QStringLiteral("at %1 MHz").arg(number(from))
                       : QStringLiteral("from %1 to %2 MHz").arg(number(from), number(to)));
    }
    if (listed < runs.size())
        places << QStringLiteral("at %1 more places").arg(runs.size() - listed);
    const QString last = places.takeLast();
    const QString list =
        places.isEmpty() ? last : places.join(QStringLiteral(", ")) + " and " + last;
    return QStringLiteral("%1 above %2 %3").arg(what, number(top), list);
}

// SWR as drawn: a value far above the axis (or infinite) still leaves it
// steeply, from a place the painter can handle.
double drawnSwr(double swr, double top) {
    return std::clamp(swr, 1.0, 2 * top - 1);
}

// Where the line from `inside` (on the axis) to `outside` (above it) crosses
// the top edge.
double crossingX(const SwrGeometry& g, const SwrPoint& inside, const SwrPoint& outside) {
    const double top = g.topSwr();
    if (std::isnan(inside.swr))
        return g.x(outside.frequencyMHz);
    const double from = drawnSwr(inside.swr, top), to = drawnSwr(outside.swr, top);
    const double t = (top - from) / (to - from);
    return g.x(inside.frequencyMHz) + t * (g.x(outside.frequencyMHz) - g.x(inside.frequencyMHz));
}

// The curve through `points`, `y` placing each value, cut to `panel`; a
// point without a value (NaN) breaks it.
template <typename Point, typename Y>
QPainterPath curvePath(const SwrGeometry& g, const std::vector<Point>& points, const Y& y,
                       const QRectF& panel) {
    std::vector<std::optional<QPointF>> at;
    for (const Point& p : points) {
        const double value = y(p);
        at.push_back(std::isnan(value) || !(p.frequencyMHz > 0)
                         ? std::nullopt
                         : std::optional(QPointF(g.x(p.frequencyMHz), value)));
    }
    return clip::polyline(at, panel);
}

// Upward arrowheads over the top edge where the curve leaves the chart and
// where it comes back.
void drawExcursionMarks(QPainter& p, const SwrGeometry& g, const std::vector<SwrPoint>& points,
                        const std::vector<Excursion>& runs, const QColor& colour, double size) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double base = g.swrPanel().top() - size * 0.25;
    const auto arrow = [&](double x) {
        p.drawPolygon(QPolygonF(
            {QPointF(x - size / 2, base), QPointF(x + size / 2, base), QPointF(x, base - size)}));
    };
    for (const Excursion& run : runs) {
        arrow(run.first == 0 ? g.x(points.front().frequencyMHz)
                             : crossingX(g, points[run.first - 1], points[run.first]));
        if (run.last + 1 < points.size())
            arrow(crossingX(g, points[run.last + 1], points[run.last]));
    }
    p.setBrush(Qt::NoBrush);
}

struct DbiAxis {
    double low = -10, high = 10, step = 5;
};

// Whole steps of 1, 2, 5, 10 or 20 dB, no more than five, always with 0 dBi;
// nulls deeper than 40 dB below the best gain sit at the bottom.
DbiAxis dbiAxis(const std::vector<GainPoint>& points) {
    double lowest = 0, highest = 0;
    for (const GainPoint& p : points)
        if (std::isfinite(p.dbi)) {
            lowest = std::min(lowest, p.dbi);
            highest = std::max(highest, p.dbi);
        }
    lowest = std::max(lowest, highest - 40);
    DbiAxis axis;
    axis.step = 20;
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if ((highest - lowest) / step <= 5) {
            axis.step = step;
            break;
        }
    axis.low = std::floor(lowest / axis.step) * axis.step;
    axis.high = std::max(std::ceil(highest / axis.step) * axis.step, axis.low + axis.step);
    return axis;
}

void drawLegend(QPainter& p, const QRectF& panel, const style::Sizes& sizes) {
    const QFontMetricsF metrics(sizes.font);
    const double gap = sizes.gap(), line = metrics.height(), swatch = 2 * sizes.text;
    const QString names[] = {QStringLiteral("predicted"), QStringLiteral("measured")};
    const QColor colours[] = {style::kPredicted, style::kMeasured};
    const double width =
        swatch + 3 * gap +
        std::max(metrics.horizontalAdvance(names[0]), metrics.horizontalAdvance(names[1]));
    const QRectF box(panel.right() - width - gap, panel.top() + gap, width, 2 * line + gap);
    p.setPen(QPen(style::kGrid, sizes.line));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double y = box.top() + gap / 2 + line * (i + 0.5);
        p.setPen(QPen(colours[i], sizes.curve));
        p.drawLine(QPointF(box.left() + gap, y), QPointF(box.left() + gap + swatch, y));
        p.setPen(style::kText);
        p.drawText(QRectF(box.left() + 2 * gap + swatch, y - line / 2, width, line),
                   Qt::AlignLeft | Qt::AlignVCenter, names[i]);
    }
}

} // namespace

SwrGeometry drawSwrChart(QPainter& painter, const QRectF& area, const SwrChart& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, style::kBackground);
    const style::Sizes sizes(area);
    double top = area.top() + style::drawTitle(painter, area, sizes, chart.title);
    const std::vector<SwrPoint>& predicted = chart.predicted;
    if (predicted.empty() || !(predicted.front().frequencyMHz > 0)) {
        painter.restore();
        return {};
    }
    const double low = predicted.front().frequencyMHz;
    const double high = std::max(predicted.back().frequencyMHz, low * 1.0001);

    double most = kLowestTop;
    for (const auto* series : {&chart.predicted, &chart.measured})
        for (const SwrPoint& p : *series)
            if (std::isfinite(p.swr))
                most = std::max(most, p.swr);
    const double topSwr = std::min(std::ceil(most), kHighestTop);
    const bool measured = !chart.measured.empty(), hasGain = !chart.horizonGain.empty();
    const auto predictedRuns = excursions(predicted, topSwr);
    const auto measuredRuns = excursions(chart.measured, topSwr);
    QStringList notes;
    if (!predictedRuns.empty())
        notes << excursionNote(measured ? QStringLiteral("predicted SWR") : QStringLiteral("SWR"),
                               predicted, predictedRuns, topSwr);
    if (!measuredRuns.empty())
        notes << excursionNote(QStringLiteral("measured SWR"), chart.measured, measuredRuns,
                               topSwr);

    // The margins: the title and notes above, the value labels and the
    // upright axis titles on the left, the frequency labels and title below.
    const QFontMetricsF metrics(sizes.font);
    const double line = metrics.height(), gap = sizes.gap(), markSize = sizes.text * 0.7;
    const DbiAxis dbi = hasGain ? dbiAxis(chart.horizonGain) : DbiAxis{};
    double widest = metrics.horizontalAdvance(number(topSwr));
    if (hasGain)
        for (double v = dbi.low; v <= dbi.high + 1e-9; v += dbi.step)
            widest = std::max(widest, metrics.horizontalAdvance(number(v)));
    const QRectF notesBox(area.left() + gap, top, area.width() - 2 * gap, line * notes.size());
    top += notesBox.height() + (notes.isEmpty() ? gap : markSize + gap);
    const QRectF plotArea(QPointF(area.left() + 3 * gap + line + widest, top),
                          QPointF(area.right() - sizes.text, area.bottom() - 2 * line - 3 * gap));
    QRectF swrPanel = plotArea, gainPanel;
    if (hasGain) {
        const double between = 1.5 * line, gainHeight = (plotArea.height() - between) * 0.34;
        swrPanel.setBottom(plotArea.bottom() - gainHeight - between);
        gainPanel =
            QRectF(plotArea.left(), plotArea.bottom() - gainHeight, plotArea.width(), gainHeight);
    }
    const SwrGeometry g(swrPanel, gainPanel, low, high, topSwr, dbi.low, dbi.high);
    const QRectF& lowest = hasGain ? gainPanel : swrPanel;

    // Grids and their labels.
    const QPen grid(style::kGrid, sizes.line), minorGrid(style::kMinorGrid, sizes.line);
    const QPen text(style::kText);
    const auto valueLabel = [&](double y, const QString& label) {
        painter.setPen(text);
        painter.drawText(
            QRectF(area.left(), y - line / 2, plotArea.left() - gap - area.left(), line),
            Qt::AlignRight | Qt::AlignVCenter, label);
    };
    // Every SWR step has its grid line; on a short panel every other one, down
    // from the top, its label.
    const int labelStep = g.ySwr(1) - g.ySwr(2) < 1.6 * line ? 2 : 1;
    for (int s = 1; s <= topSwr; ++s) {
        painter.setPen(grid);
        painter.drawLine(QPointF(swrPanel.left(), g.ySwr(s)), QPointF(swrPanel.right(), g.ySwr(s)));
        if ((int(topSwr) - s) % labelStep == 0)
            valueLabel(g.ySwr(s), number(s));
    }
    if (hasGain)
        for (double v = dbi.low; v <= dbi.high + 1e-9; v += dbi.step) {
            painter.setPen(std::abs(v) < 1e-9 ? QPen(QColor(120, 120, 120), sizes.line) : grid);
            painter.drawLine(QPointF(gainPanel.left(), g.yDbi(v)),
                             QPointF(gainPanel.right(), g.yDbi(v)));
            valueLabel(g.yDbi(v), number(v));
        }
    for (const axis::FrequencyTick& t : axis::frequencyTicks(low, high)) {
        painter.setPen(t.major ? grid : minorGrid);
        for (const QRectF* panel : {&swrPanel, &gainPanel})
            if (!panel->isEmpty())
                painter.drawLine(QPointF(g.x(t.mhz), panel->top()),
                                 QPointF(g.x(t.mhz), panel->bottom()));
    }
    painter.setPen(text);
    axis::drawFrequencyLabels(
        painter, low, high, [&](double f) { return g.x(f); }, metrics, gap, line, lowest.bottom(),
        plotArea, area);
    const double titleX = area.left() + gap + line / 2;
    style::drawUpwardText(
        painter, QPointF(titleX, swrPanel.center().y()),
        metrics.elidedText(QStringLiteral("SWR (50 Ω)"), Qt::ElideRight, swrPanel.height()));
    if (hasGain) {
        style::drawUpwardText(
            painter, QPointF(titleX, gainPanel.center().y()),
            metrics.elidedText(QStringLiteral("gain (dBi)"), Qt::ElideRight, gainPanel.height()));
        painter.drawText(gainPanel.adjusted(gap * 2, gap / 2, -gap, 0),
                         Qt::AlignLeft | Qt::AlignTop, QStringLiteral("gain at the horizon"));
    }

    // SWR 2, and the design frequency with its value.
    painter.setPen(QPen(style::kGoodSwr, sizes.curve * 0.6, Qt::DashLine));
    painter.drawLine(QPointF(swrPanel.left(), g.ySwr(2)), QPointF(swrPanel.right(), g.ySwr(2)));
    painter.drawText(
        QRectF(swrPanel.left(), g.ySwr(2) - line - gap / 2, swrPanel.width() - gap, line),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("SWR 2"));
    if (chart.designMHz >= low * 0.999 && chart.designMHz <= high * 1.001) {
        const double x = g.x(chart.designMHz);
        painter.setPen(QPen(style::kDesign, sizes.curve * 0.6, Qt::DashDotLine));
        painter.drawLine(QPointF(x, swrPanel.top()), QPointF(x, lowest.bottom()));
        const QString value = number(chart.designMHz, 6) + QStringLiteral(" MHz");
        const double width = metrics.horizontalAdvance(value) + 2;
        const bool leftOfLine = x + gap + width > swrPanel.right() - gap;
        painter.drawText(
            QRectF(leftOfLine ? x - gap - width : x + gap, swrPanel.top() + gap / 2, width, line),
            Qt::AlignCenter, value);
    }

    painter.setPen(QPen(style::kText, sizes.line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swrPanel);
    if (hasGain)
        painter.drawRect(gainPanel);

    // The curves over the frames, so that SWR 1 stays visible; they end at
    // the top edge, where the marks take over.
    const auto swrY = [&](const SwrPoint& p) { return g.ySwr(drawnSwr(p.swr, topSwr)); };
    if (measured) {
        painter.setPen(QPen(style::kMeasured, sizes.curve, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curvePath(g, chart.measured, swrY, swrPanel));
    }
    painter.setPen(QPen(style::kPredicted, sizes.curve, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curvePath(g, predicted, swrY, swrPanel));
    if (hasGain) {
        const auto gainY = [&](const GainPoint& p) {
            return g.yDbi(std::clamp(p.dbi, dbi.low, dbi.high));
        };
        painter.drawPath(curvePath(g, chart.horizonGain, gainY, gainPanel));
    }

    drawExcursionMarks(painter, g, chart.measured, measuredRuns, style::kMeasured, markSize);
    drawExcursionMarks(painter, g, predicted, predictedRuns, style::kPredicted, markSize);
    painter.setPen(style::kGoodSwr);
    for (qsizetype i = 0; i < notes.size(); ++i)
        painter.drawText(QRectF(notesBox.left(), notesBox.top() + i * line, notesBox.width(), line),
                         Qt::AlignCenter,
                         metrics.elidedText(notes[i], Qt::ElideRight, notesBox.width()));
    if (measured)
        drawLegend(painter, swrPanel, sizes);
    painter.restore();
    return g;
}

} // namespace discone::plot
