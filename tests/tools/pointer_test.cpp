// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The link pointer: a one-image cursor, 32 x 32 at 1 bit with a mask and the
// hot spot (13, 9) in its header; a white hand with a black outline, the
// index finger up, three folded fingers, a thumb and a black cuff.
#include "image_support.h"

#include <algorithm>

namespace {

using imagetest::GroupImage;

const GroupImage& hand() {
    static const imagetest::Group group =
        imagetest::readGroup(imagetest::resourceBytes("link.cur"));
    static const GroupImage empty{};
    return group.images.empty() ? empty : group.images.front();
}

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

bool opaque(int x, int y) {
    return x >= 0 && y >= 0 && x < 32 && y < 32 && !hand().clear(x, y);
}
bool blackAt(int x, int y) {
    return opaque(x, y) && hand().rgb(x, y) == kBlack;
}
bool whiteAt(int x, int y) {
    return opaque(x, y) && hand().rgb(x, y) == kWhite;
}

TEST(LinkPointer, IsACursorWithOne32By32ImageAtOneBitAndHotSpot13_9) {
    const QByteArray file = imagetest::resourceBytes("link.cur");
    ASSERT_GE(file.size(), 22);
    const imagetest::Group group = imagetest::readGroup(file);
    EXPECT_EQ(group.type, 2);
    ASSERT_EQ(group.images.size(), 1u);
    const GroupImage& im = group.images.front();
    EXPECT_EQ(im.width, 32);
    EXPECT_EQ(im.height, 32);
    EXPECT_EQ(im.planes, 13) << "hot spot x";
    EXPECT_EQ(im.bitCount, 9) << "hot spot y";
    EXPECT_EQ(im.header.width, 32);
    EXPECT_EQ(im.header.height, 64) << "colour rows and mask rows";
    EXPECT_EQ(im.header.bits, 1);
    EXPECT_EQ(im.header.compression, 0);
    ASSERT_EQ(im.palette.size(), 2u);
    EXPECT_EQ(im.palette[0], kBlack);
    EXPECT_EQ(im.palette[1], kWhite);
}

TEST(LinkPointer, QtReadsTheEmbeddedCursor) {
    const QImage image = imagetest::resourceImage("link.cur");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());
}

TEST(LinkPointer, DrawingOccupiesColumns8To23AndRows9To26) {
    int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (opaque(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    EXPECT_EQ(x0, 8);
    EXPECT_EQ(x1, 23);
    EXPECT_EQ(y0, 9);
    EXPECT_EQ(y1, 26);
}

TEST(LinkPointer, EveryPixelOutsideIsTransparentNotInverted) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!opaque(x, y)) {
                EXPECT_EQ(hand().rgb(x, y), kBlack) << "at (" << x << ", " << y << ")";
            }
}

TEST(LinkPointer, HotSpotIsTheTipOfATwoPixelIndexFinger) {
    EXPECT_TRUE(opaque(13, 9));
    for (int x = 0; x < 32; ++x)
        EXPECT_FALSE(opaque(x, 8)) << "above the tip at x " << x;
    for (int y = 10; y <= 18; ++y) {
        EXPECT_TRUE(whiteAt(12, y)) << "row " << y;
        EXPECT_TRUE(whiteAt(13, y)) << "row " << y;
    }
    // Above the folded fingers the finger stands alone, outlined.
    for (int y = 10; y <= 13; ++y)
        for (int x = 8; x <= 23; ++x)
            EXPECT_EQ(whiteAt(x, y), x == 12 || x == 13) << "at (" << x << ", " << y << ")";
}

TEST(LinkPointer, ThreeFoldedFingersShowAsWhiteStripesOnRows15To18) {
    for (int y = 15; y <= 18; ++y) {
        std::vector<int> stripes; // widths of white runs right of the finger
        int run = 0;
        for (int x = 14; x <= 24; ++x) {
            if (whiteAt(x, y)) {
                ++run;
                continue;
            }
            if (run > 0)
                stripes.push_back(run);
            run = 0;
            EXPECT_TRUE(x > 23 || blackAt(x, y)) << "division at (" << x << ", " << y << ")";
        }
        EXPECT_EQ(stripes, (std::vector<int>{2, 2, 2})) << "row " << y;
    }
}

TEST(LinkPointer, ThumbStandsAtTheLeft) {
    bool thumb = false;
    for (int y = 14; y <= 22; ++y)
        for (int x = 8; x <= 11; ++x)
            thumb = thumb || whiteAt(x, y);
    EXPECT_TRUE(thumb);
}

TEST(LinkPointer, CuffIsASolidBlackBarOnRows24To26) {
    for (int y = 24; y <= 26; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y))
                continue;
            EXPECT_TRUE(blackAt(x, y)) << "at (" << x << ", " << y << ")";
            first = first < 0 ? x : first;
            last = x;
        }
        EXPECT_GE(last - first + 1, 8) << "row " << y;
        for (int x = first; x <= last; ++x)
            EXPECT_TRUE(opaque(x, y)) << "gap in the cuff at (" << x << ", " << y << ")";
    }
}

TEST(LinkPointer, HandIsWhiteWithABlackOutline) {
    int white = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y))
                continue;
            white += whiteAt(x, y) ? 1 : 0;
            const bool edge =
                !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
            if (edge) {
                EXPECT_TRUE(blackAt(x, y)) << "outline at (" << x << ", " << y << ")";
            }
        }
    EXPECT_GT(white, 60);
}

} // namespace
