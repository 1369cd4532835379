// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The link pointer: a white hand with a black outline, the index finger
// pointing straight up with its tip at the hot spot (13, 9), the thumb at
// the left, three folded fingers at the right and a black cuff at the wrist.
#include "images.h"

#include <array>
#include <string_view>

namespace discone::draw {

namespace {

// Rows 9 to 26, columns 8 to 23: '#' black, 'o' white, '.' transparent.
constexpr int kLeft = 8;
constexpr int kTop = 9;
constexpr std::array<std::string_view, 18> kHand = {{
    "....##..........", // 9: the finger tip
    "...#oo#.........",
    "...#oo#.........",
    "...#oo#.........",
    "...#oo#.........",
    "...#oo##########", // 14: tops of the folded fingers
    "...#oo#oo#oo#oo#",
    "####oo#oo#oo#oo#",
    "#oo#oo#oo#oo#oo#",
    "#oo#oo#oo#oo#oo#",
    "#oooooooooooooo#", // 19: the palm
    ".#ooooooooooooo#",
    ".#oooooooooooo#.",
    "..#ooooooooooo#.",
    "..#ooooooooooo#.",
    "..#############.", // 24-26: the cuff
    "..#############.",
    "..#############.",
}};

} // namespace

IconImage drawLinkPointer() {
    IconImage pointer{
        IndexedCanvas(32, 32, 0), IndexedCanvas(32, 32, 1), {{0, 0, 0}, {255, 255, 255}}, 1};
    for (std::size_t row = 0; row < kHand.size(); ++row)
        for (std::size_t col = 0; col < kHand[row].size(); ++col) {
            const char c = kHand[row][col];
            if (c == '.')
                continue;
            const int x = kLeft + static_cast<int>(col);
            const int y = kTop + static_cast<int>(row);
            pointer.colour.set(x, y, c == 'o' ? 1 : 0);
            pointer.mask.set(x, y, 0);
        }
    return pointer;
}

} // namespace discone::draw
