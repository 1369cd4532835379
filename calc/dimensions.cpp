// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dimensions.h"

#include "numtext.h"

#include <cmath>

#if defined(__clang__)
#pragma STDC FENV_ACCESS ON
#endif

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

// Each dimension is stored as a single before its check, and the next step
// starts from the rounded value. The stores go through volatile so that every
// step is done, in order, before the status is read.
void store(float& field, double value) {
    *static_cast<volatile float*>(&field) = static_cast<float>(value);
    arithmeticCheck();
}
} // namespace

DisconeDimensions calculateDimensions(float frequency) {
    DisconeDimensions d;
    clearArithmeticStatus();
    d.LowestFrequency = frequency;
    const double f = frequency;
    store(d.HeightToDisc, static_cast<double>(kHeightNumerator) / f);
    store(d.SideLength, d.HeightToDisc / std::sin(kSideAngle));
    store(d.SkirtDiameter, d.HeightToDisc * std::tan(kSkirtAngle) * 2);
    store(d.MinimumDiameter, d.SideLength * kTopFraction);
    store(d.DiscSpacing, d.MinimumDiameter * kGapFraction);
    store(d.DiscDiameter, d.SkirtDiameter * kDiscFraction);

    volatile double wavelength = static_cast<double>(kWavelengthNumerator) / f;
    arithmeticCheck();
    volatile double fraction = wavelength * kMeshFraction;
    volatile double mesh = fraction * kInchesPerFoot;
    arithmeticCheck();

    // The opening is shown as its 15-digit double text, and both the test
    // against the smallest opening and the centimetre value start from the
    // number that text reads back as, not from the product itself.
    d.MeshSpacing.inches = roundToDoubleText(mesh);
    d.MeshSpacing.solid = d.MeshSpacing.inches < kSmallestMesh;
    return d;
}

} // namespace discone
