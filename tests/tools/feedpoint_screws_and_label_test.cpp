// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed-point detail's screws and label: four flat-headed wood screws
// drawn over plates and hatching, and "WIRE JUMPER" in 9-px capitals with
// 1-px strokes.
#include "image_support.h"

#include <algorithm>

namespace {

const QImage& detail() {
    static const QImage image = imagetest::resourceImage("feedpoint.bmp");
    return image;
}

int entry(int x, int y) {
    return detail().pixelIndex(x, y);
}

constexpr int kBlack = 0, kLightGrey = 7, kBlue = 12, kWhite = 15;

bool screwColour(int x, int y) {
    const int e = entry(x, y);
    return e == kWhite || e == kBlue || e == kLightGrey;
}

// Head columns, the head's outer row (top for the upper screws, bottom for
// the lower ones) and inner row, and the point.
struct Screw {
    const char* tag;
    int x0, x1, outerRow, innerRow, pointX, pointY;
    int dir() const { return pointY > innerRow ? 1 : -1; }
};

std::ostream& operator<<(std::ostream& os, const Screw& s) {
    return os << s.tag;
}

class FeedPointScrew : public testing::TestWithParam<Screw> {};

TEST_P(FeedPointScrew, HeadIs19PxWideOnItsOuterRow) {
    const Screw& s = GetParam();
    for (int x = s.x0; x <= s.x1; ++x)
        EXPECT_TRUE(screwColour(x, s.outerRow)) << "x " << x;
    EXPECT_FALSE(screwColour(s.x0 - 1, s.outerRow));
    EXPECT_FALSE(screwColour(s.x1 + 1, s.outerRow));
    for (int x = s.x0 - 2; x <= s.x1 + 2; ++x)
        EXPECT_FALSE(screwColour(x, s.outerRow - s.dir())) << "beyond the head at x " << x;
}

TEST_P(FeedPointScrew, HeadStaysWithinItsColumns) {
    const Screw& s = GetParam();
    for (int y = std::min(s.outerRow, s.innerRow); y <= std::max(s.outerRow, s.innerRow); ++y) {
        bool any = false;
        for (int x = s.x0 - 3; x <= s.x1 + 3; ++x) {
            const bool inside = x >= s.x0 && x <= s.x1;
            if (!inside) {
                EXPECT_FALSE(screwColour(x, y)) << "at (" << x << ", " << y << ")";
            }
            any = any || screwColour(x, y);
        }
        EXPECT_TRUE(any) << "row " << y;
    }
}

TEST_P(FeedPointScrew, HeadCarriesASlotMarkInItsMiddleAndAWhiteBody) {
    const Screw& s = GetParam();
    const int centre = (s.x0 + s.x1) / 2;
    const int top = std::min(s.outerRow, s.innerRow) + 1;
    const int bottom = std::max(s.outerRow, s.innerRow) - 1;
    bool slot = false, white = false;
    for (int y = top; y < bottom; ++y)
        for (int x = centre - 4; x < centre + 4; ++x) {
            slot = slot || (entry(x, y) == kBlue && entry(x + 1, y) == kBlue &&
                            entry(x, y + 1) == kBlue && entry(x + 1, y + 1) == kBlue);
            white = white || entry(x, y) == kWhite;
        }
    EXPECT_TRUE(slot);
    EXPECT_TRUE(white);
}

TEST_P(FeedPointScrew, ShankTapersFromTheHeadToThePoint) {
    const Screw& s = GetParam();
    auto widthAt = [&](int y) {
        int w = 0;
        for (int x = std::min(s.x0, s.pointX) - 2; x <= std::max(s.x1, s.pointX) + 2; ++x)
            w += screwColour(x, y) ? 1 : 0;
        return w;
    };
    EXPECT_GE(widthAt(s.innerRow + s.dir()), 7);
    for (int y = s.innerRow + s.dir(); y != s.pointY; y += s.dir())
        EXPECT_GE(widthAt(y), 1) << "shank broken on row " << y;
    EXPECT_EQ(entry(s.pointX, s.pointY), kBlue);
    EXPECT_LE(widthAt(s.pointY), 2);
    for (int x = s.pointX - 3; x <= s.pointX + 3; ++x)
        EXPECT_FALSE(screwColour(x, s.pointY + s.dir())) << "beyond the point at x " << x;
}

INSTANTIATE_TEST_SUITE_P(Table, FeedPointScrew,
                         testing::Values(Screw{"upper_left", 21, 39, 16, 22, 33, 56},
                                         Screw{"upper_right", 285, 303, 17, 22, 297, 57},
                                         Screw{"lower_left", 57, 75, 155, 149, 63, 115},
                                         Screw{"lower_right", 257, 275, 157, 151, 263, 117}),
                         imagetest::tagOf<Screw>);

TEST(FeedPointDetail, ScrewsAreShadedWithLightGrey) {
    for (const auto& [x0, y0] : {std::pair{21, 16}, {285, 17}, {57, 115}, {257, 117}}) {
        int shading = 0;
        for (int y = y0; y < y0 + 42; ++y)
            for (int x = x0; x < x0 + 19; ++x)
                shading += entry(x, y) == kLightGrey ? 1 : 0;
        EXPECT_GT(shading, 0) << "screw at " << x0 << ", " << y0;
    }
}

TEST(FeedPointDetail, LabelTextIsBlackOnItsBoxFromColumn12To86OnRows172To180) {
    int x0 = 999, x1 = -1, y0 = 999, y1 = -1;
    for (int y = 170; y <= 188; ++y)
        for (int x = 12; x <= 108; ++x) {
            const int e = entry(x, y);
            ASSERT_TRUE(e == kBlack || e == kLightGrey) << "at (" << x << ", " << y << ")";
            if (e == kBlack) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    EXPECT_EQ(x0, 12);
    EXPECT_EQ(x1, 86);
    EXPECT_EQ(y0, 172);
    EXPECT_EQ(y1, 180);
}

TEST(FeedPointDetail, LabelStrokesAreOnePixelWide) {
    for (int y = 172; y < 180; ++y)
        for (int x = 12; x < 86; ++x)
            EXPECT_FALSE(entry(x, y) == kBlack && entry(x + 1, y) == kBlack &&
                         entry(x, y + 1) == kBlack && entry(x + 1, y + 1) == kBlack)
                << "2 x 2 block at (" << x << ", " << y << ")";
}

TEST(FeedPointDetail, LabelHasTwoWordsOfCapitals) {
    // Columns with ink, grouped: letters are separated by single blank
    // columns, the two words by a wider gap; "WIRE" and "JUMPER" give 4 and
    // 6 groups.
    std::vector<int> gaps;
    int blank = 0;
    bool inked = false;
    for (int x = 12; x <= 86; ++x) {
        bool ink = false;
        for (int y = 172; y <= 180; ++y)
            ink = ink || entry(x, y) == kBlack;
        if (ink && inked && blank > 0)
            gaps.push_back(blank);
        blank = ink ? 0 : blank + 1;
        inked = inked || ink;
    }
    ASSERT_EQ(gaps.size(), 9u);
    const auto widest = std::max_element(gaps.begin(), gaps.end());
    EXPECT_EQ(widest - gaps.begin(), 3) << "the word gap follows the fourth letter";
    for (std::size_t i = 0; i < gaps.size(); ++i)
        if (static_cast<long>(i) != widest - gaps.begin()) {
            EXPECT_LT(gaps[i], *widest) << "gap " << i;
        }
}

} // namespace
