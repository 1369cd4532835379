// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "dimensions.h"

#if defined(__clang__)
#pragma STDC FENV_ACCESS ON
#endif

namespace discone {
namespace {

constexpr double kCentimetresPerInch = 2.54;

constexpr DimensionOrder kInchesOrder = {Dimension::HeightToDisc,    Dimension::SideLength,
                                         Dimension::DiscSpacing,     Dimension::DiscDiameter,
                                         Dimension::MinimumDiameter, Dimension::MeshSpacing,
                                         Dimension::SkirtDiameter};
constexpr DimensionOrder kCentimetreOrder = {Dimension::DiscDiameter, Dimension::DiscSpacing,
                                             Dimension::SideLength,   Dimension::MinimumDiameter,
                                             Dimension::HeightToDisc, Dimension::MeshSpacing,
                                             Dimension::SkirtDiameter};

// The stored single of a dimension other than the mesh spacing.
float stored(const DisconeDimensions& d, Dimension dimension) {
    switch (dimension) {
    case Dimension::HeightToDisc:
        return d.HeightToDisc;
    case Dimension::SideLength:
        return d.SideLength;
    case Dimension::DiscSpacing:
        return d.DiscSpacing;
    case Dimension::DiscDiameter:
        return d.DiscDiameter;
    case Dimension::MinimumDiameter:
        return d.MinimumDiameter;
    case Dimension::SkirtDiameter:
        return d.SkirtDiameter;
    case Dimension::MeshSpacing:
        break;
    }
    return 0;
}

std::string inches(const DisconeDimensions& d, Dimension dimension, const Separators& sep) {
    switch (dimension) {
    case Dimension::MeshSpacing:
        return d.MeshSpacingText;
    case Dimension::DiscSpacing:
    case Dimension::MinimumDiameter:
        return roundToPlaces(stored(d, dimension), 2, sep);
    default:
        return singleText(stored(d, dimension), sep);
    }
}

// The status is cleared once before the products (a check clears it again
// only when it fails), so each check covers its own product.
std::string centimetres(double inches, const Separators& sep) {
    volatile double product = inches * kCentimetresPerInch;
    arithmeticCheck();
    return doubleText(product, sep);
}

std::string centimetres(const DisconeDimensions& d, Dimension dimension, const Separators& sep) {
    if (dimension != Dimension::MeshSpacing)
        return centimetres(stored(d, dimension), sep);
    if (d.MeshSpacingText == "SOLID")
        return "solid";
    return centimetres(readDouble(d.MeshSpacingText, sep), sep);
}

} // namespace

const DimensionOrder& resultOrder(Unit unit) noexcept {
    return unit == Unit::Inches ? kInchesOrder : kCentimetreOrder;
}

ResultTexts inchesTexts(std::string_view input, const Separators& sep) {
    calculateDimensions(readSingle(input, sep), sep);
    ResultTexts texts;
    for (Dimension dimension : kInchesOrder)
        texts[dimension] = inches(Module1, dimension, sep);
    return texts;
}

ResultTexts centimetreTexts(std::string_view input, const Separators& sep) {
    calculateDimensions(readSingle(input, sep), sep);
    clearArithmeticStatus();
    ResultTexts texts;
    for (Dimension dimension : kCentimetreOrder)
        texts[dimension] = centimetres(Module1, dimension, sep);
    return texts;
}

ResultTexts resultTexts(Unit unit, std::string_view input, const Separators& sep) {
    return unit == Unit::Inches ? inchesTexts(input, sep) : centimetreTexts(input, sep);
}

} // namespace discone
