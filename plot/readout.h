// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the charts read at a frequency, for a read-out under the mouse or
// the arrow keys: each curve's value between its computed points, taken
// linearly in the value over the logarithmic frequency axis as the line is
// drawn, and the same read as a sentence with the chart's separators. The
// strongest lobe's elevation is not taken across a change of lobe: there
// the nearer point's lobe is read.
#pragma once

#include "charts.h"

#include <QString>

#include <cmath>
#include <optional>
#include <vector>

namespace discone::plot {

// The value of the curve `value(point)` at `mhz`; nullopt outside the
// points' frequencies or where a neighbour has none. Neighbours that
// differ by more than `jump` give the nearer one's value.
template <typename Point, typename Value>
std::optional<double> curveAt(const std::vector<Point>& points, double mhz, const Value& value,
                              double jump = INFINITY);

struct SwrReadout {
    double frequencyMHz = 0;
    std::optional<double> predicted, measured; // SWR, or return loss in dB, as the chart's scale
    std::optional<double> horizonDbi;
};
SwrReadout readSwrChart(const SwrChart& chart, double mhz);
QString describe(const SwrChart& chart, const SwrReadout& reading);

struct BeamReadout {
    double frequencyMHz = 0;
    std::optional<double> horizonDbi, peakDbi, peakElevationDeg;
};
BeamReadout readBeamChart(const BeamChart& chart, double mhz);
QString describe(const BeamChart& chart, const BeamReadout& reading);

struct ImpedanceReadout {
    double frequencyMHz = 0;
    std::optional<double> resistance, reactance;
};
ImpedanceReadout readImpedanceChart(const ImpedanceChart& chart, double mhz);
QString describe(const ImpedanceChart& chart, const ImpedanceReadout& reading);

// The Smith chart reads computed points only: frequency, R, X and SWR.
QString describe(const SmithChart& chart, std::size_t predictedIndex);

template <typename Point, typename Value>
std::optional<double> curveAt(const std::vector<Point>& points, double mhz, const Value& value,
                              double jump) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& b = points[i];
        if (mhz == b.frequencyMHz)
            return std::isnan(double(value(b))) ? std::nullopt : std::optional(double(value(b)));
        if (i == 0 || mhz > b.frequencyMHz || mhz < points[i - 1].frequencyMHz)
            continue;
        const Point& a = points[i - 1];
        const double va = value(a), vb = value(b);
        if (std::isnan(va) || std::isnan(vb))
            return std::nullopt;
        const double t = std::log(mhz / a.frequencyMHz) / std::log(b.frequencyMHz / a.frequencyMHz);
        if (std::isinf(va) || std::isinf(vb) || std::abs(vb - va) > jump)
            return t < 0.5 ? va : vb;
        return va + t * (vb - va);
    }
    return std::nullopt;
}

} // namespace discone::plot
