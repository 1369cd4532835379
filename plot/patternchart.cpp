// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patternchart.h"

#include "chartframe.h"
#include "chartstyle.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace discone::plot {

PatternGeometry::PatternGeometry(const QPointF& centre, double radius, double topDbi,
                                 double floorDbi)
    : centre_(centre), radius_(radius), topDbi_(topDbi), floorDbi_(std::min(floorDbi, topDbi - 1)) {
}

QPointF PatternGeometry::point(double elevationDeg, double dbi) const {
    const double r =
        radius_ * (std::clamp(dbi, floorDbi_, topDbi_) - floorDbi_) / (topDbi_ - floorDbi_);
    const double angle = qDegreesToRadians(elevationDeg);
    return {centre_.x() + r * std::cos(angle), centre_.y() - r * std::sin(angle)};
}

PatternReading PatternGeometry::readingAt(const QPointF& point) const {
    const double dx = point.x() - centre_.x(), dy = centre_.y() - point.y();
    const double distance = std::hypot(dx, dy);
    PatternReading reading;
    if (radius_ <= 0)
        return reading;
    reading.inside = distance <= radius_;
    reading.elevationDeg = qRadiansToDegrees(std::atan2(dy, std::abs(dx)));
    reading.dbi = floorDbi_ + distance / radius_ * (topDbi_ - floorDbi_);
    return reading;
}

namespace {

constexpr double kRange = 40; // the floor lies this far under the outer ring
constexpr double kRing = 10;  // dB between rings

// Text centred on `at`, on a white patch so the grid does not cross it.
void drawLabel(QPainter& p, const QPointF& at, const QString& text, const QFontMetricsF& metrics,
               bool patch) {
    const double width = metrics.horizontalAdvance(text) + 4, height = metrics.height();
    const QRectF box(at.x() - width / 2, at.y() - height / 2, width, height);
    if (patch)
        p.fillRect(box, style::kBackground);
    p.drawText(box, Qt::AlignCenter, text);
}

QPainterPath cutPath(const PatternGeometry& g, const PatternCut& cut, bool mirrored) {
    QPainterPath path;
    bool open = false;
    for (const PatternPoint& p : cut.points) {
        if (std::isnan(p.dbi) || std::isnan(p.elevationDeg)) {
            open = false;
            continue;
        }
        QPointF at = g.point(p.elevationDeg, p.dbi);
        if (mirrored)
            at.setX(2 * g.centre().x() - at.x());
        open ? path.lineTo(at) : path.moveTo(at);
        open = true;
    }
    return path;
}

} // namespace

PatternGeometry drawPatternChart(QPainter& painter, const QRectF& area, const PatternChart& chart) {
    const frame::Frame f(painter, area, chart.title);
    const style::Sizes& sizes = f.sizes;
    const double titleHeight = f.top - area.top();
    const Separators& sep = chart.separators;

    // The outer ring at the best gain rounded up to 5 dB.
    double best = -std::numeric_limits<double>::infinity();
    for (const PatternCut& cut : chart.cuts)
        for (const PatternPoint& p : cut.points)
            if (std::isfinite(p.dbi))
                best = std::max(best, p.dbi);
    const double topDbi = std::isfinite(best) ? std::ceil(best / 5) * 5 + 0.0 : 0.0;

    // The legend on the right, the circle centred in the rest with room for
    // the horizon's and the angles' labels around it.
    const QFontMetricsF metrics(sizes.font);
    const double line = metrics.height(), gap = sizes.gap(), swatch = 2 * sizes.text;
    QStringList names;
    double widest = 0;
    for (const PatternCut& cut : chart.cuts) {
        names << style::number(cut.frequencyMHz, sep, 6) + QStringLiteral(" MHz");
        widest = std::max(widest, metrics.horizontalAdvance(names.back()));
    }
    const double legendWidth = names.isEmpty() ? 0 : swatch + 3 * gap + widest;
    const QRectF body(area.left(), area.top() + titleHeight, area.width() - legendWidth,
                      area.height() - titleHeight);
    const double side = metrics.horizontalAdvance(QStringLiteral("horizon")) + 2 * gap;
    const double radius =
        std::max(0.0, std::min(body.width() / 2 - side, body.height() / 2 - line - gap));
    // The circle with its labels and the legend, side by side, centred.
    const double spare = body.width() - 2 * (radius + side);
    const PatternGeometry g(QPointF(body.left() + spare / 2 + side + radius, body.center().y()),
                            radius, topDbi, topDbi - kRange);
    const double legendLeft = g.centre().x() + radius + side + gap;
    const QPointF c = g.centre();

    // Spokes every 30 degrees, then the rings with their values up the
    // vertical axis, where a discone sends least.
    painter.setFont(sizes.font);
    painter.setPen(QPen(style::kGrid, sizes.line));
    for (int elevation = -60; elevation <= 60; elevation += 30) {
        const QPointF end = g.point(elevation, topDbi);
        painter.drawLine(c, end);
        painter.drawLine(c, QPointF(2 * c.x() - end.x(), end.y()));
    }
    painter.drawLine(g.point(-90, topDbi), g.point(90, topDbi));
    for (int ring = 1; ring < kRange / kRing; ++ring) {
        const double r = radius * ring * kRing / kRange;
        painter.drawEllipse(c, r, r);
    }
    painter.setPen(QPen(style::kText, sizes.line));
    painter.drawEllipse(c, radius, radius);
    const QPen horizon(QColor(90, 90, 90), sizes.line * 1.5);
    painter.setPen(horizon);
    painter.drawLine(QPointF(c.x() - radius - gap, c.y()), QPointF(c.x() + radius + gap, c.y()));

    painter.setPen(style::kText);
    const double horizonWidth = metrics.horizontalAdvance(QStringLiteral("horizon"));
    for (const double sign : {-1.0, 1.0}) {
        drawLabel(painter, QPointF(c.x() + sign * (radius + 1.5 * gap + horizonWidth / 2), c.y()),
                  QStringLiteral("horizon"), metrics, false);
        for (int elevation = -60; elevation <= 60; elevation += 30) {
            if (elevation == 0)
                continue;
            const QString text = style::number(elevation, sep) + QStringLiteral("°");
            const double out = radius + gap + metrics.horizontalAdvance(text) / 2;
            const double angle = qDegreesToRadians(double(elevation));
            drawLabel(painter,
                      QPointF(c.x() + sign * out * std::cos(angle), c.y() - out * std::sin(angle)),
                      text, metrics, false);
        }
    }
    drawLabel(painter, QPointF(c.x(), c.y() - radius - gap / 2 - line / 2), QStringLiteral("up"),
              metrics, false);
    drawLabel(painter, QPointF(c.x(), c.y() + radius + gap / 2 + line / 2), QStringLiteral("down"),
              metrics, false);
    for (int ring = 0; ring < kRange / kRing; ++ring) {
        const double value = topDbi - ring * kRing;
        const QString text =
            style::number(value, sep) + (ring == 0 ? QStringLiteral(" dBi") : QString());
        const double r = radius * (kRange - ring * kRing) / kRange;
        drawLabel(painter,
                  QPointF(c.x() + metrics.horizontalAdvance(text) / 2 + gap, c.y() - r + line / 2),
                  text, metrics, true);
    }

    // The cuts, each on both sides, and the legend.
    const double legendTop = c.y() - names.size() * line / 2;
    for (std::size_t i = 0; i < chart.cuts.size(); ++i) {
        const QColor colour = style::cutColour(int(i));
        painter.setPen(QPen(colour, sizes.curve, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(cutPath(g, chart.cuts[i], false));
        painter.drawPath(cutPath(g, chart.cuts[i], true));
        const double y = legendTop + line * (double(i) + 0.5);
        const double x = legendLeft;
        painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
        painter.setPen(style::kText);
        painter.drawText(QRectF(x + swatch + gap, y - line / 2, widest + gap, line),
                         Qt::AlignLeft | Qt::AlignVCenter, names[qsizetype(i)]);
    }
    return g;
}

} // namespace discone::plot
