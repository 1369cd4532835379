// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program icon: a small white window in perspective, its right edge
// lower than its left, with a black outline, a cyan title band and a light
// grey line under it, and a grey shadow wedge off the lower right corner.
// Drawn at 32 x 32 and 16 x 16 in 16 colours and at 32 x 32 in two colours,
// plus the PNG sizes a freedesktop icon theme wants.
#include "icon_sizes.h"
#include "images.h"
#include "png.h"

#include <algorithm>
#include <vector>

namespace discone::draw {

namespace {

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kGrey = 7;
constexpr std::uint8_t kLightGrey = 8;
constexpr std::uint8_t kCyan = 14;
constexpr std::uint8_t kWhite = 15;

struct Span {
    int y, x0, x1;
};

// The window's corners: the left edge's column and rows, the right edge's
// column; top and bottom edges step down one row every `step` columns.
struct WindowShape {
    int left, right, topAtLeft, topStep, bottomAtLeft, bottomStep, bandRows;
    std::vector<Span> shadow;

    int top(int x) const { return topAtLeft + (x - left) / topStep; }
    int bottom(int x) const { return bottomAtLeft + (x - left) / bottomStep; }
};

const WindowShape kShape32{
    5, 22, 6, 4, 23, 5, 3, {{21, 23, 24}, {22, 23, 26}, {23, 23, 28}, {24, 23, 26}, {25, 23, 24}}};
const WindowShape kShape16{2, 11, 3, 4, 11, 4, 1, {{10, 12, 12}, {11, 12, 14}, {12, 12, 12}}};

enum class Part { Outside, Outline, Band, BandLine, Pane, Shadow };

Part partAt(const WindowShape& s, int x, int y) {
    for (const Span& sp : s.shadow)
        if (y == sp.y && x >= sp.x0 && x <= sp.x1)
            return Part::Shadow;
    if (x < s.left || x > s.right || y < s.top(x) || y > s.bottom(x))
        return Part::Outside;
    if (x == s.left || x == s.right || y == s.top(x) || y == s.bottom(x))
        return Part::Outline;
    const int below = y - s.top(x);
    if (below <= s.bandRows)
        return Part::Band;
    return below == s.bandRows + 1 ? Part::BandLine : Part::Pane;
}

IconImage colourIcon(const WindowShape& s, int size) {
    IconImage icon{IndexedCanvas(size, size, kBlack), IndexedCanvas(size, size, 1),
                   std::vector<Rgb>(kIconPalette.begin(), kIconPalette.end()), 4};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Part p = partAt(s, x, y);
            if (p == Part::Outside)
                continue;
            icon.mask.set(x, y, 0);
            icon.colour.set(x, y,
                            p == Part::Outline    ? kBlack
                            : p == Part::Band     ? kCyan
                            : p == Part::BandLine ? kLightGrey
                            : p == Part::Shadow   ? kGrey
                                                  : kWhite);
        }
    return icon;
}

// Two colours: outline and shadow black, the window white, and the
// surrounding pixels with mask and colour bit both set, which inverts the
// screen behind them.
IconImage monoIcon(const WindowShape& s) {
    IconImage icon{
        IndexedCanvas(32, 32, 1), IndexedCanvas(32, 32, 1), {{0, 0, 0}, {255, 255, 255}}, 1};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const Part p = partAt(s, x, y);
            if (p == Part::Outside)
                continue;
            icon.mask.set(x, y, 0);
            icon.colour.set(x, y, p == Part::Outline || p == Part::Shadow ? 0 : 1);
        }
    return icon;
}

constexpr std::uint8_t kClear = 16; // the PNG palette's transparent entry

// The colour image as PNG palette indices, masked pixels clear.
IndexedCanvas opaqueIndices(const IconImage& icon) {
    const int size = icon.colour.width();
    IndexedCanvas out(size, size, kClear);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (icon.mask.at(x, y) == 0)
                out.set(x, y, icon.colour.at(x, y));
    return out;
}

// `size` x `size` pixels: the source scaled by a whole factor, nearest
// neighbour, its (x0, y0) corner at the origin, shifted by `offset`.
IndexedCanvas place(const IndexedCanvas& src, int size, int factor, int x0, int y0, int offset) {
    IndexedCanvas out(size, size, kClear);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int sx = (x - offset) / factor + x0;
            const int sy = (y - offset) / factor + y0;
            if (x >= offset && y >= offset && sx < src.width() && sy < src.height())
                out.set(x, y, src.at(sx, sy));
        }
    return out;
}

constexpr bool hasDesktopIcon(int size) {
    return size == 16 || size == 22 || size == 24 || size == 48 || size % 32 == 0;
}
static_assert(std::ranges::all_of(kIconSizes, hasDesktopIcon),
              "every icon size needs a drawing in desktopIcon()");

// The icon at one of its desktop sizes, from its 32 x 32 and 16 x 16 colour
// images. The drawing spans columns 5-28 of the 32 x 32 image, so a 24 x 24
// window from (5, 4) holds it whole; 48 doubles that window, and the other
// multiples of 32 scale the whole image up.
IndexedCanvas desktopIcon(const IndexedCanvas& big, const IndexedCanvas& small, int size) {
    switch (size) {
    case 16:
        return small;
    case 22:
        return place(small, 22, 1, 0, 0, 3);
    case 24:
        return place(big, 24, 1, 5, 4, 0);
    case 48:
        return place(big, 48, 2, 5, 4, 0);
    default:
        return place(big, size, size / 32, 0, 0, 0);
    }
}

} // namespace

ProgramIcon drawProgramIcon() {
    return {colourIcon(kShape32, 32), colourIcon(kShape16, 16), monoIcon(kShape32)};
}

std::vector<std::pair<int, Bytes>> desktopIcons(const ProgramIcon& icon) {
    std::vector<Rgb> palette(kIconPalette.begin(), kIconPalette.end());
    palette.push_back({0, 0, 0});
    std::vector<std::uint8_t> alpha(16, 255);
    alpha.push_back(0);
    const IndexedCanvas big = opaqueIndices(icon.colour32);
    const IndexedCanvas small = opaqueIndices(icon.colour16);
    std::vector<std::pair<int, Bytes>> out;
    for (int size : kIconSizes)
        out.emplace_back(size, pngIndexed(desktopIcon(big, small, size), palette, alpha));
    return out;
}

} // namespace discone::draw
