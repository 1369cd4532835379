// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The beam chart, drawn into any painter and rectangle: over the SWR chart's
// logarithmic frequency axis, the gain at the horizon and the strongest
// lobe's gain in dBi in the upper panel, and in the lower one the strongest
// lobe's elevation, the beam's tilt, in degrees with the horizon at 0. Both
// value axes always include 0.
#pragma once

#include "charts.h"

#include <QPainter>
#include <QRectF>

namespace discone::plot {

// Draws `chart` filling `area`. A chart without points gets only its title.
void drawBeamChart(QPainter& painter, const QRectF& area, const BeamChart& chart);

} // namespace discone::plot
