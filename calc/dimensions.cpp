// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dimensions.h"

#include "checked.h"
#include "numtext.h"

#include <cmath>

namespace discone {

namespace {
// The model's constants, with the width each one enters the arithmetic in.
constexpr float kHeightNumerator = 2834.0f;    // inches times MHz
constexpr double kSideAngle = 1.047;           // radians: 60 degrees truncated, not pi/3
constexpr double kSkirtAngle = 0.52359;        // radians: 30 degrees truncated, not pi/6
constexpr double kTopFraction = 0.03;          // top diameter / side length
constexpr double kGapFraction = 0.3;           // disc gap / top diameter
constexpr double kDiscFraction = 0.7;          // disc diameter / skirt diameter
constexpr float kWavelengthNumerator = 984.0f; // feet times MHz
constexpr double kMeshFraction = 0.02;         // mesh opening / wavelength
constexpr double kInchesPerFoot = 12.0;
constexpr double kSmallestMesh = 0.125; // inches; anything finer is "SOLID"
} // namespace

// Each dimension is stored as a single, checked, and the next step starts
// from the rounded value.
DisconeDimensions calculateDimensions(float frequency) {
    using checked::finite;
    using checked::quotient;
    using checked::single;
    DisconeDimensions d;
    d.LowestFrequency = frequency;
    const double f = frequency;
    d.HeightToDisc = single(quotient(kHeightNumerator, f));
    d.SideLength = single(quotient(d.HeightToDisc, std::sin(kSideAngle)));
    d.SkirtDiameter = single(d.HeightToDisc * std::tan(kSkirtAngle) * 2);
    d.MinimumDiameter = single(d.SideLength * kTopFraction);
    d.DiscSpacing = single(d.MinimumDiameter * kGapFraction);
    d.DiscDiameter = single(d.SkirtDiameter * kDiscFraction);

    const double wavelength = quotient(kWavelengthNumerator, f);
    const double mesh = finite(wavelength * kMeshFraction * kInchesPerFoot);

    // The opening is shown as its 15-digit double text, and both the test
    // against the smallest opening and the centimetre value start from the
    // number that text reads back as, not from the product itself.
    d.MeshSpacing.inches = roundToDoubleText(mesh);
    d.MeshSpacing.solid = d.MeshSpacing.inches < kSmallestMesh;
    return d;
}

} // namespace discone
