// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Curves cut to their panel by hand: QSvgGenerator writes no clip paths, so
// a painter's clip would keep a curve inside its panel in a PNG but not in
// an SVG.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace discone::plot::clip {

// The parts of the polyline through `points` inside `box`; a missing point
// breaks the line.
QPainterPath polyline(const std::vector<std::optional<QPointF>>& points, const QRectF& box);

} // namespace discone::plot::clip
