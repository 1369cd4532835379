// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR chart, drawn into any painter and rectangle: SWR on a linear axis
// from 1 to between 5 and 10 (or return loss in dB, 0 at the top), frequency
// on a logarithmic axis labelled at both ends of the sweep and at 1, 2 and
// 5 times a power of ten, the amateur bands, the SWR 2 line, the design
// frequency, the predicted and an optional measured curve, and an optional
// panel underneath with the gain at the horizon on the same frequency axis.
// Where a curve goes above the top of the SWR axis, marks on the top edge
// show where it leaves and comes back, and a note over the chart gives the
// frequencies. The returned geometry maps a point of the rectangle back to
// the values under it, and values to their places, for the read-out.
#pragma once

#include "charts.h"

#include <QPainter>
#include <QRectF>

namespace discone::plot {

enum class SwrPanel { None, Swr, Gain };

struct SwrReading {
    SwrPanel panel = SwrPanel::None;
    double frequencyMHz = 0;
    double value = 0; // SWR (or return loss in dB) in the SWR panel, dBi in the gain panel
};

// -20 log10 |reflection| of an SWR: 0 dB for total reflection, infinite for
// a match.
double returnLossDb(double swr);

class SwrGeometry {
public:
    SwrGeometry() = default; // nothing drawn: every point is outside
    // `topSwr` tops an SWR scale, `bottomDb` bottoms a return loss scale.
    SwrGeometry(const QRectF& swrPanel, const QRectF& gainPanel, double lowMHz, double highMHz,
                double topSwr, double lowDbi, double highDbi, MatchScale scale = MatchScale::Swr,
                double bottomDb = 30);

    const QRectF& swrPanel() const { return swr_; }
    const QRectF& gainPanel() const { return gain_; } // empty without a gain panel
    double topSwr() const { return topSwr_; }
    double lowDbi() const { return lowDbi_; }
    double highDbi() const { return highDbi_; }
    MatchScale scale() const { return scale_; }
    double bottomDb() const { return bottomDb_; }
    bool empty() const { return swr_.isEmpty(); }

    // Where a value is drawn; values off the axes give places off the panels.
    double x(double mhz) const;
    double frequencyAt(double x) const;
    // An SWR on the chart's scale: as itself, or as its return loss.
    double ySwr(double swr) const;
    double yReturnLoss(double db) const;
    double yDbi(double dbi) const;

    // The panel under `point` and the frequency and value there.
    SwrReading readingAt(const QPointF& point) const;

private:
    QRectF swr_, gain_;
    double lowMHz_ = 1, highMHz_ = 10, topSwr_ = 5, lowDbi_ = -10, highDbi_ = 10;
    MatchScale scale_ = MatchScale::Swr;
    double bottomDb_ = 30;
};

// Draws `chart` filling `area`. A chart without predicted points gets its
// title, a note and an empty geometry.
SwrGeometry drawSwrChart(QPainter& painter, const QRectF& area, const SwrChart& chart);

} // namespace discone::plot
