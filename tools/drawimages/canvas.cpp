// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "linepixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace discone::draw {

int divRound(long num, long den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const long q = (std::labs(num) * 2 + den) / (den * 2);
    return static_cast<int>(num < 0 ? -q : q);
}

int lerpRound(int x0, int y0, int x1, int y1, int y) {
    if (y1 == y0)
        return x0;
    return x0 + divRound(static_cast<long>(x1 - x0) * (y - y0), y1 - y0);
}

IndexedCanvas::IndexedCanvas(int width, int height, std::uint8_t fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width * height), fill) {}

void IndexedCanvas::set(int x, int y, std::uint8_t v) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_)
        px_[static_cast<std::size_t>(y * w_ + x)] = v;
}

void IndexedCanvas::hspan(int x0, int x1, int y, std::uint8_t v) {
    if (x0 > x1)
        std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x)
        set(x, y, v);
}

void IndexedCanvas::fillRect(int x0, int y0, int x1, int y1, std::uint8_t v) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        hspan(x0, x1, y, v);
}

void IndexedCanvas::line(int x0, int y0, int x1, int y1, std::uint8_t v) {
    forEachLinePixel(x0, y0, x1, y1, [&](int x, int y) { set(x, y, v); });
}

void IndexedCanvas::steepBand(int x0, int y0, int x1, int y1, int width, std::uint8_t v) {
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    for (int y = y0; y <= y1; ++y) {
        const int x = lerpRound(x0, y0, x1, y1, y);
        hspan(x, x + width - 1, y, v);
    }
}

void IndexedCanvas::flatBand(int x0, int y0, int x1, int y1, int width, std::uint8_t v) {
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    for (int x = x0; x <= x1; ++x) {
        const int y = lerpRound(y0, x0, y1, x1, x);
        for (int k = 0; k < width; ++k)
            set(x, y + k, v);
    }
}

RgbCanvas::RgbCanvas(int width, int height, Rgb fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width * height), fill) {}

void RgbCanvas::set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_)
        px_[static_cast<std::size_t>(y * w_ + x)] = c;
}

void RgbCanvas::blend(int x, int y, Rgb c, double coverage) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || coverage <= 0)
        return;
    const double a = std::min(coverage, 1.0);
    Rgb& p = px_[static_cast<std::size_t>(y * w_ + x)];
    auto mix = [a](std::uint8_t under, std::uint8_t over) {
        return static_cast<std::uint8_t>(std::lround(under * (1 - a) + over * a));
    };
    p = {mix(p.r, c.r), mix(p.g, c.g), mix(p.b, c.b)};
}

} // namespace discone::draw
