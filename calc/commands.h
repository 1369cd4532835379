// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The two calculate commands: from the frequency text, the seven result texts
// of one calculation in inches or in centimetres, each keyed by the dimension
// it gives. On any error a command throws before returning, so a caller shows
// either all seven texts or none.
#pragma once

#include "numtext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace discone {

// The seven results, in the order they are listed to the user.
enum class Dimension {
    HeightToDisc,
    SideLength,
    DiscSpacing,
    DiscDiameter,
    MinimumDiameter,
    MeshSpacing,
    SkirtDiameter,
};
inline constexpr std::size_t kDimensionCount = 7;

enum class Unit { Inches, Centimetres };

// The texts of one calculation, one per dimension.
class ResultTexts {
public:
    std::string& operator[](Dimension d) { return texts_[static_cast<std::size_t>(d)]; }
    const std::string& operator[](Dimension d) const { return texts_[static_cast<std::size_t>(d)]; }
    bool operator==(const ResultTexts&) const = default;

private:
    std::array<std::string, kDimensionCount> texts_;
};

using DimensionOrder = std::array<Dimension, kDimensionCount>;

// The order in which a unit's texts are formed, and in which they are shown.
// Inches: height, side, spacing, disc, minimum, mesh, skirt. Centimetres:
// disc, spacing, side, minimum, height, mesh, skirt; each product is formed
// and checked in this order.
const DimensionOrder& resultOrder(Unit unit) noexcept;

// Reads the frequency as a single, runs the model (which stores Module1) and
// writes the texts: single texts in inches (spacing and minimum diameter
// rounded to hundredths, the mesh text as the model wrote it), double texts
// of the value times 2.54 in centimetres ("solid" for "SOLID"). Throws
// RuntimeError.
ResultTexts inchesTexts(std::string_view input, const Separators& sep);
ResultTexts centimetreTexts(std::string_view input, const Separators& sep);
ResultTexts resultTexts(Unit unit, std::string_view input, const Separators& sep);

} // namespace discone
