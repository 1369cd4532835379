// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's images, each drawn from its own table of geometry: the
// antenna diagram behind the main window's results, the cage sketch and the
// feed-point detail of the information window, the link pointer and the
// program icon with its desktop sizes.
#pragma once

#include "canvas.h"
#include "winformats.h"

#include <string>
#include <utility>
#include <vector>

namespace discone::draw {

// The 16-colour palettes: the diagram's (the classic EGA colours), and the
// one the feed-point detail and the icon share but for entries 7 and 8.
inline constexpr Palette16 kAntennaPalette = sixteenColours(0xAA, 0x55, 0xAA);
inline constexpr Palette16 kFeedPointPalette = sixteenColours(0x80, 0xC0, 0x80);
inline constexpr Palette16 kIconPalette = sixteenColours(0x80, 0x80, 0xC0);

IndexedCanvas drawAntennaDiagram();
RgbCanvas drawCageSketch();
IndexedCanvas drawFeedPointDetail();
IconImage drawLinkPointer();

struct ProgramIcon {
    IconImage colour32;
    IconImage colour16;
    IconImage mono32;
};
ProgramIcon drawProgramIcon();

// The icon as PNG files at each of kIconSizes, paired with their size.
std::vector<std::pair<int, Bytes>> desktopIcons(const ProgramIcon& icon);

// Writes "WIRE JUMPER"-style capitals of the tool's own 9-px font with its
// top-left at (x, y); returns the x just past the last column drawn.
int drawCapitals(IndexedCanvas& image, int x, int y, const std::string& text, std::uint8_t ink);

} // namespace discone::draw
