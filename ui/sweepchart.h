// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The NEC-2 sweep as the chart library's SWR chart: the predicted SWR of
// every frequency and the design frequency, under the caller's title.
#pragma once

#include "charts.h"
#include "sweep.h"

namespace discone::ui {

plot::SwrChart sweepChart(const nec::Sweep& sweep, const QString& title);

} // namespace discone::ui
