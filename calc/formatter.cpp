// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatter.h"

#include "checked.h"

namespace discone {
namespace {

constexpr double kCentimetresPerInch = 2.54;

using D = DisconeDimensions;

// clang-format off
constexpr DescriptorTable kInches = {{
    {Dimension::HeightToDisc,    "height-to-disc",   &D::HeightToDisc,    TextRule::Single},
    {Dimension::SideLength,      "side-length",      &D::SideLength,      TextRule::Single},
    {Dimension::DiscSpacing,     "disc-spacing",     &D::DiscSpacing,     TextRule::Hundredths},
    {Dimension::DiscDiameter,    "disc-diameter",    &D::DiscDiameter,    TextRule::Single},
    {Dimension::MinimumDiameter, "minimum-diameter", &D::MinimumDiameter, TextRule::Hundredths},
    {Dimension::MeshSpacing,     "mesh-spacing",     nullptr,             TextRule::MeshInches},
    {Dimension::SkirtDiameter,   "skirt-diameter",   &D::SkirtDiameter,   TextRule::Single},
}};

constexpr DescriptorTable kCentimetres = {{
    {Dimension::DiscDiameter,    "disc-diameter",    &D::DiscDiameter,    TextRule::Centimetres},
    {Dimension::DiscSpacing,     "disc-spacing",     &D::DiscSpacing,     TextRule::Centimetres},
    {Dimension::SideLength,      "side-length",      &D::SideLength,      TextRule::Centimetres},
    {Dimension::MinimumDiameter, "minimum-diameter", &D::MinimumDiameter, TextRule::Centimetres},
    {Dimension::HeightToDisc,    "height-to-disc",   &D::HeightToDisc,    TextRule::Centimetres},
    {Dimension::MeshSpacing,     "mesh-spacing",     nullptr,             TextRule::MeshCentimetres},
    {Dimension::SkirtDiameter,   "skirt-diameter",   &D::SkirtDiameter,   TextRule::Centimetres},
}};
// clang-format on

// Each product is checked as it is formed.
std::string centimetres(double inches, const Separators& sep) {
    return doubleText(checked::finite(inches * kCentimetresPerInch), sep);
}

std::string text(const DisconeDimensions& d, const DimensionDescriptor& row,
                 const Separators& sep) {
    switch (row.rule) {
    case TextRule::Single:
        return singleText(d.*row.field, sep);
    case TextRule::Hundredths:
        return roundToPlaces(d.*row.field, 2, sep);
    case TextRule::MeshInches:
        return d.MeshSpacing.solid ? "SOLID" : doubleText(d.MeshSpacing.inches, sep);
    case TextRule::Centimetres:
        return centimetres(d.*row.field, sep);
    case TextRule::MeshCentimetres:
        return d.MeshSpacing.solid ? "solid" : centimetres(d.MeshSpacing.inches, sep);
    }
    return {};
}

} // namespace

const DescriptorTable& descriptors(Unit unit) noexcept {
    return unit == Unit::Inches ? kInches : kCentimetres;
}

ResultTexts formatDimensions(const DisconeDimensions& dimensions, Unit unit,
                             const Separators& sep) {
    ResultTexts texts;
    for (const DimensionDescriptor& row : descriptors(unit))
        texts[row.dimension] = text(dimensions, row, sep);
    return texts;
}

ResultTexts resultTexts(Unit unit, std::string_view input, const Separators& sep) {
    return formatDimensions(calculateDimensions(readSingle(input, sep)), unit, sep);
}

} // namespace discone
