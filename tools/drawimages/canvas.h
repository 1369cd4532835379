// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pixel canvases for the drawing tool: an indexed canvas for the palette
// images and an RGB canvas for the true-colour sketch, with the few integer
// primitives the drawings need. Coordinates are pixels, x right, y down, and
// every range is inclusive at both ends.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace discone::draw {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

using Palette16 = std::array<Rgb, 16>;

// The sixteen colours of the 4-bit displays in their usual order: black; the
// six dark colours at level `dark` (index bit 0 red, bit 1 green, bit 2 blue);
// the two greys of entries 7 and 8, which the images order differently; the
// six bright colours at full level; white.
constexpr Palette16 sixteenColours(std::uint8_t dark, std::uint8_t grey7, std::uint8_t grey8) {
    const auto colour = [](int bits, std::uint8_t level) {
        const auto on = [&](int bit) { return (bits & bit) != 0 ? level : std::uint8_t{0}; };
        return Rgb{on(1), on(2), on(4)};
    };
    Palette16 p{};
    for (int i = 1; i < 8; ++i) {
        p[static_cast<std::size_t>(i)] = colour(i, dark);
        p[static_cast<std::size_t>(i + 8)] = colour(i, 0xFF);
    }
    p[7] = {grey7, grey7, grey7};
    p[8] = {grey8, grey8, grey8};
    return p;
}

// Integer division rounded to nearest, halves away from zero. All slanted
// geometry goes through this so the drawings are identical on every machine.
int divRound(long num, long den);

// x on the straight line through (x0, y0) and (x1, y1) at row y, rounded.
int lerpRound(int x0, int y0, int x1, int y1, int y);

// An image of palette indices. Writes outside the image are dropped, so
// callers may draw strokes that run off an edge.
class IndexedCanvas {
public:
    IndexedCanvas(int width, int height, std::uint8_t fill);

    int width() const { return w_; }
    int height() const { return h_; }
    std::uint8_t at(int x, int y) const { return px_[static_cast<std::size_t>(y * w_ + x)]; }

    void set(int x, int y, std::uint8_t v);
    void hspan(int x0, int x1, int y, std::uint8_t v);
    void fillRect(int x0, int y0, int x1, int y1, std::uint8_t v);

    // A 1-px line from one end point to the other, both included.
    void line(int x0, int y0, int x1, int y1, std::uint8_t v);
    // A line given by its end points, `width` px thick along each row. For
    // lines steeper than 45 degrees: each row gets a run starting at the
    // line's rounded x.
    void steepBand(int x0, int y0, int x1, int y1, int width, std::uint8_t v);
    // The same for flatter lines, `width` px thick down each column.
    void flatBand(int x0, int y0, int x1, int y1, int width, std::uint8_t v);

private:
    int w_;
    int h_;
    std::vector<std::uint8_t> px_;
};

// A true-colour image. Blending takes a coverage in [0, 1].
class RgbCanvas {
public:
    RgbCanvas(int width, int height, Rgb fill);

    int width() const { return w_; }
    int height() const { return h_; }
    Rgb at(int x, int y) const { return px_[static_cast<std::size_t>(y * w_ + x)]; }
    void set(int x, int y, Rgb c);
    void blend(int x, int y, Rgb c, double coverage);

private:
    int w_;
    int h_;
    std::vector<Rgb> px_;
};

} // namespace discone::draw
