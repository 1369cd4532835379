// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Smith chart, drawn into any painter and rectangle: the predicted
// impedance (and a measured one, in the measured colour) as reflection
// against the chart's reference resistance, over the usual grid of
// resistance circles and reactance arcs, labelled sparsely in ohms, with
// the SWR 2 circle and frequency marks: a dot and its MHz at the design
// frequency and at the round frequencies (1, 2 and 5 times a power of ten)
// the curve passes. The geometry maps an impedance to its point and back.
#pragma once

#include "charts.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <complex>
#include <optional>

namespace discone::plot {

class SmithGeometry {
public:
    SmithGeometry() = default; // nothing drawn: every point is outside
    SmithGeometry(const QPointF& centre, double radius, double referenceOhms);

    const QPointF& centre() const { return centre_; }
    double radius() const { return radius_; }
    double referenceOhms() const { return referenceOhms_; }
    bool empty() const { return radius_ <= 0; }

    // The reflection (z - z0) / (z + z0) drawn in the circle, right for
    // high resistance, up for inductive reactance.
    QPointF point(std::complex<double> ohms) const;
    // The impedance at a point inside the circle; nullopt outside or at its
    // right edge (an open circuit).
    std::optional<std::complex<double>> impedanceAt(const QPointF& point) const;

private:
    QPointF centre_;
    double radius_ = 0, referenceOhms_ = 50;
};

// Draws `chart` filling `area`. A chart without predicted points gets its
// grid, title and a note.
SmithGeometry drawSmithChart(QPainter& painter, const QRectF& area, const SmithChart& chart);

} // namespace discone::plot
