// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The cage sketch against its table: a 197 x 200 24-bit bitmap, strokes
// anti-aliased into a pure green ground, with the disc, hub, top ring, nine
// wires, skirt ring and two orange-red arrows at the listed pixels.
#include "image_support.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

const QImage& sketch() {
    static const QImage image = imagetest::resourceImage("cage.bmp");
    return image;
}

QRgb at(int x, int y) {
    return sketch().pixel(x, y) & 0xffffffu;
}
bool ground(int x, int y) {
    return at(x, y) == 0x00ff00u;
}
// Dark: more black than green, the body of a black stroke.
bool dark(int x, int y) {
    return qGreen(sketch().pixel(x, y)) < 128;
}

TEST(CageSketch, IsAnUncompressedBottomUp24BitBitmapOf197By200) {
    const QByteArray file = imagetest::resourceBytes("cage.bmp");
    ASSERT_GE(file.size(), 54);
    EXPECT_EQ(file.left(2), "BM");
    const imagetest::InfoHeader h = imagetest::infoHeader(file, 14);
    EXPECT_EQ(h.width, 197);
    EXPECT_EQ(h.height, 200);
    EXPECT_EQ(h.bits, 24);
    EXPECT_EQ(h.compression, 0);
    EXPECT_EQ(imagetest::le32(file, 10), 54u) << "no palette between header and pixels";
    EXPECT_EQ(sketch().size(), QSize(197, 200));
}

TEST(CageSketch, StrokesAreAntiAliasedIntoTheGround) {
    QSet<QRgb> colours;
    long greens = 0, others = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 197; ++x) {
            const QRgb c = at(x, y);
            colours.insert(c);
            if (c == 0x00ff00u || c == 0 || c == 0xffffffu)
                continue;
            // darker greens: no red, green above blue
            (qRed(c) == 0 && qGreen(c) > qBlue(c) ? greens : others) += 1;
        }
    EXPECT_GT(colours.size(), 600); // about 1 200
    EXPECT_LT(colours.size(), 2400);
    EXPECT_GT(greens, others) << "edge shades are mostly darker greens";
    for (const auto& [x, y] : {std::pair{0, 0}, {196, 0}, {0, 199}, {196, 199}, {40, 60}})
        EXPECT_TRUE(ground(x, y)) << "(" << x << ", " << y << ")";
}

TEST(CageSketch, DiscIsAFlatEllipseAtFullLengthOnlyOnRows12And13) {
    for (int y = 6; y <= 19; ++y) {
        int x0 = 999, x1 = -1;
        for (int x = 0; x <= 170; ++x)
            if (!ground(x, y) && !(y >= 18 && x >= 72)) { // hub and arrow below the disc
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
            }
        if (y < 8 || y > 17) {
            EXPECT_EQ(x1, -1) << "row " << y;
        } else if (y == 12 || y == 13) {
            EXPECT_EQ(x0, 18) << "row " << y;
            EXPECT_EQ(x1, 160) << "row " << y;
        } else {
            EXPECT_GT(x0, 18) << "row " << y;
            EXPECT_LT(x1, 160) << "row " << y;
            EXPECT_LE(x0, x1) << "row " << y;
        }
    }
    EXPECT_TRUE(dark(89, 12));
    EXPECT_TRUE(dark(30, 12));
    EXPECT_TRUE(dark(150, 13));
}

TEST(CageSketch, HubIsWhiteBreakingIntoDashesBelow) {
    for (int y = 19; y <= 24; ++y)
        for (int x = 72; x <= 99; ++x)
            EXPECT_EQ(at(x, y), 0xffffffu) << "at (" << x << ", " << y << ")";
    for (int y = 19; y <= 24; ++y) {
        EXPECT_NE(at(71, y), 0xffffffu) << "row " << y;
        EXPECT_NE(at(100, y), 0xffffffu) << "row " << y;
    }
    for (int y = 25; y <= 26; ++y) {
        int white = 0;
        for (int x = 72; x <= 99; ++x)
            white += at(x, y) == 0xffffffu ? 1 : 0;
        EXPECT_GT(white, 4) << "row " << y;
        EXPECT_LT(white, 24) << "row " << y;
    }
}

TEST(CageSketch, TopRingIsABlackBarUnderTheHub) {
    for (int y = 27; y <= 29; ++y) {
        for (int x = 72; x <= 100; ++x)
            EXPECT_EQ(at(x, y), 0u) << "at (" << x << ", " << y << ")";
        EXPECT_FALSE(dark(71, y));
        EXPECT_FALSE(dark(101, y));
    }
}

// The nine wires' centres on rows 50, 100 and 150.
struct WireRow {
    const char* tag;
    int y;
    std::array<int, 9> x;
};

std::ostream& operator<<(std::ostream& os, const WireRow& w) {
    return os << w.tag;
}

class CageWires : public testing::TestWithParam<WireRow> {};

TEST_P(CageWires, CrossTheRowAtTheListedCentres) {
    const WireRow& w = GetParam();
    for (int x : w.x) {
        EXPECT_TRUE(dark(x, w.y)) << "wire at x " << x;
        // The darkest pixel nearby is within a pixel of the listed centre.
        int best = x;
        for (int dx = -3; dx <= 3; ++dx)
            if (qGreen(sketch().pixel(x + dx, w.y)) < qGreen(sketch().pixel(best, w.y)))
                best = x + dx;
        EXPECT_LE(std::abs(best - x), 1) << "wire at x " << x;
    }
    // Between neighbouring wires the ground shows.
    for (std::size_t i = 0; i + 1 < w.x.size(); ++i)
        EXPECT_FALSE(dark((w.x[i] + w.x[i + 1]) / 2, w.y)) << "between " << w.x[i];
}

INSTANTIATE_TEST_SUITE_P(
    Table, CageWires,
    testing::Values(WireRow{"row50", 50, {63, 68, 73, 79, 85, 90, 97, 104, 110}},
                    WireRow{"row100", 100, {40, 51, 62, 73, 85, 96, 111, 122, 135}},
                    WireRow{"row150", 150, {18, 34, 50, 67, 85, 102, 125, 142, 160}}),
    imagetest::tagOf<WireRow>);

TEST(CageSketch, MiddleWireIsVertical) {
    for (int y = 32; y <= 152; ++y)
        EXPECT_TRUE(dark(85, y)) << "row " << y;
}

TEST(CageSketch, OnlyTheWiresAt50And125CrossTheRingsOpening) {
    // Row 170 inside the ring: the two wires that end on the near side,
    // near (43, 179) and (133, 183), and nothing else.
    for (int x = 25; x <= 156; ++x) {
        const bool wire = std::abs(x - 45) <= 2 || std::abs(x - 130) <= 2;
        if (!wire) {
            EXPECT_TRUE(ground(x, 170)) << "x " << x;
        }
    }
    EXPECT_TRUE(dark(45, 170));
    EXPECT_TRUE(dark(130, 170));
    EXPECT_TRUE(dark(43, 179));
    EXPECT_TRUE(dark(133, 183));
}

TEST(CageSketch, OutermostWiresMeetTheRingsEnds) {
    EXPECT_TRUE(dark(12, 163));
    EXPECT_TRUE(dark(166, 164));
    // and run up to it without a break
    for (int y = 150; y <= 163; ++y) {
        const int x = static_cast<int>(std::lround(18 + (12.0 - 18) * (y - 150) / 13));
        EXPECT_TRUE(dark(x - 1, y) || dark(x, y) || dark(x + 1, y)) << "row " << y;
    }
}

TEST(CageSketch, SkirtRingIsThickerAtTheNearSideWithAnOpeningAtX85) {
    for (int y = 154; y <= 159; ++y)
        EXPECT_TRUE(dark(85, y)) << "far side row " << y;
    for (int y = 160; y <= 181; ++y)
        EXPECT_TRUE(ground(85, y)) << "opening row " << y;
    for (int y = 182; y <= 188; ++y)
        EXPECT_TRUE(dark(85, y)) << "near side row " << y;
    EXPECT_FALSE(dark(85, 189));
    EXPECT_TRUE(ground(85, 190));
}

TEST(CageSketch, SkirtRingSpansX7To173AndY153To189) {
    int x0 = 999, x1 = -1, y1 = -1;
    for (int y = 150; y < 200; ++y)
        for (int x = 0; x <= 180; ++x)
            if (!ground(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    EXPECT_EQ(x0, 7);
    EXPECT_EQ(x1, 173);
    EXPECT_EQ(y1, 189);
    // The far side's top edge, between the middle wire and the next.
    bool top = false;
    for (int x = 87; x <= 99; ++x) {
        EXPECT_TRUE(ground(x, 152)) << "x " << x;
        top = top || !ground(x, 153);
    }
    EXPECT_TRUE(top);
}

TEST(CageSketch, SkirtRingEndsAre8To10PxWide) {
    // Measured along the rows through the ring's middle.
    for (int y = 169; y <= 172; ++y) {
        int left = 0, right = 0;
        for (int x = 0; x < 40; ++x)
            left += dark(x, y) ? 1 : 0;
        for (int x = 140; x < 190; ++x)
            right += dark(x, y) ? 1 : 0;
        EXPECT_GE(left, 8) << "row " << y;
        EXPECT_LE(left, 10) << "row " << y;
        EXPECT_GE(right, 8) << "row " << y;
        EXPECT_LE(right, 10) << "row " << y;
    }
}

// An arrow of the table: shaft end points, the head's tip and its barbs.
struct Arrow {
    const char* tag;
    int fromX, fromY, toX, toY, tipX, tipY, barb1X, barb1Y, barb2X, barb2Y;
};

std::ostream& operator<<(std::ostream& os, const Arrow& a) {
    return os << a.tag;
}

// Orange-red or one of its shades: more red than green and clearly red.
bool reddish(int x, int y) {
    const QRgb c = at(x, y);
    return qRed(c) > qGreen(c) && qRed(c) > 90;
}

bool reddishNear(double fx, double fy, int radius) {
    const int x = static_cast<int>(std::lround(fx));
    const int y = static_cast<int>(std::lround(fy));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (x + dx >= 0 && x + dx < 197 && y + dy >= 0 && y + dy < 200 &&
                reddish(x + dx, y + dy))
                return true;
    return false;
}

class CageArrow : public testing::TestWithParam<Arrow> {};

TEST_P(CageArrow, RunsFromTheHubToTheRightEdgeWithAnOpenHead) {
    const Arrow& a = GetParam();
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        EXPECT_TRUE(
            reddishNear(a.fromX + t * (a.toX - a.fromX), a.fromY + t * (a.toY - a.fromY), 1))
            << "shaft at " << t;
    }
    EXPECT_TRUE(reddishNear(a.tipX, a.tipY, 1));
    for (const auto& [bx, by] : {std::pair{a.barb1X, a.barb1Y}, {a.barb2X, a.barb2Y}}) {
        EXPECT_TRUE(reddishNear(bx, by, 1)) << "barb end " << bx << ", " << by;
        EXPECT_TRUE(reddishNear((bx + a.tipX) / 2.0, (by + a.tipY) / 2.0, 1))
            << "barb middle " << bx << ", " << by;
    }
    // The head is open: between each barb's end and the shaft lies ground.
    const double mx = (a.barb1X + a.barb2X) / 2.0;
    const double my = (a.barb1Y + a.barb2Y) / 2.0;
    for (const auto& [bx, by] : {std::pair{a.barb1X, a.barb1Y}, {a.barb2X, a.barb2Y}})
        EXPECT_FALSE(reddishNear((bx + mx) / 2, (by + my) / 2, 0)) << "inside barb " << bx;
}

TEST_P(CageArrow, CoreIsOrangeRedShadingToDarkRedAndOlive) {
    const Arrow& a = GetParam();
    bool darkRed = false, olive = false;
    for (int i = 5; i <= 35; ++i) { // the shaft, clear of hub and head
        const double t = i / 40.0;
        const int cx = static_cast<int>(std::lround(a.fromX + t * (a.toX - a.fromX)));
        const int cy = static_cast<int>(std::lround(a.fromY + t * (a.toY - a.fromY)));
        QRgb core = 0x00ff00u; // the reddest pixel across the shaft here
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const QRgb c = at(cx + dx, cy + dy);
                const int r = qRed(c), g = qGreen(c), b = qBlue(c);
                if (r - g > qRed(core) - qGreen(core))
                    core = c;
                darkRed = darkRed || (r >= 60 && r <= 170 && g < 50 && b < 40);
                olive = olive || (r >= 60 && g >= r && g < 230 && b < 60);
            }
        EXPECT_NEAR(qRed(core), 195, 20) << "core at " << cx << ", " << cy;
        EXPECT_NEAR(qGreen(core), 65, 20) << "core at " << cx << ", " << cy;
        EXPECT_LE(qBlue(core), 20) << "core at " << cx << ", " << cy;
    }
    EXPECT_TRUE(darkRed);
    EXPECT_TRUE(olive);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CageArrow,
    testing::Values(Arrow{"to_the_right", 103, 18, 196, 22, 185, 21, 174, 13, 177, 26},
                    Arrow{"down_to_the_right", 101, 25, 196, 158, 178, 130, 164, 127, 178, 119}),
    imagetest::tagOf<Arrow>);

} // namespace
