// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipping.h"

#include <algorithm>
#include <utility>

namespace discone::plot::clip {

namespace {

// The part of the segment from `a` to `b` inside `box`, as the fractions of
// the way where it enters and leaves (Liang and Barsky's method).
std::optional<std::pair<double, double>> inside(QPointF a, QPointF b, const QRectF& box) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double enter = 0, leave = 1;
    const std::pair<double, double> edges[] = {{-dx, a.x() - box.left()},
                                               {dx, box.right() - a.x()},
                                               {-dy, a.y() - box.top()},
                                               {dy, box.bottom() - a.y()}};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0)
                return std::nullopt;
            continue;
        }
        const double t = q / p;
        if (p < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return std::pair{enter, leave};
}

} // namespace

QPainterPath polyline(const std::vector<std::optional<QPointF>>& points, const QRectF& box) {
    QPainterPath path;
    std::optional<QPointF> end; // where the path now ends
    const auto at = [](QPointF a, QPointF b, double t) { return a + (b - a) * t; };
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!points[i]) {
            end.reset();
            continue;
        }
        if (i == 0 || !points[i - 1])
            continue;
        const QPointF a = *points[i - 1], b = *points[i];
        const auto part = inside(a, b, box);
        if (!part) {
            end.reset();
            continue;
        }
        const QPointF from = at(a, b, part->first), to = at(a, b, part->second);
        if (!end || *end != from)
            path.moveTo(from);
        path.lineTo(to);
        end = part->second < 1 ? std::nullopt : std::optional(to);
    }
    return path;
}

} // namespace discone::plot::clip
