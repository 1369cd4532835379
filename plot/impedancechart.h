// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The impedance chart, drawn into any painter and rectangle: the
// resistance and the reactance in ohms over the SWR chart's logarithmic
// frequency axis, in one panel whose axis always includes 0, the reference
// resistance marked as a line, the amateur bands and the design frequency.
// The returned geometry places values for the read-out.
#pragma once

#include "chartframe.h"
#include "charts.h"

#include <QPainter>
#include <QRectF>

namespace discone::plot {

inline const QColor kResistance = style::kPredicted;
inline const QColor kReactance(0, 140, 60);

// Draws `chart` filling `area`. A chart without points gets its title and a
// note.
frame::FrequencyGeometry drawImpedanceChart(QPainter& painter, const QRectF& area,
                                            const ImpedanceChart& chart);

} // namespace discone::plot
