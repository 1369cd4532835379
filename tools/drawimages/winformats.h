// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writers for the Windows image containers the program carries: the
// uncompressed device-independent bitmap (BMP), and the icon (ICO) and
// cursor (CUR) groups whose images are bitmaps with a transparency mask.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <vector>

namespace discone::draw {

using Bytes = std::vector<std::uint8_t>;

// A 4-bit bitmap with a 16-entry palette, rows bottom-up.
Bytes bmp4(const IndexedCanvas& image, const Palette16& palette);

// A 24-bit bitmap without palette, rows bottom-up.
Bytes bmp24(const RgbCanvas& image);

// One image of an icon or cursor. `colour` holds palette indices; `mask` is
// 1 where the screen behind shows through (or is inverted, where the colour
// index is the palette's last entry) and 0 where the colour is drawn.
struct IconImage {
    IndexedCanvas colour;
    IndexedCanvas mask;
    std::vector<Rgb> palette; // 2 entries at 1 bit, 16 at 4 bits
    int bitsPerPixel;
};

// An icon group with the images in the order given.
Bytes ico(const std::vector<IconImage>& images);

// A cursor with one image and its hot spot.
Bytes cur(const IconImage& image, int hotX, int hotY);

} // namespace discone::draw
