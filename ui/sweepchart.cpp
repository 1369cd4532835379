// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweepchart.h"

namespace discone::ui {

plot::SwrChart sweepChart(const nec::Sweep& sweep, const QString& title,
                          const std::vector<std::pair<double, double>>& measured) {
    plot::SwrChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.predicted.reserve(sweep.points.size());
    for (const nec::SweepPoint& point : sweep.points) {
        chart.predicted.push_back({point.frequencyMHz, point.swr});
        if (point.beam)
            chart.horizonGain.push_back({point.frequencyMHz, point.beam->horizonDbi});
    }
    for (const auto& [mhz, swr] : measured)
        chart.measured.push_back({mhz, swr});
    return chart;
}

plot::BeamChart beamChart(const nec::Sweep& sweep, const QString& title) {
    plot::BeamChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    for (const nec::SweepPoint& point : sweep.points)
        if (point.beam)
            chart.points.push_back({point.frequencyMHz, point.beam->horizonDbi, point.beam->peakDbi,
                                    point.beam->peakElevationDeg});
    return chart;
}

plot::PatternChart patternChart(const std::vector<nec::ElevationCut>& cuts, const QString& title) {
    plot::PatternChart chart;
    chart.title = title;
    for (const nec::ElevationCut& cut : cuts) {
        plot::PatternCut drawn{cut.frequencyMHz, {}};
        // Theta from the disc's side is 90 degrees less the elevation; the
        // drawing wants rising elevation.
        for (auto s = cut.samples.rbegin(); s != cut.samples.rend(); ++s)
            drawn.points.push_back({90 - s->thetaDeg, s->gainDbi});
        chart.cuts.push_back(std::move(drawn));
    }
    return chart;
}

} // namespace discone::ui
