// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "swrchart.h"

#include "chartframe.h"
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

double returnLossDb(double swr) {
    if (std::isnan(swr))
        return swr;
    if (!(swr > 1))
        return std::numeric_limits<double>::infinity();
    return std::isinf(swr) ? 0 : -20 * std::log10((swr - 1) / (swr + 1));
}

SwrGeometry::SwrGeometry(const QRectF& swrPanel, const QRectF& gainPanel, double lowMHz,
                         double highMHz, double topSwr, double lowDbi, double highDbi,
                         MatchScale scale, double bottomDb)
    : swr_(swrPanel), gain_(gainPanel), lowMHz_(lowMHz),
      highMHz_(std::max(highMHz, lowMHz * 1.0001)), topSwr_(topSwr), lowDbi_(lowDbi),
      highDbi_(std::max(highDbi, lowDbi + 1)), scale_(scale), bottomDb_(bottomDb) {}

double SwrGeometry::x(double mhz) const {
    return swr_.left() + swr_.width() * std::log(mhz / lowMHz_) / std::log(highMHz_ / lowMHz_);
}

double SwrGeometry::frequencyAt(double x) const {
    return lowMHz_ * std::pow(highMHz_ / lowMHz_, (x - swr_.left()) / swr_.width());
}

double SwrGeometry::ySwr(double swr) const {
    if (scale_ == MatchScale::ReturnLoss)
        return yReturnLoss(returnLossDb(swr));
    return swr_.bottom() - swr_.height() * (swr - 1) / (topSwr_ - 1);
}

double SwrGeometry::yReturnLoss(double db) const {
    return swr_.top() + swr_.height() * db / bottomDb_;
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
        reading.value = scale_ == MatchScale::ReturnLoss
                            ? (point.y() - swr_.top()) / swr_.height() * bottomDb_
                            : 1 + (swr_.bottom() - point.y()) / swr_.height() * (topSwr_ - 1);
    } else if (inside(gain_)) {
        reading.panel = SwrPanel::Gain;
        reading.value =
            lowDbi_ + (gain_.bottom() - point.y()) / gain_.height() * (highDbi_ - lowDbi_);
    } else {
        return reading;
    }
    reading.frequencyMHz = frequencyAt(point.x());
    return reading;
}

namespace {

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
                      const std::vector<Excursion>& runs, double top, const Separators& sep) {
    const auto number = [&](double v) { return style::number(v, sep); };
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

} // namespace

SwrGeometry drawSwrChart(QPainter& painter, const QRectF& area, const SwrChart& chart) {
    const frame::Frame f(painter, area, chart.title);
    const std::vector<SwrPoint>& predicted = chart.predicted;
    if (predicted.empty() || !(predicted.front().frequencyMHz > 0)) {
        f.drawEmpty(QStringLiteral("No SWR to draw"));
        return {};
    }
    const Separators& sep = chart.separators;
    const bool returnLoss = chart.scale == MatchScale::ReturnLoss;
    const double low = predicted.front().frequencyMHz;
    const double high = std::max(predicted.back().frequencyMHz, low * 1.0001);

    // SWR from 1 up to what the curves reach, within 5 to 10; return loss
    // from 0 dB down to what they reach, within 20 to 40 dB.
    double most = kLowestTop, deepest = 0;
    for (const auto* series : {&chart.predicted, &chart.measured, &chart.radioEnd})
        for (const SwrPoint& p : *series) {
            if (std::isfinite(p.swr))
                most = std::max(most, p.swr);
            if (const double db = returnLossDb(p.swr); std::isfinite(db))
                deepest = std::max(deepest, db);
        }
    const double topSwr = returnLoss ? kLowestTop : std::min(std::ceil(most), kHighestTop);
    const double bottomDb = std::clamp(std::ceil(deepest / 5) * 5, 20.0, 40.0);
    const bool measured = !chart.measured.empty(), hasGain = !chart.horizonGain.empty();
    const bool radioEnd = !chart.radioEnd.empty();
    const auto predictedRuns =
        returnLoss ? std::vector<Excursion>{} : excursions(predicted, topSwr);
    const auto measuredRuns =
        returnLoss ? std::vector<Excursion>{} : excursions(chart.measured, topSwr);
    QStringList notes = chart.notes;
    if (!predictedRuns.empty())
        notes << excursionNote(measured ? QStringLiteral("predicted SWR") : QStringLiteral("SWR"),
                               predicted, predictedRuns, topSwr, sep);
    if (!measuredRuns.empty())
        notes << excursionNote(QStringLiteral("measured SWR"), chart.measured, measuredRuns, topSwr,
                               sep);

    frame::FrequencyFrame layout;
    layout.lowMHz = low;
    layout.highMHz = high;
    layout.designMHz = chart.designMHz;
    layout.bands = chart.bands;
    layout.separators = sep;
    layout.notes = notes;
    if (radioEnd) {
        layout.legendBox = {{QStringLiteral("at the antenna"), style::kPredicted},
                            {chart.radioEndName, style::kRadioEnd}};
        if (measured)
            layout.legendBox.push_back({QStringLiteral("measured at the radio"), style::kMeasured});
    } else if (measured) {
        layout.legendBox = {{QStringLiteral("predicted"), style::kPredicted},
                            {QStringLiteral("measured"), style::kMeasured}};
    }
    const double markSize = f.sizes.text * 0.7;
    layout.roomOverPanels = notes.isEmpty() ? 0 : markSize;
    const QString ohms = style::number(chart.referenceOhms, sep) + QStringLiteral(" Ω");
    frame::Panel match;
    if (returnLoss) {
        match.axis = {0, bottomDb, bottomDb > 30 ? 10.0 : 5.0, true};
        match.title = QStringLiteral("return loss (dB, %1)").arg(ohms);
        match.guides.push_back({returnLossDb(2), QStringLiteral("SWR 2"), style::kGoodSwr});
    } else {
        match.axis = {1, topSwr, 1};
        match.title = QStringLiteral("SWR (%1)").arg(ohms);
        match.guides.push_back({2, QStringLiteral("SWR 2"), style::kGoodSwr});
    }
    layout.panels.push_back(match);
    const DbiAxis dbi = hasGain ? dbiAxis(chart.horizonGain) : DbiAxis{};
    if (hasGain) {
        frame::Panel gain;
        gain.axis = {dbi.low, dbi.high, dbi.step};
        gain.title = QStringLiteral("gain (dBi)");
        gain.caption = QStringLiteral("gain at the horizon");
        gain.share = 0.34 / 0.66;
        layout.panels.push_back(gain);
    }
    const frame::FrequencyGeometry fg = frame::drawFrequencyFrame(f, layout);
    const QRectF swrPanel = fg.panel(0);
    const QRectF gainPanel = hasGain ? fg.panel(1) : QRectF();
    const SwrGeometry g(swrPanel, gainPanel, low, high, topSwr, dbi.low, dbi.high, chart.scale,
                        bottomDb);

    // The curves over the frames, so that SWR 1 stays visible; they end at
    // the top edge, where the marks take over.
    const auto swrY = [&](const SwrPoint& p) {
        return returnLoss ? g.yReturnLoss(std::min(returnLossDb(p.swr), bottomDb))
                          : g.ySwr(drawnSwr(p.swr, topSwr));
    };
    if (measured) {
        painter.setPen(QPen(style::kMeasured, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curvePath(g, chart.measured, swrY, swrPanel));
    }
    if (radioEnd) {
        painter.setPen(QPen(style::kRadioEnd, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(curvePath(g, chart.radioEnd, swrY, swrPanel));
    }
    painter.setPen(QPen(style::kPredicted, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curvePath(g, predicted, swrY, swrPanel));
    if (hasGain) {
        const auto gainY = [&](const GainPoint& p) {
            return g.yDbi(std::clamp(p.dbi, dbi.low, dbi.high));
        };
        painter.drawPath(curvePath(g, chart.horizonGain, gainY, gainPanel));
    }

    drawExcursionMarks(painter, g, chart.measured, measuredRuns, style::kMeasured, markSize);
    drawExcursionMarks(painter, g, predicted, predictedRuns, style::kPredicted, markSize);
    if (!layout.legendBox.empty())
        f.drawLegendBox(swrPanel, layout.legendBox);
    return g;
}

} // namespace discone::plot
