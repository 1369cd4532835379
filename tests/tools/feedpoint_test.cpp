// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed-point detail against its tables: a 338 x 192 4-bit bitmap with
// the plates, spacer blocks, screws, lug, wire jumper, connector, margins,
// leaders and the "WIRE JUMPER" label at the listed pixels and entries.
#include "image_support.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

const QImage& detail() {
    static const QImage image = imagetest::resourceImage("feedpoint.bmp");
    return image;
}

int entry(int x, int y) {
    return detail().pixelIndex(x, y);
}

constexpr int kBlack = 0, kLightGrey = 7, kGrey = 8, kRed = 9, kYellow = 11, kBlue = 12,
              kWhite = 15;

bool screwColour(int x, int y) {
    const int e = entry(x, y);
    return e == kWhite || e == kBlue || e == kLightGrey;
}

TEST(FeedPointDetail, IsAnUncompressedBottomUp4BitBitmapOf338By192) {
    const QByteArray file = imagetest::resourceBytes("feedpoint.bmp");
    ASSERT_GE(file.size(), 54);
    EXPECT_EQ(file.left(2), "BM");
    const imagetest::InfoHeader h = imagetest::infoHeader(file, 14);
    EXPECT_EQ(h.width, 338);
    EXPECT_EQ(h.height, 192);
    EXPECT_EQ(h.bits, 4);
    EXPECT_EQ(h.compression, 0);
    EXPECT_EQ(detail().size(), QSize(338, 192));
}

TEST(FeedPointDetail, PaletteHasLightGreyAt7AndGreyAt8) {
    const std::array<QRgb, 16> expected = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const QList<QRgb> table = detail().colorTable();
    ASSERT_GE(table.size(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(table[i] & 0xffffffu, expected[i]) << "entry " << i;
}

TEST(FeedPointDetail, UsesOnlyTheEntriesOfItsElements) {
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 338; ++x) {
            const int e = entry(x, y);
            ASSERT_TRUE(e == kBlack || e == kLightGrey || e == kGrey || e == kRed || e == kYellow ||
                        e == kBlue || e == kWhite)
                << "entry " << e << " at (" << x << ", " << y << ")";
        }
}

// Every pixel of the area has the given entry.
struct Fill {
    const char* tag;
    int x0, y0, x1, y1, entry;
};

std::ostream& operator<<(std::ostream& os, const Fill& f) {
    return os << f.tag << " x " << f.x0 << "-" << f.x1 << ", y " << f.y0 << "-" << f.y1;
}

class FeedPointFill : public testing::TestWithParam<Fill> {};

TEST_P(FeedPointFill, HasItsEntry) {
    const Fill& f = GetParam();
    for (int y = f.y0; y <= f.y1; ++y)
        for (int x = f.x0; x <= f.x1; ++x)
            ASSERT_EQ(entry(x, y), f.entry) << "at (" << x << ", " << y << ")";
}

// Margins and ground, leaving out the leaders that cross them.
INSTANTIATE_TEST_SUITE_P(Margins, FeedPointFill,
                         testing::Values(Fill{"top_left", 0, 0, 291, 1, kLightGrey},
                                         Fill{"top_right", 293, 0, 337, 1, kLightGrey},
                                         Fill{"row2", 84, 2, 236, 2, kLightGrey},
                                         Fill{"row2_left_end", 83, 2, 83, 2, kGrey},
                                         Fill{"row2_right_end", 237, 2, 237, 2, kGrey},
                                         Fill{"right_upper", 333, 0, 337, 57, kLightGrey},
                                         Fill{"right_lower", 333, 59, 337, 191, kLightGrey},
                                         Fill{"right_inner_edge", 332, 3, 332, 57, kGrey},
                                         Fill{"bottom_left", 0, 189, 171, 191, kLightGrey},
                                         Fill{"bottom_middle", 173, 189, 317, 191, kLightGrey},
                                         Fill{"bottom_right", 324, 189, 337, 191, kLightGrey},
                                         Fill{"ground_left_edge", 0, 3, 4, 188, kGrey},
                                         Fill{"ground_above_disc", 100, 3, 280, 22, kGrey},
                                         Fill{"ground_between_block_and_jumper", 98, 31, 125, 95,
                                              kGrey}),
                         imagetest::tagOf<Fill>);

// The plates, with their rounded ends; other elements cross them elsewhere.
INSTANTIATE_TEST_SUITE_P(
    Plates, FeedPointFill,
    testing::Values(Fill{"disc_row23", 7, 23, 20, 23, kBlack},
                    Fill{"disc_row23_middle", 40, 23, 284, 23, kBlack},
                    Fill{"disc_row23_right", 304, 23, 323, 23, kBlack},
                    Fill{"disc_rows24to28_left", 5, 24, 20, 28, kBlack},
                    Fill{"disc_rows24to28_middle", 40, 24, 284, 28, kBlack},
                    Fill{"disc_rows24to28_right", 304, 24, 325, 28, kBlack},
                    Fill{"disc_row29_middle", 40, 29, 211, 29, kBlack},
                    Fill{"disc_row30_left", 7, 30, 11, 30, kBlack},
                    Fill{"disc_row30_middle", 97, 30, 211, 30, kBlack},
                    Fill{"disc_row23_left_end", 6, 23, 6, 23, kGrey},
                    Fill{"disc_row23_right_end", 324, 23, 324, 23, kGrey},
                    Fill{"disc_left_end", 4, 24, 4, 29, kGrey},
                    Fill{"disc_right_end", 326, 24, 326, 29, kGrey},
                    Fill{"disc_row30_left_end", 6, 30, 6, 30, kGrey},
                    Fill{"disc_row30_right_end", 324, 30, 324, 30, kGrey},
                    Fill{"cone_row144_left", 9, 144, 55, 144, kBlack},
                    Fill{"cone_row144_middle", 77, 144, 155, 144, kBlack},
                    Fill{"cone_row144_right", 284, 144, 323, 144, kBlack},
                    Fill{"cone_rows145to147_left", 8, 145, 55, 147, kBlack},
                    Fill{"cone_rows145to147_middle", 162, 145, 255, 147, kBlack},
                    Fill{"cone_rows145to148_right", 277, 145, 324, 148, kBlack},
                    Fill{"cone_row149_left", 9, 149, 56, 149, kBlack},
                    Fill{"cone_row149_right", 276, 149, 323, 149, kBlack},
                    Fill{"cone_row144_left_end", 8, 144, 8, 144, kGrey},
                    Fill{"cone_row144_right_end", 324, 144, 324, 144, kGrey},
                    Fill{"cone_left_end", 7, 145, 7, 148, kGrey},
                    Fill{"cone_right_end", 325, 145, 325, 148, kGrey},
                    Fill{"cone_row149_left_end", 8, 149, 8, 149, kGrey},
                    Fill{"cone_row149_right_end", 324, 149, 324, 149, kGrey}),
    imagetest::tagOf<Fill>);

// Spacer sides, centre pin and connector.
INSTANTIATE_TEST_SUITE_P(
    Parts, FeedPointFill,
    testing::Values(Fill{"left_block_outer_side", 12, 29, 13, 143, kRed},
                    Fill{"left_block_inner_side", 95, 30, 96, 143, kRed},
                    Fill{"right_block_inner_side", 213, 29, 214, 144, kRed},
                    Fill{"right_block_outer_side", 312, 29, 313, 143, kRed},
                    Fill{"left_outer_side_top", 12, 28, 13, 28, kBlack},
                    Fill{"left_outer_side_bottom", 12, 144, 13, 144, kBlack},
                    Fill{"left_inner_side_top", 95, 29, 96, 29, kBlack},
                    Fill{"left_inner_side_bottom", 95, 144, 96, 144, kBlack},
                    Fill{"right_inner_side_top", 213, 28, 214, 28, kBlack},
                    Fill{"right_inner_side_bottom", 213, 145, 214, 145, kBlack},
                    Fill{"right_outer_side_top", 312, 28, 313, 28, kBlack},
                    Fill{"right_outer_side_bottom", 312, 144, 313, 144, kBlack},
                    Fill{"centre_pin", 156, 133, 161, 146, kBlue},
                    Fill{"centre_pin_left", 155, 133, 155, 143, kGrey},
                    Fill{"centre_pin_right", 162, 133, 162, 143, kGrey},
                    Fill{"flange_row148", 127, 148, 191, 148, kBlue},
                    Fill{"flange_rows149to152", 126, 149, 192, 152, kBlue},
                    Fill{"flange_row153", 127, 153, 191, 153, kBlue},
                    Fill{"flange_row148_ends_on_plate", 126, 148, 126, 148, kBlack},
                    Fill{"flange_left_end", 125, 150, 125, 152, kGrey},
                    Fill{"flange_right_end", 193, 150, 193, 152, kGrey},
                    Fill{"flange_row153_left_end", 126, 153, 126, 153, kGrey},
                    Fill{"flange_row153_right_end", 192, 153, 192, 153, kGrey},
                    Fill{"collar_left", 135, 154, 139, 156, kWhite},
                    Fill{"collar_break_left", 140, 154, 141, 156, kBlue},
                    Fill{"collar_middle", 142, 154, 178, 156, kWhite},
                    Fill{"collar_break_right", 179, 154, 180, 156, kBlue},
                    Fill{"collar_right", 181, 154, 188, 156, kWhite},
                    Fill{"collar_left_end", 134, 154, 134, 156, kGrey},
                    Fill{"collar_right_end", 189, 154, 189, 156, kGrey},
                    Fill{"body_left_side", 140, 157, 141, 177, kBlue},
                    Fill{"body_right_side", 179, 157, 181, 177, kBlue},
                    Fill{"core_rows157to158", 146, 157, 176, 158, kWhite},
                    Fill{"thread_rows159to160", 140, 159, 176, 160, kBlue},
                    Fill{"core_rows161to164", 146, 161, 176, 164, kWhite},
                    Fill{"thread_rows165to166", 140, 165, 176, 166, kBlue},
                    Fill{"core_rows167to169", 146, 167, 176, 169, kWhite},
                    Fill{"thread_rows170to171", 140, 170, 176, 171, kBlue},
                    Fill{"core_rows172to177", 146, 172, 171, 177, kWhite},
                    Fill{"base_left", 139, 178, 171, 179, kBlue},
                    Fill{"base_right", 173, 178, 181, 179, kBlue},
                    Fill{"base_left_end", 138, 178, 138, 179, kGrey},
                    Fill{"base_right_end", 182, 178, 182, 179, kGrey}),
    imagetest::tagOf<Fill>);

// The label box around the text, and the straight leaders.
INSTANTIATE_TEST_SUITE_P(
    LabelAndLeaders, FeedPointFill,
    testing::Values(
        Fill{"label_box_above_text", 12, 170, 108, 171, kLightGrey},
        Fill{"label_box_right_of_text", 87, 172, 108, 180, kLightGrey},
        Fill{"label_box_below_text", 12, 181, 108, 188, kLightGrey},
        Fill{"label_box_left_end", 11, 170, 11, 188, kGrey},
        Fill{"label_box_right_end", 109, 170, 109, 188, kGrey},
        Fill{"above_label_box", 12, 169, 100, 169, kGrey}, Fill{"leader2", 292, 0, 292, 10, kBlack},
        Fill{"leader2_end", 292, 11, 292, 11, kGrey}, Fill{"leader3", 316, 58, 337, 58, kBlack},
        Fill{"leader3_end", 315, 58, 315, 58, kGrey}, Fill{"leader5", 172, 178, 172, 191, kBlack},
        Fill{"leader5_end", 172, 177, 172, 177, kWhite}),
    imagetest::tagOf<Fill>);

// A slanted line of the table: each row (or column, for flat lines)
// between the end points has one of the line's entries within a pixel.
struct Line {
    const char* tag;
    int x0, y0, x1, y1;
    bool hatch; // red, possibly behind a screw; otherwise a black leader
};

std::ostream& operator<<(std::ostream& os, const Line& l) {
    return os << l.tag << " (" << l.x0 << ", " << l.y0 << ") to (" << l.x1 << ", " << l.y1 << ")";
}

class FeedPointLine : public testing::TestWithParam<Line> {};

TEST_P(FeedPointLine, RunsBetweenItsEndPoints) {
    const Line& l = GetParam();
    auto drawn = [&](int x, int y) {
        return l.hatch ? entry(x, y) == kRed || screwColour(x, y) : entry(x, y) == kBlack;
    };
    EXPECT_TRUE(drawn(l.x0, l.y0));
    EXPECT_TRUE(drawn(l.x1, l.y1));
    const bool steep = std::abs(l.y1 - l.y0) > std::abs(l.x1 - l.x0);
    const int n = steep ? std::abs(l.y1 - l.y0) : std::abs(l.x1 - l.x0);
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const int x = static_cast<int>(std::lround(l.x0 + t * (l.x1 - l.x0)));
        const int y = static_cast<int>(std::lround(l.y0 + t * (l.y1 - l.y0)));
        const bool near = steep ? drawn(x - 1, y) || drawn(x, y) || drawn(x + 1, y)
                                : drawn(x, y - 1) || drawn(x, y) || drawn(x, y + 1);
        EXPECT_TRUE(near) << "nothing next to (" << x << ", " << y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FeedPointLine,
                         testing::Values(Line{"left_hatch1", 25, 30, 96, 94, true},
                                         Line{"left_hatch2", 64, 30, 96, 58, true},
                                         Line{"left_hatch3", 12, 58, 96, 131, true},
                                         Line{"left_hatch4", 12, 98, 59, 136, true},
                                         Line{"right_hatch1", 251, 29, 213, 78, true},
                                         Line{"right_hatch2", 291, 36, 213, 124, true},
                                         Line{"right_hatch3", 312, 58, 242, 144, true},
                                         Line{"right_hatch4", 312, 108, 281, 144, true},
                                         Line{"leader1", 60, 18, 83, 3, false},
                                         Line{"leader4", 292, 154, 322, 191, false},
                                         Line{"leader6", 101, 169, 140, 98, false}),
                         imagetest::tagOf<Line>);

// The wire jumper's yellow run on its listed rows.
struct JumperRows {
    const char* tag;
    int y0, y1, x0, x1;
};

std::ostream& operator<<(std::ostream& os, const JumperRows& j) {
    return os << j.tag;
}

class FeedPointJumper : public testing::TestWithParam<JumperRows> {};

TEST_P(FeedPointJumper, IsYellowExactlyAcrossItsRun) {
    const JumperRows& j = GetParam();
    for (int y = j.y0; y <= j.y1; ++y)
        for (int x = 120; x <= 175; ++x)
            ASSERT_EQ(entry(x, y) == kYellow, x >= j.x0 && x <= j.x1)
                << "at (" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(Table, FeedPointJumper,
                         testing::Values(JumperRows{"leaves_lug", 33, 33, 148, 151},
                                         JumperRows{"bends_left_row39", 39, 39, 139, 148},
                                         JumperRows{"bends_left_row45", 45, 45, 135, 140},
                                         JumperRows{"runs_down_left", 54, 75, 130, 135},
                                         JumperRows{"swings_right_row87", 87, 87, 136, 142},
                                         JumperRows{"swings_right_row99", 99, 99, 146, 154},
                                         JumperRows{"swings_right_row105", 105, 105, 153, 160},
                                         JumperRows{"runs_down_to_pin", 110, 132, 158, 163}),
                         imagetest::tagOf<JumperRows>);

TEST(FeedPointDetail, JumperIsOneStroke4To10PxWideFromLugToPin) {
    for (int y = 30; y <= 135; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 100; x <= 200; ++x)
            if (entry(x, y) == kYellow) {
                first = first < 0 ? x : first;
                last = x;
                ++count;
            }
        if (y < 33 || y > 132) {
            EXPECT_EQ(count, 0) << "row " << y;
            continue;
        }
        EXPECT_EQ(count, last - first + 1) << "row " << y << " is not one run";
        EXPECT_GE(count, 4) << "row " << y;
        EXPECT_LE(count, 10) << "row " << y;
    }
}

TEST(FeedPointDetail, LugHangsUnderTheDiscPlateWithinItsBox) {
    int x0 = 999, x1 = -1, y0 = 999, y1 = -1;
    for (int y = 31; y <= 45; ++y)
        for (int x = 140; x <= 180; ++x)
            if (entry(x, y) == kBlack) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    EXPECT_EQ(x0, 149);
    EXPECT_EQ(x1, 170);
    EXPECT_EQ(y0, 31);
    EXPECT_EQ(y1, 37);
}

} // namespace
