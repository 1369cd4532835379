// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The discone dimension model: from the lowest frequency in MHz, the six
// construction dimensions in inches and the largest mesh opening as text.
#pragma once

#include "numtext.h"

#include <string>

namespace discone {

// The result of one calculation; fields in the order the program declares
// them. The dimensions are single precision and each step starts from the
// stored, rounded value of the step before.
struct DisconeDimensions {
    float LowestFrequency = 0; // MHz, the frequency last read
    float DiscDiameter = 0;
    float DiscSpacing = 0;
    float HeightToDisc = 0;
    float SideLength = 0;
    float MinimumDiameter = 0;
    std::string MeshSpacingText; // number text, or "SOLID" below 0.125 inch
    float SkirtDiameter = 0;
};

// The program's one record, zeroed at start. A calculation that succeeds
// replaces it whole; one that fails leaves it exactly as it was, so it always
// holds the last frequency that calculated.
extern DisconeDimensions Module1;

// Fills Module1 from the frequency. Throws RuntimeError (DivisionByZero,
// Overflow) at the first step whose check fails, before Module1 changes.
void calculateDimensions(float frequency, const Separators& sep);

} // namespace discone
