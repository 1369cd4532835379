// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "smithchart.h"

#include "chartframe.h"
#include "chartstyle.h"
#include "report.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace discone::plot {

namespace {

using Complex = std::complex<double>;

Complex reflection(Complex ohms, double reference) {
    return (ohms - reference) / (ohms + reference);
}

// The resistance circles and reactance arcs, normalised, and those
// labelled.
constexpr double kGrid[] = {0.2, 0.5, 1, 2, 5};
constexpr double kLabelled[] = {0.5, 1, 2};

} // namespace

SmithGeometry::SmithGeometry(const QPointF& centre, double radius, double referenceOhms)
    : centre_(centre), radius_(radius), referenceOhms_(referenceOhms) {}

QPointF SmithGeometry::point(Complex ohms) const {
    const Complex g = std::isinf(ohms.real()) || std::isinf(ohms.imag())
                          ? Complex(1, 0)
                          : reflection(ohms, referenceOhms_);
    return {centre_.x() + radius_ * g.real(), centre_.y() - radius_ * g.imag()};
}

std::optional<Complex> SmithGeometry::impedanceAt(const QPointF& point) const {
    if (empty())
        return std::nullopt;
    const Complex g((point.x() - centre_.x()) / radius_, (centre_.y() - point.y()) / radius_);
    if (std::abs(g) > 1 || std::abs(1.0 - g) < 1e-9)
        return std::nullopt;
    return referenceOhms_ * (1.0 + g) / (1.0 - g);
}

namespace {

// The reflection at `mhz` between the computed points, as the curve's
// straight pieces draw it.
std::optional<Complex> reflectionAt(const std::vector<ImpedancePoint>& points, double mhz,
                                    double reference) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ImpedancePoint &a = points[i], &b = points[i + 1];
        if (mhz < a.frequencyMHz || mhz > b.frequencyMHz)
            continue;
        const double t = std::log(mhz / a.frequencyMHz) / std::log(b.frequencyMHz / a.frequencyMHz);
        const Complex ga = reflection({a.resistance, a.reactance}, reference);
        const Complex gb = reflection({b.resistance, b.reactance}, reference);
        return ga + t * (gb - ga);
    }
    if (points.size() == 1 && points.front().frequencyMHz == mhz)
        return reflection({points[0].resistance, points[0].reactance}, reference);
    return std::nullopt;
}

// Text centred on `at`.
void drawLabel(QPainter& p, const QPointF& at, const QString& text, const QFontMetricsF& metrics) {
    const double width = metrics.horizontalAdvance(text) + 4, height = metrics.height();
    p.drawText(QRectF(at.x() - width / 2, at.y() - height / 2, width, height), Qt::AlignCenter,
               text);
}

void drawGrid(const frame::Frame& f, const SmithGeometry& g, const Separators& sep) {
    QPainter& painter = f.painter;
    const QPointF c = g.centre();
    const double radius = g.radius();
    const QPen grid(QColor(200, 200, 200), f.sizes.line);
    painter.setPen(grid);
    painter.setBrush(Qt::NoBrush);
    for (const double r : kGrid) {
        const double rr = radius / (1 + r);
        painter.drawEllipse(QPointF(c.x() + radius - rr, c.y()), rr, rr);
    }
    // The arcs from the left of the rim, where they meet it, to the right
    // edge, traced along rising resistance: QSvgGenerator keeps no clip.
    for (const double x : kGrid)
        for (const double sign : {1.0, -1.0}) {
            QPainterPath arc;
            for (int k = 0; k <= 80; ++k) {
                const double t = k / 80.0;
                const QPointF at =
                    k == 80 ? g.point({INFINITY, 0})
                            : g.point(g.referenceOhms() * Complex(t / (1 - t), sign * x));
                k == 0 ? arc.moveTo(at) : arc.lineTo(at);
            }
            painter.drawPath(arc);
        }
    painter.drawLine(QPointF(c.x() - radius, c.y()), QPointF(c.x() + radius, c.y()));
    painter.setPen(QPen(style::kText, f.sizes.line));
    painter.drawEllipse(c, radius, radius);

    // Resistance labels under the axis, reactance labels outside the rim.
    painter.setPen(QColor(90, 90, 90));
    const double ref = g.referenceOhms();
    for (const double r : kLabelled) {
        const QString text = style::number(r * ref, sep);
        const QPointF at = g.point({r * ref, 0});
        drawLabel(painter,
                  QPointF(at.x() + f.metrics.horizontalAdvance(text) / 2 + f.gap / 2,
                          at.y() + f.line / 2),
                  text, f.metrics);
    }
    for (const double x : kLabelled)
        for (const double sign : {1.0, -1.0}) {
            const QString text = (sign > 0 ? QStringLiteral("+j") : QStringLiteral("−j")) +
                                 style::number(x * ref, sep);
            const QPointF rim = g.point({0, sign * x * ref});
            const QPointF out = (rim - c) / radius;
            const double half = f.metrics.horizontalAdvance(text) / 2 + f.gap;
            drawLabel(painter, rim + QPointF(out.x() * half, out.y() * (f.line / 2 + f.gap / 2)),
                      text, f.metrics);
        }
}

void drawCurve(QPainter& painter, const SmithGeometry& g, const std::vector<ImpedancePoint>& points,
               const QPen& pen) {
    QPainterPath path;
    bool open = false;
    for (const ImpedancePoint& p : points) {
        if (std::isnan(p.resistance) || std::isnan(p.reactance)) {
            open = false;
            continue;
        }
        const QPointF at = g.point({p.resistance, p.reactance});
        open ? path.lineTo(at) : path.moveTo(at);
        open = true;
    }
    painter.setPen(pen);
    painter.drawPath(path);
}

} // namespace

SmithGeometry drawSmithChart(QPainter& painter, const QRectF& area, const SmithChart& chart) {
    const frame::Frame f(painter, area, chart.title);
    const Separators& sep = chart.separators;
    const bool measured = !chart.measured.empty();
    double top = f.top;
    if (measured)
        top += f.drawLegendRow(QPointF(area.left() + 2 * f.gap, top),
                               {{QStringLiteral("predicted"), style::kPredicted},
                                {QStringLiteral("measured"), style::kMeasured}});
    // Room for the reactance labels left and right, and for a line of
    // them and the note under the circle.
    const double side = f.metrics.horizontalAdvance(QStringLiteral("−j1000")) + 2 * f.gap;
    const QRectF body(area.left(), top, area.width(), area.bottom() - top - f.line - f.gap);
    const double radius =
        std::max(0.0, std::min(body.width() / 2 - side, body.height() / 2 - f.line - f.gap));
    const SmithGeometry g(body.center(), radius, chart.referenceOhms);
    drawGrid(f, g, sep);

    painter.setPen(QPen(style::kGoodSwr, f.sizes.curve * 0.6, Qt::DashLine));
    painter.drawEllipse(g.centre(), radius / 3, radius / 3);
    painter.setPen(style::kGoodSwr);
    drawLabel(painter,
              g.centre() + QPointF(radius / 3 * 0.71 + f.gap * 2.5, -radius / 3 * 0.71 - f.gap),
              QStringLiteral("SWR 2"), f.metrics);
    painter.setPen(style::kText);
    painter.drawText(QRectF(area.left() + f.gap, area.bottom() - f.line - f.gap,
                            area.width() - 2 * f.gap, f.line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("impedance in ohms, normalised to %1 Ω")
                         .arg(style::number(chart.referenceOhms, sep)));

    const std::vector<ImpedancePoint>& points = chart.predicted;
    if (points.empty() || !(points.front().frequencyMHz > 0)) {
        painter.drawText(QRectF(area.left(), g.centre().y() + f.line, area.width(), f.line),
                         Qt::AlignCenter, QStringLiteral("No impedance to draw"));
        return g;
    }
    if (measured)
        drawCurve(painter, g, chart.measured,
                  QPen(style::kMeasured, f.sizes.curve, Qt::SolidLine, Qt::RoundCap));
    drawCurve(painter, g, points,
              QPen(style::kPredicted, f.sizes.curve, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The marks: a dot, and its frequency outwards from the centre.
    for (const double mhz : study::smithMarks(chart.designMHz, points.front().frequencyMHz,
                                              points.back().frequencyMHz)) {
        const auto gamma = reflectionAt(points, mhz, chart.referenceOhms);
        if (!gamma)
            continue;
        const QPointF at(g.centre().x() + radius * gamma->real(),
                         g.centre().y() - radius * gamma->imag());
        painter.setPen(Qt::NoPen);
        painter.setBrush(mhz == chart.designMHz ? style::kDesign : style::kText);
        painter.drawEllipse(at, f.sizes.curve * 1.6, f.sizes.curve * 1.6);
        painter.setBrush(Qt::NoBrush);
        const QString text = style::number(mhz, sep, 6) + QStringLiteral(" MHz");
        const QPointF away = at - g.centre();
        const double length = std::hypot(away.x(), away.y());
        const QPointF unit = length > 1 ? away / length : QPointF(1, 0);
        const double half = f.metrics.horizontalAdvance(text) / 2 + f.gap;
        painter.setPen(mhz == chart.designMHz ? style::kDesign : style::kText);
        drawLabel(painter, at + QPointF(unit.x() * half, unit.y() * (f.line / 2 + f.gap)), text,
                  f.metrics);
    }
    return g;
}

} // namespace discone::plot
