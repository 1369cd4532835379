// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The formatter: from the numbers of one calculation, the seven texts a
// builder reads, in inches or in centimetres, each keyed by the dimension it
// gives. One descriptor table per unit says, row by row in the order the
// texts are formed and checked, which dimension, under which key, from which
// field and by which rule; adding a dimension adds one row to each table.
#pragma once

#include "dimensions.h"
#include "numtext.h"

#include <array>
#include <cstddef>
#include <span>
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

// How a row's text is formed from its number.
enum class TextRule {
    Single,          // single text of the stored value
    Hundredths,      // the stored value rounded to two places, single text
    MeshInches,      // the mesh opening's double text, or "SOLID"
    Centimetres,     // double text of the stored value times 2.54
    MeshCentimetres, // double text of the mesh opening times 2.54, or "solid"
};

struct DimensionDescriptor {
    Dimension dimension;
    std::string_view key;            // the command line's name for it
    float DisconeDimensions::*field; // the stored value; nullptr for the mesh
    TextRule rule;
};

using DescriptorTable = std::array<DimensionDescriptor, kDimensionCount>;

// The unit's rows in the order its texts are formed and checked. Inches:
// height, side, spacing, disc, minimum, mesh, skirt, which is also the order
// the results are listed in. Centimetres: disc, spacing, side, minimum,
// height, mesh, skirt.
const DescriptorTable& descriptors(Unit unit) noexcept;

// The texts of one calculation, one per dimension.
class ResultTexts {
public:
    std::string& operator[](Dimension d) { return texts_[static_cast<std::size_t>(d)]; }
    const std::string& operator[](Dimension d) const { return texts_[static_cast<std::size_t>(d)]; }
    bool operator==(const ResultTexts&) const = default;

private:
    std::array<std::string, kDimensionCount> texts_;
};

// The seven texts of the dimensions in the unit. Each centimetre product is
// checked as it is formed: throws CalculationError (Overflow) for one that
// overflows, which finite stored values never do.
ResultTexts formatDimensions(const DisconeDimensions& dimensions, Unit unit, const Separators& sep);

// The whole command from the frequency text: read it as a single, calculate
// and format. Throws CalculationError before returning any text.
ResultTexts resultTexts(Unit unit, std::string_view input, const Separators& sep);

} // namespace discone
