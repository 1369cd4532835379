// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed-point detail: a cross-section of the joint between disc and
// cone on a grey ground. Two plates held apart by hatched spacer blocks and
// four wood screws, a yellow wire jumper from a lug under the disc plate to
// the pin of the coaxial connector under the cone plate, leader lines out to
// the notes around the picture, and the label "WIRE JUMPER".
#include "images.h"

#include <array>
#include <cmath>

namespace discone::draw {

namespace {

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kLightGrey = 7;
constexpr std::uint8_t kGrey = 8;
constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kYellow = 11;
constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kWhite = 15;

void drawMargins(IndexedCanvas& image) {
    image.fillRect(0, 0, 337, 1, kLightGrey);
    image.hspan(84, 236, 2, kLightGrey);
    image.fillRect(333, 0, 337, 191, kLightGrey);
    image.fillRect(0, 189, 337, 191, kLightGrey);
}

void drawPlates(IndexedCanvas& image) {
    image.hspan(7, 323, 23, kBlack);
    image.fillRect(5, 24, 325, 29, kBlack);
    image.hspan(7, 323, 30, kBlack);

    image.hspan(9, 323, 144, kBlack);
    image.fillRect(8, 145, 324, 148, kBlack);
    image.hspan(9, 323, 149, kBlack);
}

// A hatch line 3 px wide along each row, kept between the block's sides.
void hatch(IndexedCanvas& image, int x0, int y0, int x1, int y1, int left, int right) {
    for (int y = y0; y <= y1; ++y) {
        const int x = lerpRound(x0, y0, x1, y1, y);
        for (int k = x - 1; k <= x + 1; ++k)
            if (k >= left && k <= right)
                image.set(k, y, kRed);
    }
}

void drawSpacers(IndexedCanvas& image) {
    image.fillRect(12, 29, 13, 143, kRed);
    image.fillRect(95, 30, 96, 143, kRed);
    hatch(image, 25, 30, 96, 94, 12, 96);
    hatch(image, 64, 30, 96, 58, 12, 96);
    hatch(image, 12, 58, 96, 131, 12, 96);
    hatch(image, 12, 98, 59, 136, 12, 96);

    image.fillRect(213, 29, 214, 144, kRed);
    image.fillRect(312, 29, 313, 143, kRed);
    hatch(image, 251, 29, 213, 78, 213, 313);
    hatch(image, 291, 36, 213, 124, 213, 313);
    hatch(image, 312, 58, 242, 144, 213, 313);
    hatch(image, 312, 108, 281, 144, 213, 313);
}

// A flat-headed wood screw seen from the side. The head is a countersunk
// trapezoid whose two outer rows are full width; the shank tapers from the
// head's narrow side to the point, with thread marks and a shaded right side.
struct Screw {
    int headLeft, headRight, headOuterRow, headInnerRow, pointX, pointY;
};

void drawScrew(IndexedCanvas& image, const Screw& s) {
    const int dir = s.pointY > s.headInnerRow ? 1 : -1; // towards the point
    const int rows = std::abs(s.headInnerRow - s.headOuterRow) + 1;
    const int centre = (s.headLeft + s.headRight) / 2;
    constexpr int kShankHalf = 4;
    const int maxInset = (s.headRight - s.headLeft) / 2 - kShankHalf;
    for (int i = 0; i < rows; ++i) {
        const int y = s.headOuterRow + dir * i;
        const int inset = i < 2 ? 0 : divRound(static_cast<long>(maxInset) * (i - 1), rows - 2);
        const int l = s.headLeft + inset;
        const int r = s.headRight - inset;
        const bool edgeRow = i == 0 || i == rows - 1;
        image.hspan(l, r, y, edgeRow ? kBlue : kWhite);
        image.set(l, y, kBlue);
        image.set(r, y, kBlue);
        if (!edgeRow)
            image.set(r - 1, y, kLightGrey);
    }
    const int slotRow = s.headOuterRow + dir * (rows / 2);
    image.fillRect(centre - 1, slotRow - 1, centre, slotRow, kBlue);

    const int first = s.headInnerRow + dir;
    const int length = std::abs(s.pointY - first);
    for (int i = 0; i <= length; ++i) {
        const int y = first + dir * i;
        const double c = centre + 0.5 + (s.pointX - centre) * static_cast<double>(i) / length;
        const double half = (kShankHalf + 0.5) * (1.0 - static_cast<double>(i) / length);
        const int l = static_cast<int>(std::floor(c - half));
        const int r = std::max(l, static_cast<int>(std::ceil(c + half)) - 1);
        const bool thread = i % 4 == 2;
        image.hspan(l, r, y, thread ? kBlue : kWhite);
        if (!thread && r - l >= 3)
            image.set(r - 1, y, kLightGrey);
        image.set(l, y, kBlue);
        image.set(r, y, kBlue);
    }
}

void drawScrews(IndexedCanvas& image) {
    drawScrew(image, {21, 39, 16, 22, 33, 56});
    drawScrew(image, {285, 303, 17, 22, 297, 57});
    drawScrew(image, {57, 75, 155, 149, 63, 115});
    drawScrew(image, {257, 275, 157, 151, 263, 117});
}

// The wire jumper's left and right edges on its key rows; the rows between
// take the straight line between neighbours, which gives the S its bends.
struct JumperRow {
    int y, left, right;
};
constexpr std::array<JumperRow, 10> kJumper = {{{33, 148, 151},
                                                {39, 139, 148},
                                                {45, 135, 140},
                                                {54, 130, 135},
                                                {75, 130, 135},
                                                {87, 136, 142},
                                                {99, 146, 154},
                                                {105, 153, 160},
                                                {110, 158, 163},
                                                {132, 158, 163}}};

void drawFeed(IndexedCanvas& image) {
    // Lug: a U hanging from the disc plate, its left arm where the jumper leaves.
    image.fillRect(149, 31, 150, 37, kBlack);
    image.fillRect(169, 31, 170, 37, kBlack);
    image.fillRect(149, 36, 170, 37, kBlack);

    for (std::size_t k = 0; k + 1 < kJumper.size(); ++k) {
        const JumperRow& a = kJumper[k];
        const JumperRow& b = kJumper[k + 1];
        for (int y = a.y; y <= b.y; ++y)
            image.hspan(lerpRound(a.left, a.y, b.left, b.y, y),
                        lerpRound(a.right, a.y, b.right, b.y, y), y, kYellow);
    }

    image.fillRect(156, 133, 161, 146, kBlue); // centre pin

    // Connector: flange, collar, threaded body and base.
    image.hspan(127, 191, 148, kBlue);
    image.fillRect(126, 149, 192, 152, kBlue);
    image.hspan(127, 191, 153, kBlue);
    image.fillRect(135, 154, 188, 156, kWhite);
    image.fillRect(140, 154, 141, 156, kBlue);
    image.fillRect(179, 154, 180, 156, kBlue);
    image.fillRect(140, 157, 141, 177, kBlue);
    image.fillRect(179, 157, 181, 177, kBlue);
    image.fillRect(146, 157, 176, 177, kWhite);
    for (int y : {159, 165, 170})
        image.fillRect(140, y, 176, y + 1, kBlue);
    image.fillRect(139, 178, 181, 179, kBlue);
}

void drawLeaders(IndexedCanvas& image) {
    image.line(60, 18, 83, 3, kBlack);
    image.line(292, 0, 292, 10, kBlack);
    image.line(316, 58, 337, 58, kBlack);
    image.line(292, 154, 322, 191, kBlack);
    image.line(172, 178, 172, 191, kBlack);
    image.line(101, 169, 140, 98, kBlack);
}

} // namespace

IndexedCanvas drawFeedPointDetail() {
    IndexedCanvas image(338, 192, kGrey);
    drawMargins(image);
    drawPlates(image);
    drawSpacers(image);
    drawFeed(image);
    drawScrews(image);
    image.fillRect(12, 170, 108, 188, kLightGrey);
    drawCapitals(image, 12, 172, "WIRE JUMPER", kBlack);
    drawLeaders(image);
    return image;
}

} // namespace discone::draw
