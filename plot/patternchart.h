// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The elevation pattern as a polar chart in dBi, drawn into any painter and
// rectangle: up (the disc's side) at the top, the horizon across the middle
// and labelled, rings every 10 dB down to a floor 40 dB below the outer
// ring, gains under the floor drawn at the centre. Each cut is mirrored to
// both sides of the vertical axis, since the antenna is round, and a legend
// gives each cut's frequency in its colour. The returned geometry maps a
// point of the rectangle back to the elevation and gain under it.
#pragma once

#include "charts.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace discone::plot {

struct PatternReading {
    bool inside = false;     // within the outer ring
    double elevationDeg = 0; // the same on both sides of the vertical axis
    double dbi = 0;
};

class PatternGeometry {
public:
    PatternGeometry() = default; // nothing drawn: every point is outside
    PatternGeometry(const QPointF& centre, double radius, double topDbi, double floorDbi);

    const QPointF& centre() const { return centre_; }
    double radius() const { return radius_; }
    double topDbi() const { return topDbi_; }     // the outer ring
    double floorDbi() const { return floorDbi_; } // the centre

    // Where `dbi` at `elevationDeg` is drawn on the right-hand side; the
    // left-hand side is its mirror image. Gains under the floor sit at the
    // centre.
    QPointF point(double elevationDeg, double dbi) const;

    PatternReading readingAt(const QPointF& point) const;

private:
    QPointF centre_;
    double radius_ = 0, topDbi_ = 0, floorDbi_ = -40;
};

// Draws `chart` filling `area`. A chart without cuts gets its rings and
// title all the same.
PatternGeometry drawPatternChart(QPainter& painter, const QRectF& area, const PatternChart& chart);

} // namespace discone::plot
