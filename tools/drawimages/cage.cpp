// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The cage sketch: a discone built of wires seen obliquely from above, in
// anti-aliased strokes on pure green. Shapes are described in continuous
// coordinates (pixel (x, y) covers [x, x+1) x [y, y+1)) and painted layer by
// layer with the share of 16 x 16 sample points each covers in a pixel.
#include "images.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace discone::draw {

namespace {

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kOrangeRed{195, 65, 0};
constexpr Rgb kDarkRed{128, 0, 0};

struct Box {
    int x0, y0, x1, y1;
};

template <class Inside> void paint(RgbCanvas& image, Box box, Rgb colour, Inside inside) {
    constexpr int kSub = 16;
    for (int y = std::max(box.y0, 0); y <= std::min(box.y1, image.height() - 1); ++y)
        for (int x = std::max(box.x0, 0); x <= std::min(box.x1, image.width() - 1); ++x) {
            int hits = 0;
            for (int j = 0; j < kSub; ++j)
                for (int i = 0; i < kSub; ++i)
                    hits += inside(x + (i + 0.5) / kSub, y + (j + 0.5) / kSub) ? 1 : 0;
            image.blend(x, y, colour, static_cast<double>(hits) / (kSub * kSub));
        }
}

struct Ellipse {
    double cx, cy, a, b;
    bool contains(double x, double y) const {
        const double u = (x - cx) / a;
        const double v = (y - cy) / b;
        return u * u + v * v <= 1.0;
    }
    Box box() const {
        return {static_cast<int>(std::floor(cx - a)), static_cast<int>(std::floor(cy - b)),
                static_cast<int>(std::ceil(cx + a)), static_cast<int>(std::ceil(cy + b))};
    }
};

struct Point {
    double x, y;
};

// A straight stroke with round ends, `half` px either side of its axis.
void stroke(RgbCanvas& image, Point p, Point q, double half, Rgb colour) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double len2 = dx * dx + dy * dy;
    const Box box{static_cast<int>(std::floor(std::min(p.x, q.x) - half)),
                  static_cast<int>(std::floor(std::min(p.y, q.y) - half)),
                  static_cast<int>(std::ceil(std::max(p.x, q.x) + half)),
                  static_cast<int>(std::ceil(std::max(p.y, q.y) + half))};
    paint(image, box, colour, [&](double x, double y) {
        const double t = std::clamp(((x - p.x) * dx + (y - p.y) * dy) / len2, 0.0, 1.0);
        const double ex = x - (p.x + t * dx);
        const double ey = y - (p.y + t * dy);
        return ex * ex + ey * ey <= half * half;
    });
}

// Pixel centre of pixel coordinates.
Point at(double x, double y) {
    return {x + 0.5, y + 0.5};
}

// The disc, seen flat: a teal ellipse under a black one that leaves its
// lower rim uncovered, so the underside shows a thin fringe.
void drawDisc(RgbCanvas& image) {
    const Ellipse rim{89.5, 13.0, 71.5, 5.0};
    const Ellipse top{89.5, 12.8, 71.5, 4.8};
    paint(image, rim.box(), kTeal, [&](double x, double y) { return rim.contains(x, y); });
    paint(image, top.box(), kBlack, [&](double x, double y) { return top.contains(x, y); });
}

void drawHub(RgbCanvas& image) {
    for (int y = 19; y <= 24; ++y)
        for (int x = 72; x <= 99; ++x)
            image.set(x, y, kWhite);
    // Below the hub the white breaks up into dashes.
    for (int y = 25; y <= 26; ++y)
        for (int x = 72; x <= 99; ++x)
            if ((x - 72 + (y - 25) * 2) % 5 < 3)
                image.set(x, y, kWhite);
}

// The top ring goes on after the wires, which hang from under it.
void drawTopRing(RgbCanvas& image) {
    for (int y = 27; y <= 29; ++y)
        for (int x = 72; x <= 100; ++x)
            image.set(x, y, kBlack);
}

// The skirt ring: the band between two ellipses, the inner one set higher
// so the near side is the thicker. The black band stops short of the inner
// edge, leaving a teal fringe round the opening.
const Ellipse kSkirtOuter{90.5, 171.5, 83.2, 17.83};
const Ellipse kSkirtInner{90.5, 171.0, 74.2, 11.0};

void drawSkirt(RgbCanvas& image) {
    const Ellipse innerBlack{kSkirtInner.cx, kSkirtInner.cy, kSkirtInner.a + 0.6,
                             kSkirtInner.b + 0.6};
    paint(image, kSkirtOuter.box(), kTeal, [&](double x, double y) {
        return kSkirtOuter.contains(x, y) && !kSkirtInner.contains(x, y);
    });
    paint(image, kSkirtOuter.box(), kBlack, [&](double x, double y) {
        return kSkirtOuter.contains(x, y) && !innerBlack.contains(x, y);
    });
}

// The nine wires, each a straight line fitted to where its centre crosses
// rows 50, 100 and 150, from the top ring down to the row where it meets
// the skirt, with a teal fringe on its right.
struct Wire {
    double x50, x100, x150, endRow;
};
constexpr std::array<Wire, 9> kWires = {{{63, 40, 18, 163},
                                         {68, 51, 34, 159},
                                         {73, 62, 50, 179},
                                         {79, 73, 67, 156},
                                         {85, 85, 85, 155},
                                         {90, 96, 102, 156},
                                         {97, 111, 125, 183},
                                         {104, 122, 142, 159},
                                         {110, 135, 160, 164}}};

void drawWires(RgbCanvas& image) {
    for (const Wire& w : kWires) {
        const double slope = (w.x150 - w.x50) / 100.0;
        const double mid = (w.x50 + w.x100 + w.x150) / 3.0;
        auto xAt = [&](double row) { return mid + slope * (row - 100.0); };
        const Point top = at(xAt(30), 30);
        const Point end = at(xAt(w.endRow), w.endRow);
        stroke(image, {top.x + 0.5, top.y}, {end.x + 0.5, end.y}, 0.85, kTeal);
        stroke(image, top, end, 0.85, kBlack);
    }
}

// An arrow: a shaft with an open head. A dark red copy a little below and
// to the right shades one side; the orange-red stroke lies on top.
void drawArrow(RgbCanvas& image, Point from, Point to, Point tip, Point barb1, Point barb2) {
    const std::array<std::array<Point, 2>, 3> strokes = {
        {{at(from.x, from.y), at(to.x, to.y)},
         {at(tip.x, tip.y), at(barb1.x, barb1.y)},
         {at(tip.x, tip.y), at(barb2.x, barb2.y)}}};
    for (const auto& s : strokes)
        stroke(image, {s[0].x + 0.6, s[0].y + 0.8}, {s[1].x + 0.6, s[1].y + 0.8}, 0.9, kDarkRed);
    for (const auto& s : strokes)
        stroke(image, s[0], s[1], 1.05, kOrangeRed);
}

} // namespace

RgbCanvas drawCageSketch() {
    RgbCanvas image(197, 200, kGreen);
    drawDisc(image);
    drawHub(image);
    drawWires(image);
    drawTopRing(image);
    drawSkirt(image);
    drawArrow(image, {103, 18}, {196, 22}, {185, 21}, {174, 13}, {177, 26});
    drawArrow(image, {101, 25}, {196, 158}, {178, 130}, {164, 127}, {178, 119});
    return image;
}

} // namespace discone::draw
