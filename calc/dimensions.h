// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The discone dimension model: from the lowest frequency in MHz, the six
// construction dimensions in inches and the largest mesh opening. Numbers in,
// numbers out; the formatter turns them into texts.
#pragma once

namespace discone {

// The largest opening a wire mesh cone may have, in inches. Below 0.125 inch
// the cone must be solid.
struct MeshOpening {
    double inches = 0;
    bool solid = false;
    bool operator==(const MeshOpening&) const = default;
};

// The result of one calculation; fields in the order the program declares
// them. The dimensions are single precision and each step starts from the
// stored, rounded value of the step before.
struct DisconeDimensions {
    float LowestFrequency = 0; // MHz, the frequency calculated with
    float DiscDiameter = 0;
    float DiscSpacing = 0;
    float HeightToDisc = 0;
    float SideLength = 0;
    float MinimumDiameter = 0;
    MeshOpening MeshSpacing;
    float SkirtDiameter = 0;
    bool operator==(const DisconeDimensions&) const = default;
};

// Throws CalculationError (DivisionByZero, Overflow) at the first step whose
// check fails.
DisconeDimensions calculateDimensions(float frequency);

} // namespace discone
