// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program icon as PNG files for the desktop's icon theme: every size of
// the program's list square, transparent around the drawing and in the
// icon's colours; 16 and 32 are the icon's own images, the larger multiples
// of 32 the 32 x 32 drawing scaled up without smoothing.
#include "icon_sizes.h"
#include "image_support.h"

#include <QImage>

#include <map>
#include <string>
#include <vector>

namespace {

QImage png(int size) {
    return QImage(QStringLiteral(":/images/discone-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

std::string sizeTag(const testing::TestParamInfo<int>& info) {
    return "size" + std::to_string(info.param);
}

// The sizes above 32 that scale the whole 32 x 32 drawing up.
std::vector<int> wholeMultiplesOf32() {
    std::vector<int> sizes;
    for (int size : discone::kIconSizes)
        if (size > 32 && size % 32 == 0)
            sizes.push_back(size);
    return sizes;
}

class DesktopIcon : public testing::TestWithParam<int> {};

TEST_P(DesktopIcon, IsSquareTransparentAroundAndInTheIconsColours) {
    const int n = GetParam();
    const QImage image = png(n);
    ASSERT_EQ(image.size(), QSize(n, n));
    for (const auto& [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}})
        EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << "corner " << x << ", " << y;
    std::map<QRgb, int> counts;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            ASSERT_EQ(qAlpha(p), 255) << "at " << x << ", " << y;
            ++counts[p & 0xffffffu];
        }
    for (QRgb c : {0x000000u, 0x00FFFFu, 0xC0C0C0u, 0x808080u, 0xFFFFFFu})
        EXPECT_GT(counts[c], 0) << "colour " << std::hex << c;
    EXPECT_EQ(counts.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Table, DesktopIcon, testing::ValuesIn(discone::kIconSizes), sizeTag);

TEST(DesktopIcons, Sizes32And16AreTheIconsColourImages) {
    const imagetest::Group group = imagetest::readGroup(imagetest::resourceBytes("discone.ico"));
    ASSERT_EQ(group.images.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        const imagetest::GroupImage& im = group.images[i];
        const QImage image = png(im.width);
        ASSERT_EQ(image.width(), im.width);
        for (int y = 0; y < im.height; ++y)
            for (int x = 0; x < im.width; ++x) {
                const QRgb p = image.pixel(x, y);
                ASSERT_EQ(qAlpha(p) == 0, im.clear(x, y)) << "at " << x << ", " << y;
                if (!im.clear(x, y)) {
                    ASSERT_EQ(p, im.rgb(x, y)) << "at " << x << ", " << y;
                }
            }
    }
}

class DesktopIconLarge : public testing::TestWithParam<int> {};

TEST_P(DesktopIconLarge, IsThe32DrawingScaledUpPixelByPixel) {
    const int n = GetParam();
    const QImage small = png(32);
    const QImage large = png(n);
    ASSERT_EQ(large.width(), n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            ASSERT_EQ(large.pixel(x, y), small.pixel(x * 32 / n, y * 32 / n))
                << "at " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Table, DesktopIconLarge, testing::ValuesIn(wholeMultiplesOf32()), sizeTag);

} // namespace
