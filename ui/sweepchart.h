// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model's results as the chart library's charts: the sweep's SWR with
// its gain at the horizon and a measured curve beside it, the sweep's beam,
// and the elevation patterns, each under the caller's title.
#pragma once

#include "charts.h"
#include "pattern.h"
#include "sweep.h"

#include <utility>
#include <vector>

namespace discone::ui {

// `measured` holds (MHz, SWR) pairs; empty for none.
plot::SwrChart sweepChart(const nec::Sweep& sweep, const QString& title,
                          const std::vector<std::pair<double, double>>& measured = {});

// The points of the sweep that have a beam.
plot::BeamChart beamChart(const nec::Sweep& sweep, const QString& title);

plot::PatternChart patternChart(const std::vector<nec::ElevationCut>& cuts, const QString& title);

} // namespace discone::ui
