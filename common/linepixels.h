// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels of a one-pixel line from one end point to the other, both
// included, as a classic line control draws them. The drawing tool strokes
// the pictures with it and the windows draw their line controls with it, so
// both give the same pixels at every scale and with every paint engine.
#pragma once

#include <cstdlib>

namespace discone {

// Calls plot(x, y) for each pixel of the line, in order from (x0, y0) to
// (x1, y1): Bresenham, stepping along the longer axis.
template <class Plot> void forEachLinePixel(int x0, int y0, int x1, int y1, Plot&& plot) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace discone
