// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The chart views beside the SWR's: the beam and the impedance, read in
// the mouse's column; the Smith chart, read at the computed point nearest
// the mouse; and the elevation pattern, read along the elevation.
#include "beamchart.h"
#include "chartstyle.h"
#include "chartview.h"
#include "impedancechart.h"
#include "readout.h"
#include "separators.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace discone::ui {
namespace {

// The frequency under `point` where it is over a panel.
std::optional<double> columnAt(const plot::frame::FrequencyGeometry& g, const QPointF& point) {
    if (g.empty() || !g.panelAt(point))
        return std::nullopt;
    return g.mhzAt(point.x());
}

QLineF hairline(const plot::frame::FrequencyGeometry& g, double mhz) {
    const double x = g.x(mhz);
    return {QPointF(x, g.panel(0).top()), QPointF(x, g.panel(g.panelCount() - 1).bottom())};
}

} // namespace

BeamView::BeamView(QWidget* parent) : ReadoutView(parent) {}

void BeamView::setChart(const plot::BeamChart& chart) {
    chart_ = chart;
    forThisUser(chart_, chart_.points);
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawBeamChart(painter, area, chart_);
    });
}

void BeamView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> BeamView::stops() const {
    return frequenciesOf(chart_.points);
}

std::optional<double> BeamView::cursorAt(const QPointF& point) const {
    return columnAt(geometry_, point);
}

QString BeamView::textAt(double mhz) const {
    return plot::describe(chart_, plot::readBeamChart(chart_, mhz));
}

std::vector<ReadoutView::Marker> BeamView::markersAt(double mhz) const {
    const plot::BeamReadout r = plot::readBeamChart(chart_, mhz);
    const auto at = [&](std::size_t panel, double v) {
        const plot::frame::ValueAxis& a = geometry_.axis(panel);
        return QPointF(geometry_.x(mhz), geometry_.y(panel, std::clamp(v, a.low, a.high)));
    };
    const QColor peak(130, 50, 170);
    std::vector<Marker> markers;
    if (r.horizonDbi)
        markers.push_back({at(0, *r.horizonDbi), plot::style::kPredicted});
    if (r.peakDbi)
        markers.push_back({at(0, *r.peakDbi), peak});
    if (r.peakElevationDeg)
        markers.push_back({at(1, *r.peakElevationDeg), peak});
    return markers;
}

std::optional<QLineF> BeamView::hairlineAt(double mhz) const {
    return hairline(geometry_, mhz);
}

ImpedanceView::ImpedanceView(QWidget* parent) : ReadoutView(parent) {}

void ImpedanceView::setChart(const plot::ImpedanceChart& chart) {
    chart_ = chart;
    forThisUser(chart_, chart_.points);
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawImpedanceChart(painter, area, chart_);
    });
}

void ImpedanceView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> ImpedanceView::stops() const {
    return frequenciesOf(chart_.points);
}

std::optional<double> ImpedanceView::cursorAt(const QPointF& point) const {
    return columnAt(geometry_, point);
}

QString ImpedanceView::textAt(double mhz) const {
    return plot::describe(chart_, plot::readImpedanceChart(chart_, mhz));
}

std::vector<ReadoutView::Marker> ImpedanceView::markersAt(double mhz) const {
    const plot::ImpedanceReadout r = plot::readImpedanceChart(chart_, mhz);
    const plot::frame::ValueAxis& a = geometry_.axis(0);
    const auto at = [&](double v) {
        return QPointF(geometry_.x(mhz), geometry_.y(0, std::clamp(v, a.low, a.high)));
    };
    std::vector<Marker> markers;
    if (r.resistance)
        markers.push_back({at(*r.resistance), plot::kResistance});
    if (r.reactance)
        markers.push_back({at(*r.reactance), plot::kReactance});
    return markers;
}

std::optional<QLineF> ImpedanceView::hairlineAt(double mhz) const {
    return hairline(geometry_, mhz);
}

SmithView::SmithView(QWidget* parent) : ReadoutView(parent) {}

void SmithView::setChart(const plot::SmithChart& chart) {
    chart_ = chart;
    chart_.separators = systemSeparators();
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawSmithChart(painter, area, chart_);
    });
}

void SmithView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> SmithView::stops() const {
    std::vector<double> indices(chart_.predicted.size());
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = double(i);
    return indices;
}

std::optional<double> SmithView::cursorAt(const QPointF& point) const {
    if (geometry_.empty() || !geometry_.impedanceAt(point))
        return std::nullopt;
    std::optional<double> nearest;
    double best = INFINITY;
    for (std::size_t i = 0; i < chart_.predicted.size(); ++i) {
        const plot::ImpedancePoint& p = chart_.predicted[i];
        const QPointF at = geometry_.point({p.resistance, p.reactance});
        if (const double d = std::hypot(at.x() - point.x(), at.y() - point.y()); d < best) {
            best = d;
            nearest = double(i);
        }
    }
    return nearest;
}

QString SmithView::textAt(double index) const {
    return plot::describe(chart_, std::size_t(index));
}

std::vector<ReadoutView::Marker> SmithView::markersAt(double index) const {
    if (geometry_.empty() || index >= double(chart_.predicted.size()))
        return {};
    const plot::ImpedancePoint& p = chart_.predicted[std::size_t(index)];
    return {{geometry_.point({p.resistance, p.reactance}), plot::style::kPredicted}};
}

PatternView::PatternView(QWidget* parent) : ReadoutView(parent) {}

void PatternView::setChart(const plot::PatternChart& chart) {
    chart_ = chart;
    chart_.separators = systemSeparators();
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawPatternChart(painter, area, chart_);
    });
}

void PatternView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> PatternView::stops() const {
    std::vector<double> elevations;
    if (!chart_.cuts.empty())
        for (const plot::PatternPoint& p : chart_.cuts.front().points)
            elevations.push_back(p.elevationDeg);
    return elevations;
}

std::optional<double> PatternView::cursorAt(const QPointF& point) const {
    const plot::PatternReading r = geometry_.readingAt(point);
    if (!r.inside || chart_.cuts.empty())
        return std::nullopt;
    return r.elevationDeg;
}

// Linear in dBi between neighbouring directions, as the curve is drawn; a
// null on either side reads as the nearer one.
std::optional<double> PatternView::gainAt(double elevation) const {
    if (chart_.cuts.empty())
        return std::nullopt;
    const std::vector<plot::PatternPoint>& p = chart_.cuts.front().points;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (elevation == p[i].elevationDeg)
            return p[i].dbi;
        if (i == 0 || elevation > p[i].elevationDeg || elevation < p[i - 1].elevationDeg)
            continue;
        const double t =
            (elevation - p[i - 1].elevationDeg) / (p[i].elevationDeg - p[i - 1].elevationDeg);
        if (!std::isfinite(p[i - 1].dbi) || !std::isfinite(p[i].dbi))
            return t < 0.5 ? p[i - 1].dbi : p[i].dbi;
        return p[i - 1].dbi + t * (p[i].dbi - p[i - 1].dbi);
    }
    return std::nullopt;
}

QString PatternView::textAt(double elevation) const {
    const std::optional<double> dbi = gainAt(elevation);
    if (!dbi || std::isnan(*dbi))
        return {};
    const Separators& sep = chart_.separators;
    QString gain = std::isinf(*dbi)
                       ? QStringLiteral("a null")
                       : QString::fromStdString(fixedText(*dbi, 1, sep)) + QStringLiteral(" dBi");
    // A true minus sign, and none on a gain that rounds to zero.
    if (gain.startsWith(u'-'))
        gain[0] = gain.contains(QRegularExpression(QStringLiteral("[1-9]"))) ? QChar(0x2212) : u' ';
    gain = gain.trimmed();
    return QStringLiteral("%1 MHz, %2° elevation: %3")
        .arg(plot::style::number(chart_.cuts.front().frequencyMHz, sep, 4),
             plot::style::number(std::round(elevation), sep), gain);
}

std::vector<ReadoutView::Marker> PatternView::markersAt(double elevation) const {
    const std::optional<double> dbi = gainAt(elevation);
    if (!dbi || std::isnan(*dbi) || geometry_.radius() <= 0)
        return {};
    // The antenna is round: the same gain on both sides.
    const QPointF right = geometry_.point(elevation, *dbi);
    const QPointF left(2 * geometry_.centre().x() - right.x(), right.y());
    return {{right, plot::style::cutColour(0)}, {left, plot::style::cutColour(0)}};
}

std::optional<QLineF> PatternView::hairlineAt(double elevation) const {
    if (geometry_.radius() <= 0)
        return std::nullopt;
    return QLineF(geometry_.centre(), geometry_.point(elevation, geometry_.topDbi()));
}

} // namespace discone::ui
