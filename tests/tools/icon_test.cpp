// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program icon: an icon group of a 32 x 32 and a 16 x 16 image at 4 bits
// and a 32 x 32 image at 1 bit, each with a mask, showing a white window in
// perspective with a black outline, a cyan title band stepping down, a light
// grey line under it and a grey shadow wedge; and the desktop PNG sizes.
#include "image_support.h"

#include <QImageReader>

#include <algorithm>
#include <array>

namespace {

using imagetest::GroupImage;

const imagetest::Group& group() {
    static const imagetest::Group g = imagetest::readGroup(imagetest::resourceBytes("discone.ico"));
    return g;
}

constexpr QRgb kBlack = qRgb(0, 0, 0), kCyan = qRgb(0, 255, 255), kLightGrey = qRgb(192, 192, 192),
               kGrey = qRgb(128, 128, 128), kWhite = qRgb(255, 255, 255);

TEST(ProgramIcon, GroupHoldsThe32And16ColourImagesAndThe32TwoColourImage) {
    ASSERT_EQ(group().type, 1);
    ASSERT_EQ(group().images.size(), 3u);
    const std::array<std::array<int, 4>, 3> expected = {
        {{32, 32, 16, 4}, {16, 16, 16, 4}, {32, 32, 2, 1}}};
    for (std::size_t i = 0; i < 3; ++i) {
        const GroupImage& im = group().images[i];
        SCOPED_TRACE(testing::Message() << "image " << i);
        EXPECT_EQ(im.width, expected[i][0]);
        EXPECT_EQ(im.height, expected[i][1]);
        EXPECT_EQ(im.colourCount, expected[i][2]);
        EXPECT_EQ(im.planes, 1);
        EXPECT_EQ(im.bitCount, expected[i][3]);
        EXPECT_EQ(im.header.width, expected[i][0]);
        EXPECT_EQ(im.header.height, 2 * expected[i][1]) << "colour rows and mask rows";
        EXPECT_EQ(im.header.bits, expected[i][3]);
    }
}

TEST(ProgramIcon, ColourImagesUseTheIconPalette) {
    const std::array<QRgb, 16> expected = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
        0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    ASSERT_EQ(group().images.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_EQ(group().images[i].palette.size(), 16u);
        for (std::size_t k = 0; k < 16; ++k)
            EXPECT_EQ(group().images[i].palette[k], expected[k] | 0xff000000u)
                << "image " << i << " entry " << k;
    }
}

TEST(ProgramIcon, QtReadsAllThreeImages) {
    QImageReader reader(QStringLiteral(":/images/discone.ico"));
    EXPECT_EQ(reader.imageCount(), 3);
    const QImage first = reader.read();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(32, 32));
}

// One colour image of the group: where its drawing lies.
struct ColourImage {
    const char* tag;
    std::size_t index;
    int x0, y0, x1, y1; // the drawing's extent
};

std::ostream& operator<<(std::ostream& os, const ColourImage& c) {
    return os << c.tag;
}

class IconColourImage : public testing::TestWithParam<ColourImage> {
public:
    const GroupImage& im() const { return group().images.at(GetParam().index); }
    bool opaque(int x, int y) const {
        return x >= 0 && y >= 0 && x < im().width && y < im().height && !im().clear(x, y);
    }
    // The outline's top and bottom rows in column x.
    int top(int x) const {
        int y = 0;
        while (y < im().height && !opaque(x, y))
            ++y;
        return y;
    }
    int bottom(int x) const {
        int y = im().height - 1;
        while (y >= 0 && !opaque(x, y))
            --y;
        return y;
    }
    // The outline's right edge: the last column whose topmost pixel is black
    // (the shadow beyond it starts grey).
    int rightEdge() const {
        int x = GetParam().x0;
        while (x + 1 < im().width && top(x + 1) < im().height &&
               im().rgb(x + 1, top(x + 1)) == kBlack)
            ++x;
        return x;
    }
};

TEST_P(IconColourImage, DrawingHasItsExtentAndTransparentSurround) {
    const ColourImage& c = GetParam();
    int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
    for (int y = 0; y < im().height; ++y)
        for (int x = 0; x < im().width; ++x) {
            if (!opaque(x, y)) {
                EXPECT_EQ(im().index(x, y), 0)
                    << "transparent, not inverted, at " << x << ", " << y;
                continue;
            }
            const QRgb rgb = im().rgb(x, y);
            EXPECT_TRUE(rgb == kBlack || rgb == kCyan || rgb == kLightGrey || rgb == kGrey ||
                        rgb == kWhite)
                << "colour at " << x << ", " << y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    EXPECT_EQ(x0, c.x0);
    EXPECT_EQ(x1, c.x1);
    EXPECT_EQ(y0, c.y0);
    EXPECT_EQ(y1, c.y1);
}

TEST_P(IconColourImage, TopAndBottomEdgesStepDownOneRowEveryFourOrFiveColumns) {
    const int left = GetParam().x0;
    const int right = rightEdge();
    for (auto edge : {&IconColourImage::top, &IconColourImage::bottom}) {
        std::vector<int> runs{1};
        for (int x = left + 1; x <= right; ++x) {
            const int step = (this->*edge)(x) - (this->*edge)(x - 1);
            ASSERT_TRUE(step == 0 || step == 1) << "step at x " << x;
            if (step == 1)
                runs.push_back(0);
            ++runs.back();
        }
        ASSERT_GE(runs.size(), 3u) << "the right edge is lower than the left";
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_LE(runs[i], 5) << "run " << i;
            if (i > 0 && i + 1 < runs.size()) {
                EXPECT_GE(runs[i], 4) << "run " << i;
            }
        }
        for (int x = left; x <= right; ++x)
            EXPECT_EQ(im().rgb(x, (this->*edge)(x)), kBlack) << "outline at x " << x;
    }
}

TEST_P(IconColourImage, CyanBandThenALightGreyLineThenWhiteDownToTheOutline) {
    const int left = GetParam().x0;
    const int right = rightEdge();
    for (int x = left + 1; x < right; ++x) {
        int y = top(x) + 1;
        EXPECT_EQ(im().rgb(x, y), kCyan) << "band under the top edge at x " << x;
        while (im().rgb(x, y) == kCyan)
            ++y;
        EXPECT_EQ(im().rgb(x, y), kLightGrey) << "line under the band at x " << x;
        for (++y; y < bottom(x); ++y)
            EXPECT_EQ(im().rgb(x, y), kWhite) << "at (" << x << ", " << y << ")";
    }
}

TEST_P(IconColourImage, GreyShadowWedgeOffTheLowerRightCorner) {
    const int right = rightEdge();
    std::vector<int> widths;
    for (int y = 0; y < im().height; ++y) {
        int w = 0;
        for (int x = 0; x < im().width; ++x)
            if (opaque(x, y) && im().rgb(x, y) == kGrey) {
                EXPECT_GT(x, right) << "shadow inside the window at " << x << ", " << y;
                EXPECT_GT(y, (top(right) + bottom(right)) / 2) << "shadow high up at " << y;
                ++w;
            }
        if (w > 0) {
            EXPECT_TRUE(opaque(right + 1, y)) << "shadow row " << y << " leaves the outline";
            widths.push_back(w);
        }
    }
    // A wedge: rows widen to one widest row inside the shadow, then narrow.
    ASSERT_GE(widths.size(), 3u);
    const auto widest = std::max_element(widths.begin(), widths.end());
    EXPECT_NE(widest, widths.begin());
    EXPECT_NE(widest, widths.end() - 1);
    for (auto it = widths.begin(); it + 1 < widths.end(); ++it)
        EXPECT_TRUE(it < widest ? *it < *(it + 1) : *it > *(it + 1))
            << "shadow row widths " << testing::PrintToString(widths);
}

INSTANTIATE_TEST_SUITE_P(Table, IconColourImage,
                         testing::Values(ColourImage{"colour32", 0, 5, 6, 28, 26},
                                         ColourImage{"colour16", 1, 2, 3, 14, 13}),
                         imagetest::tagOf<ColourImage>);

TEST(ProgramIcon, Colour32OutlineEdgesAndShadowAreWhereListed) {
    const GroupImage& im = group().images.at(0);
    for (int y = 6; y <= 23; ++y)
        EXPECT_EQ(im.rgb(5, y), kBlack) << "left edge row " << y;
    EXPECT_TRUE(im.clear(5, 5));
    EXPECT_TRUE(im.clear(5, 24));
    for (int y = 10; y <= 26; ++y)
        EXPECT_EQ(im.rgb(22, y), kBlack) << "right edge row " << y;
    EXPECT_TRUE(im.clear(22, 9));
    EXPECT_TRUE(im.clear(22, 27));
    std::array<int, 32> widths{};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!im.clear(x, y) && im.rgb(x, y) == kGrey) {
                EXPECT_TRUE(x >= 23 && x <= 28 && y >= 21 && y <= 25) << "at " << x << ", " << y;
                ++widths[static_cast<std::size_t>(y)];
            }
    EXPECT_EQ(std::max_element(widths.begin(), widths.end()) - widths.begin(), 23);
}

TEST(ProgramIcon, TwoColourImageHasTheSameOutlineAndShadowAndInvertsItsSurround) {
    const GroupImage& colour = group().images.at(0);
    const GroupImage& mono = group().images.at(2);
    ASSERT_EQ(mono.palette.size(), 2u);
    EXPECT_EQ(mono.palette[0], kBlack);
    EXPECT_EQ(mono.palette[1], kWhite);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            SCOPED_TRACE(testing::Message() << "at (" << x << ", " << y << ")");
            ASSERT_EQ(mono.clear(x, y), colour.clear(x, y));
            if (mono.clear(x, y)) {
                EXPECT_EQ(mono.index(x, y), 1) << "mask and colour bit set: inverts";
                continue;
            }
            const QRgb c = colour.rgb(x, y);
            EXPECT_EQ(mono.rgb(x, y), c == kBlack || c == kGrey ? kBlack : kWhite);
        }
}

} // namespace
