// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The antenna diagram: a side view of the discone (disc, cone top, sides and
// skirt) in heavy black strokes over a dithered light-green ground, with the
// six dimension marks the main window's value boxes sit on.
#include "images.h"

#include <vector>

namespace discone::draw {

namespace {

constexpr std::uint8_t kInk = 0;

// Floyd-Steinberg diffusion of the flat colour (74, 255, 122) onto the four
// entries whose green is full: green, cyan, yellow and white. With green
// exact, the nearest entry is chosen channel by channel, so red and blue
// are diffused independently. Rows run in alternating directions so the
// entries interleave evenly instead of lining up in runs.
void ditherGround(IndexedCanvas& image) {
    constexpr double kRed = 74;
    constexpr double kBlue = 122;
    const int w = image.width();
    std::vector<double> redErr(static_cast<std::size_t>(w + 2)), blueErr(redErr.size());
    std::vector<double> nextRed(redErr.size()), nextBlue(redErr.size());
    for (int y = 0; y < image.height(); ++y) {
        const bool forward = y % 2 == 0;
        const int step = forward ? 1 : -1;
        for (int i = 0; i < w; ++i) {
            const int x = forward ? i : w - 1 - i;
            const auto k = static_cast<std::size_t>(x + 1); // buffers carry a guard each side
            const double r = kRed + redErr[k];
            const double b = kBlue + blueErr[k];
            const bool redOn = r >= 127.5;
            const bool blueOn = b >= 127.5;
            image.set(x, y, redOn ? (blueOn ? 15 : 11) : (blueOn ? 14 : 10));
            const double er = r - (redOn ? 255 : 0);
            const double eb = b - (blueOn ? 255 : 0);
            const auto ahead = static_cast<std::size_t>(static_cast<int>(k) + step);
            const auto behind = static_cast<std::size_t>(static_cast<int>(k) - step);
            redErr[ahead] += er * 7 / 16;
            blueErr[ahead] += eb * 7 / 16;
            nextRed[behind] += er * 3 / 16;
            nextBlue[behind] += eb * 3 / 16;
            nextRed[k] += er * 5 / 16;
            nextBlue[k] += eb * 5 / 16;
            nextRed[ahead] += er / 16;
            nextBlue[ahead] += eb / 16;
        }
        redErr.swap(nextRed);
        blueErr.swap(nextBlue);
        std::fill(nextRed.begin(), nextRed.end(), 0.0);
        std::fill(nextBlue.begin(), nextBlue.end(), 0.0);
    }
}

void drawAntenna(IndexedCanvas& image) {
    // Disc: an 8-row bar with its corners cut to round the ends.
    image.hspan(18, 346, 33, kInk);
    image.hspan(17, 347, 34, kInk);
    image.fillRect(16, 35, 348, 38, kInk);
    image.hspan(17, 347, 39, kInk);
    image.hspan(18, 346, 40, kInk);

    // Cone top: widens evenly from x 150-204 on row 52 to x 147-207 on row 57.
    for (int y = 52; y <= 57; ++y)
        image.hspan(lerpRound(150, 52, 147, 57, y), lerpRound(204, 52, 207, 57, y), y, kInk);

    // Cone sides: the outer edges run straight from the top bar's ends to
    // the skirt's; each row's run is 7.5 px rounded at both ends, so 7 or 8.
    constexpr int kTop = 58;
    constexpr int kBottom = 335;
    constexpr long kRows = kBottom - kTop;
    for (int y = kTop; y <= kBottom; ++y) {
        const long t = y - kTop;
        const long leftNum = 147 * kRows - 126 * t;  // outer edge x times kRows
        const long rightNum = 207 * kRows + 140 * t; // outer edge x times kRows
        const int leftOuter = divRound(leftNum, kRows);
        const int leftInner = divRound(2 * leftNum + 15 * kRows, 2 * kRows) - 1;
        const int rightOuter = divRound(rightNum, kRows);
        const int rightInner = divRound(2 * rightNum - 15 * kRows, 2 * kRows) + 1;
        image.hspan(leftOuter, leftInner, y, kInk);
        image.hspan(rightInner, rightOuter, y, kInk);
    }

    // Skirt: the bottom bar, its lower left corner rounded.
    image.fillRect(19, 336, 349, 339, kInk);
    image.hspan(22, 349, 340, kInk);
    image.hspan(24, 349, 341, kInk);
}

void drawDimensionMarks(IndexedCanvas& image) {
    // Disc diameter, across the top; Text2 sits in the gap x 134-220.
    image.fillRect(17, 2, 18, 23, kInk);
    image.fillRect(342, 5, 343, 27, kInk);
    image.fillRect(17, 11, 133, 12, kInk);
    image.fillRect(221, 11, 343, 12, kInk);

    // Height to the disc, at the right; Text6 sits in the gap y 126-157.
    image.fillRect(354, 39, 389, 40, kInk);
    image.fillRect(356, 338, 391, 339, kInk);
    image.fillRect(370, 37, 371, 125, kInk);
    image.fillRect(369, 158, 370, 337, kInk);

    // Side length, parallel to the cone's left side, with ticks square to
    // it; Text4 sits between the two halves.
    image.steepBand(134, 49, 93, 138, 2, kInk);
    image.steepBand(79, 166, 6, 325, 2, kInk);
    image.flatBand(131, 46, 144, 51, 2, kInk);
    image.flatBand(0, 325, 15, 333, 2, kInk);

    // Skirt diameter, along the bottom; the right half sits 2 px higher.
    image.fillRect(16, 345, 17, 392, kInk);
    image.fillRect(349, 347, 350, 392, kInk);
    image.fillRect(16, 372, 138, 373, kInk);
    image.fillRect(227, 370, 350, 371, kInk);

    // Minimum diameter: two verticals hanging from the cone top.
    image.fillRect(153, 58, 154, 168, kInk);
    image.fillRect(201, 58, 202, 167, kInk);

    // Disc spacing: two leaders from the gap out to Text3. Each slanted part
    // is a 2-px band whose lower edge runs between the given end points.
    image.flatBand(214, 40, 237, 57, 2, kInk);
    image.fillRect(237, 57, 266, 58, kInk);
    image.flatBand(206, 50, 242, 78, 2, kInk);
    image.fillRect(237, 76, 267, 77, kInk);
}

} // namespace

IndexedCanvas drawAntennaDiagram() {
    IndexedCanvas image(400, 400, 10);
    ditherGround(image);
    drawAntenna(image);
    drawDimensionMarks(image);
    return image;
}

} // namespace discone::draw
