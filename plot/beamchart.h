// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The beam chart, drawn into any painter and rectangle: over the SWR chart's
// logarithmic frequency axis, the gain at the horizon and the strongest
// lobe's gain in dBi in the upper panel, and in the lower one the strongest
// lobe's elevation, the beam's tilt, in degrees with the horizon at 0. Both
// value axes always include 0. Where another lobe becomes the strongest,
// the elevation's line breaks rather than sweeping through the horizon, and
// a lobe strongest at one frequency alone is a dot. The returned geometry
// (the gain panel first, then the tilt's) places values for the read-out.
#pragma once

#include "chartframe.h"
#include "charts.h"

#include <QPainter>
#include <QRectF>

namespace discone::plot {

// Whether the strongest lobe's elevation going from one to the other is a
// change of lobe rather than a lobe tilting.
bool isLobeJump(double fromDeg, double toDeg);

// Draws `chart` filling `area`. A chart without points gets its title and a
// note.
frame::FrequencyGeometry drawBeamChart(QPainter& painter, const QRectF& area,
                                       const BeamChart& chart);

} // namespace discone::plot
