// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The antenna diagram against its tables: a 400 x 400 4-bit bitmap whose
// strokes are black at the listed pixels, whose dimension marks leave gaps
// exactly where the value boxes sit, and whose ground is a fine, even
// dither of four entries.
#include "image_support.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

using imagetest::Area;

const QImage& diagram() {
    static const QImage image = imagetest::resourceImage("antenna.bmp");
    return image;
}

bool black(int x, int y) {
    return diagram().pixelIndex(x, y) == 0;
}

TEST(AntennaDiagram, IsAnUncompressedBottomUp4BitBitmapOf400By400) {
    const QByteArray file = imagetest::resourceBytes("antenna.bmp");
    ASSERT_GE(file.size(), 54);
    EXPECT_EQ(file.left(2), "BM");
    const imagetest::InfoHeader h = imagetest::infoHeader(file, 14);
    EXPECT_EQ(h.width, 400);
    EXPECT_EQ(h.height, 400); // positive: rows stored bottom-up
    EXPECT_EQ(h.bits, 4);
    EXPECT_EQ(h.compression, 0);
    ASSERT_FALSE(diagram().isNull());
    EXPECT_EQ(diagram().size(), QSize(400, 400));
}

TEST(AntennaDiagram, PaletteIsTheSixteenClassicColours) {
    const std::array<QRgb, 16> expected = {
        0x000000, 0xAA0000, 0x00AA00, 0xAAAA00, 0x0000AA, 0xAA00AA, 0x00AAAA, 0x555555,
        0xAAAAAA, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const QList<QRgb> table = diagram().colorTable();
    ASSERT_GE(table.size(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(qRgb(qRed(table[i]), qGreen(table[i]), qBlue(table[i])),
                  expected[i] | 0xff000000u)
            << "entry " << i;
}

// Every pixel of these areas is black.
class AntennaStroke : public testing::TestWithParam<Area> {};

TEST_P(AntennaStroke, IsBlack) {
    const Area& a = GetParam();
    for (int y = a.y0; y <= a.y1; ++y)
        for (int x = a.x0; x <= a.x1; ++x)
            ASSERT_TRUE(black(x, y)) << "at (" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Table, AntennaStroke,
    testing::Values(
        Area{"disc_row33", 18, 33, 346, 33}, Area{"disc_row34", 17, 34, 347, 34},
        Area{"disc_rows35to38", 16, 35, 348, 38}, Area{"disc_row39", 17, 39, 347, 39},
        Area{"disc_row40", 18, 40, 346, 40}, Area{"cone_top_row52", 150, 52, 204, 52},
        Area{"cone_top_row57", 147, 57, 207, 57}, Area{"skirt_rows336to339", 19, 336, 349, 339},
        Area{"skirt_row340", 22, 340, 349, 340}, Area{"skirt_row341", 24, 341, 349, 341},
        Area{"top_tick_left", 17, 2, 18, 23}, Area{"top_tick_right", 342, 5, 343, 27},
        Area{"top_line_left", 17, 11, 133, 12}, Area{"top_line_right", 221, 11, 343, 12},
        Area{"right_tick_disc", 354, 39, 389, 40}, Area{"right_tick_skirt", 356, 338, 391, 339},
        Area{"right_line_upper", 370, 37, 371, 125}, Area{"right_line_lower", 369, 158, 370, 337},
        Area{"bottom_tick_left", 16, 345, 17, 392}, Area{"bottom_tick_right", 349, 347, 350, 392},
        Area{"bottom_line_left", 16, 372, 138, 373}, Area{"bottom_line_right", 227, 370, 350, 371},
        Area{"minimum_left", 153, 58, 154, 168}, Area{"minimum_right", 201, 58, 202, 167},
        Area{"spacing_upper_leader", 237, 57, 266, 58},
        Area{"spacing_lower_leader", 237, 76, 267, 77}),
    imagetest::tagOf<Area>);

// No pixel of these areas is black: the ends of the strokes, the gaps in
// the marks and the value boxes laid over them.
class AntennaClear : public testing::TestWithParam<Area> {};

TEST_P(AntennaClear, HasNoBlack) {
    const Area& a = GetParam();
    for (int y = a.y0; y <= a.y1; ++y)
        for (int x = a.x0; x <= a.x1; ++x)
            ASSERT_FALSE(black(x, y)) << "at (" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Table, AntennaClear,
    testing::Values(
        Area{"above_disc", 16, 32, 348, 32}, Area{"left_of_disc", 15, 33, 15, 40},
        Area{"right_of_disc", 349, 33, 349, 40}, Area{"disc_row33_left", 16, 33, 17, 33},
        Area{"disc_row33_right", 347, 33, 348, 33}, Area{"disc_row34_left", 16, 34, 16, 34},
        Area{"disc_row34_right", 348, 34, 348, 34}, Area{"disc_row39_left", 16, 39, 16, 39},
        Area{"disc_row39_right", 348, 39, 348, 39}, Area{"disc_row40_left", 16, 40, 17, 40},
        Area{"disc_row40_right", 347, 40, 348, 40}, Area{"gap_disc_cone", 150, 41, 204, 51},
        Area{"cone_top_row52_left", 149, 52, 149, 52},
        Area{"cone_top_row52_right", 205, 52, 205, 52},
        Area{"cone_top_row57_left", 146, 57, 146, 57},
        Area{"cone_top_row57_right", 208, 57, 208, 57}, Area{"skirt_left", 18, 336, 18, 339},
        Area{"skirt_row340_left", 21, 340, 21, 340}, Area{"skirt_row341_left", 23, 341, 23, 341},
        Area{"skirt_right", 350, 336, 350, 341}, Area{"below_skirt", 18, 342, 350, 344},
        Area{"top_tick_left_ends_above", 17, 1, 18, 1},
        Area{"top_tick_left_ends_below", 17, 24, 18, 24},
        Area{"top_tick_right_ends_above", 342, 4, 343, 4},
        Area{"top_tick_right_ends_below", 342, 28, 343, 28},
        Area{"top_line_left_end", 16, 11, 16, 12}, Area{"top_line_right_end", 344, 11, 344, 12},
        Area{"top_gap", 134, 11, 220, 12}, Area{"right_tick_disc_left", 353, 39, 353, 40},
        Area{"right_tick_disc_right", 390, 39, 390, 40},
        Area{"right_tick_skirt_left", 355, 338, 355, 339},
        Area{"right_tick_skirt_right", 392, 338, 392, 339},
        Area{"right_line_top_end", 370, 36, 371, 36}, Area{"right_gap", 369, 126, 371, 157},
        Area{"bottom_tick_left_top", 16, 344, 17, 344},
        Area{"bottom_tick_left_bottom", 16, 393, 17, 393},
        Area{"bottom_tick_right_top", 349, 346, 350, 346},
        Area{"bottom_tick_right_bottom", 349, 393, 350, 393},
        Area{"bottom_line_left_end", 15, 372, 15, 373},
        Area{"bottom_line_right_end", 351, 370, 351, 371}, Area{"bottom_gap", 139, 370, 226, 373},
        Area{"minimum_left_end", 153, 169, 154, 169}, Area{"minimum_right_end", 201, 168, 202, 168},
        Area{"spacing_upper_end", 267, 57, 270, 58}, Area{"spacing_lower_end", 268, 76, 271, 77},
        Area{"box_Text2", 152, 0, 200, 18}, Area{"box_Text4", 48, 144, 96, 162},
        Area{"box_Text5", 152, 176, 200, 194}, Area{"box_Text6", 328, 128, 376, 146},
        Area{"box_Text7", 160, 360, 208, 378}),
    imagetest::tagOf<Area>);

TEST(AntennaDiagram, Text3BoxMeetsOnlyTheEndOfTheUpperSpacingLeader) {
    // Text3 covers x 264-304, y 56-74: the upper leader ends just inside its
    // left edge, the lower one passes below it.
    for (int y = 56; y <= 74; ++y)
        for (int x = 264; x <= 304; ++x)
            EXPECT_EQ(black(x, y), x <= 266 && (y == 57 || y == 58))
                << "at (" << x << ", " << y << ")";
}

// A slanted line of the table: black lies within a pixel of it on every
// row (steep lines) or column (flat ones) between its end points.
struct Slant {
    const char* tag;
    int x0, y0, x1, y1;
};

std::ostream& operator<<(std::ostream& os, const Slant& s) {
    return os << s.tag << " (" << s.x0 << ", " << s.y0 << ") to (" << s.x1 << ", " << s.y1 << ")";
}

class AntennaSlant : public testing::TestWithParam<Slant> {};

TEST_P(AntennaSlant, RunsBetweenItsEndPoints) {
    const Slant& s = GetParam();
    EXPECT_TRUE(black(s.x0, s.y0));
    EXPECT_TRUE(black(s.x1, s.y1));
    const bool steep = std::abs(s.y1 - s.y0) > std::abs(s.x1 - s.x0);
    const int n = steep ? std::abs(s.y1 - s.y0) : std::abs(s.x1 - s.x0);
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const int x = static_cast<int>(std::lround(s.x0 + t * (s.x1 - s.x0)));
        const int y = static_cast<int>(std::lround(s.y0 + t * (s.y1 - s.y0)));
        const bool near = steep ? black(x - 1, y) || black(x, y) || black(x + 1, y)
                                : black(x, y - 1) || black(x, y) || black(x, y + 1);
        EXPECT_TRUE(near) << "no black next to (" << x << ", " << y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AntennaSlant,
                         testing::Values(Slant{"side_mark_upper", 134, 49, 93, 138},
                                         Slant{"side_mark_lower", 79, 166, 6, 325},
                                         Slant{"side_tick_upper", 131, 46, 144, 51},
                                         Slant{"side_tick_lower", 0, 325, 15, 333},
                                         Slant{"spacing_upper_slant", 214, 41, 237, 58},
                                         Slant{"spacing_lower_slant", 206, 51, 242, 79}),
                         imagetest::tagOf<Slant>);

TEST(AntennaDiagram, SideMarkHasAGapForText4) {
    // Between (93, 138) and (79, 166) nothing is drawn near the mark's line.
    for (int y = 139; y <= 165; ++y) {
        const int x = static_cast<int>(std::lround(93 + (79.0 - 93) * (y - 138) / 28));
        for (int dx = -4; dx <= 4; ++dx)
            EXPECT_FALSE(black(x + dx, y)) << "at (" << x + dx << ", " << y << ")";
    }
}

// The cone sides: rows 58 to 335, outer edges straight from x 147 to 21
// (left) and from x 207 to 347 (right), each stroke 7-8 px along the row.
// Near the top the minimum-diameter verticals join the strokes.
void checkConeSide(bool left) {
    for (int y = 58; y <= 335; ++y) {
        const double edge =
            left ? 147 + (21.0 - 147) * (y - 58) / 277 : 207 + (347.0 - 207) * (y - 58) / 277;
        const int outer = static_cast<int>(std::lround(edge));
        const int step = left ? 1 : -1;
        int found = -1;
        for (int dx = -1; dx <= 1 && found < 0; ++dx)
            if (black(outer + dx, y) && !black(outer + dx - step, y))
                found = outer + dx;
        ASSERT_GE(found, 0) << "no outer edge near x " << edge << " on row " << y;
        EXPECT_LE(std::abs(found - edge), 0.5 + 1e-9) << "row " << y;
        int run = 0;
        while (black(found + step * run, y))
            ++run;
        if (y >= 70) {
            EXPECT_TRUE(run == 7 || run == 8) << "run " << run << " on row " << y;
        } else {
            EXPECT_GE(run, 7) << "row " << y;
        }
    }
}

TEST(AntennaDiagram, LeftConeSideRunsFromTheTopBarToTheSkirt) {
    checkConeSide(true);
}
TEST(AntennaDiagram, RightConeSideRunsFromTheTopBarToTheSkirt) {
    checkConeSide(false);
}

TEST(AntennaDiagram, ConeTopWidensEvenly) {
    for (int y = 53; y <= 56; ++y) {
        const double left = 150 - 3.0 * (y - 52) / 5;
        const double right = 204 + 3.0 * (y - 52) / 5;
        int l = 177; // from the middle out to the bar's ends
        while (black(l - 1, y))
            --l;
        int r = 177;
        while (black(r + 1, y))
            ++r;
        EXPECT_LE(std::abs(l - left), 0.5 + 1e-9) << "row " << y;
        EXPECT_LE(std::abs(r - right), 0.5 + 1e-9) << "row " << y;
    }
}

// Ground statistics over every non-black pixel.
struct GroundStats {
    std::array<long, 16> count{};
    long pairs = 0;
    long equalPairs = 0;
};

GroundStats groundStats(int x0, int y0, int x1, int y1) {
    GroundStats s;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const int v = diagram().pixelIndex(x, y);
            if (v == 0)
                continue;
            ++s.count[static_cast<std::size_t>(v)];
            if (x > x0 && diagram().pixelIndex(x - 1, y) != 0) {
                ++s.pairs;
                s.equalPairs += diagram().pixelIndex(x - 1, y) == v ? 1 : 0;
            }
        }
    return s;
}

void expectShares(const GroundStats& s, double tolerance) {
    const long total = s.count[10] + s.count[14] + s.count[11] + s.count[15];
    ASSERT_GT(total, 0);
    const std::array<std::pair<int, double>, 4> shares = {
        {{10, 36.9}, {14, 34.1}, {11, 15.2}, {15, 13.9}}};
    for (const auto& [entry, share] : shares)
        EXPECT_NEAR(100.0 * s.count[static_cast<std::size_t>(entry)] / total, share, tolerance)
            << "entry " << entry;
}

TEST(AntennaDiagram, UsesOnlyBlackAndTheFourGroundEntries) {
    const GroundStats s = groundStats(0, 0, 399, 399);
    for (int entry = 1; entry < 16; ++entry) {
        if (entry != 10 && entry != 11 && entry != 14 && entry != 15) {
            EXPECT_EQ(s.count[static_cast<std::size_t>(entry)], 0) << "entry " << entry;
        }
    }
}

TEST(AntennaDiagram, GroundHasTheFourSharesWithinAPoint) {
    expectShares(groundStats(0, 0, 399, 399), 1.0);
}

TEST(AntennaDiagram, GroundIsEvenInEveryQuarter) {
    for (int qy = 0; qy < 2; ++qy)
        for (int qx = 0; qx < 2; ++qx) {
            SCOPED_TRACE(testing::Message() << "quarter " << qx << ", " << qy);
            expectShares(groundStats(qx * 200, qy * 200, qx * 200 + 199, qy * 200 + 199), 2.0);
        }
}

TEST(AntennaDiagram, NeighboursAlongARowAlmostNeverRepeat) {
    const GroundStats s = groundStats(0, 0, 399, 399);
    ASSERT_GT(s.pairs, 100000);
    EXPECT_LT(100.0 * s.equalPairs / s.pairs, 2.0);
}

} // namespace
