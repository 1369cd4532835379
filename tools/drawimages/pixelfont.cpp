// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The tool's own capitals for the one label drawn inside an image: 9 px
// high, 1-px strokes, in a plain sans-serif style. Only the letters the
// label needs are defined; one blank column separates letters and a word
// space is five blank columns.
#include "images.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace discone::draw {

namespace {

struct Glyph {
    char letter;
    std::array<std::string_view, 9> rows; // '#' marks ink
};

// clang-format off
constexpr std::array<Glyph, 8> kGlyphs = {{
    {'E', {"######",
           "#.....",
           "#.....",
           "#.....",
           "#####.",
           "#.....",
           "#.....",
           "#.....",
           "######"}},
    {'I', {"#",
           "#",
           "#",
           "#",
           "#",
           "#",
           "#",
           "#",
           "#"}},
    {'J', {".....#",
           ".....#",
           ".....#",
           ".....#",
           ".....#",
           ".....#",
           "#....#",
           "#....#",
           ".####."}},
    {'M', {"#.......#",
           "##.....##",
           "#.#...#.#",
           "#..#.#..#",
           "#...#...#",
           "#.......#",
           "#.......#",
           "#.......#",
           "#.......#"}},
    {'P', {"#####.",
           "#....#",
           "#....#",
           "#....#",
           "#####.",
           "#.....",
           "#.....",
           "#.....",
           "#....."}},
    {'R', {"#####.",
           "#....#",
           "#....#",
           "#....#",
           "#####.",
           "#..#..",
           "#...#.",
           "#....#",
           "#....#"}},
    {'U', {"#.....#",
           "#.....#",
           "#.....#",
           "#.....#",
           "#.....#",
           "#.....#",
           "#.....#",
           "#.....#",
           ".#####."}},
    {'W', {"#.......#",
           "#.......#",
           "#...#...#",
           "#...#...#",
           ".#.#.#.#.",
           ".#.#.#.#.",
           ".#.#.#.#.",
           "..#...#..",
           "..#...#.."}},
}};
// clang-format on

constexpr int kLetterGap = 1;
constexpr int kWordGap = 5;

const Glyph& glyphFor(char c) {
    for (const Glyph& g : kGlyphs)
        if (g.letter == c)
            return g;
    throw std::invalid_argument(std::string("no glyph for ") + c);
}

} // namespace

int drawCapitals(IndexedCanvas& image, int x, int y, const std::string& text, std::uint8_t ink) {
    int end = x;
    for (char c : text) {
        if (c == ' ') {
            x += kWordGap - kLetterGap;
            continue;
        }
        const Glyph& g = glyphFor(c);
        const int width = static_cast<int>(g.rows[0].size());
        for (int row = 0; row < 9; ++row)
            for (int col = 0; col < width; ++col)
                if (g.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
                    image.set(x + col, y + row, ink);
        end = x + width;
        x = end + kLetterGap;
    }
    return end;
}

} // namespace discone::draw
