// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweepchart.h"

namespace discone::ui {

plot::SwrChart sweepChart(const nec::Sweep& sweep, const QString& title) {
    plot::SwrChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.predicted.reserve(sweep.points.size());
    for (const nec::SweepPoint& point : sweep.points)
        chart.predicted.push_back({point.frequencyMHz, point.swr});
    return chart;
}

} // namespace discone::ui
