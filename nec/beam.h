// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the radiation pattern says about the beam of an antenna of N rods
// around its axis, as the discone is: NEC-2's average gain test over the
// whole sphere, and in the cut through a rod the gain at the horizon and the
// strongest lobe and where it points. A discone's beam tilts away from the
// disc, below the horizon, as the frequency rises.
//
// The pattern repeats every 360/N degrees of azimuth and is mirrored about
// the planes through a rod and between two rods, so cuts from phi 0 to
// 180/N degrees cover the sphere.
#pragma once

#include "engine.h"

#include <vector>

namespace discone::nec {

struct Beam {
    // The power the pattern radiates over the power fed in: 1 for a model
    // that keeps energy, as a lossless antenna in free space must.
    double averageGain = 0;
    double horizonDbi = 0;       // theta 90 degrees
    double peakDbi = 0;          // the strongest direction, between the samples
    double peakElevationDeg = 0; // above the horizon; negative below it, away from the disc
};

// `cut` runs from theta 0 to 180 degrees in equal steps (at least 3
// samples). Throws NecError for a cut that does not. Its average gain is
// the cut's alone, as if the pattern were the same at every azimuth.
Beam beamOf(const std::vector<PatternSample>& cut);

// The cuts that put the average gain within 0.2 % of the whole sphere's for
// `radials` rods reaching `outerRadius` metres from the axis, at frequencies
// up to `mhz`: enough azimuths from 0 to 180/N degrees for the pattern's
// ripple around the axis (the one at phi 0 where it has none to speak of),
// and a theta step fine enough for its lobes.
PatternRequest sphereCuts(int radials, double outerRadius, double mhz);

// The beam of `cuts` as sphereCuts asks for them (the first at phi 0, the
// last, if more than one, at 180/N degrees): the average gain over the whole
// sphere, the rest from the cut through a rod. Throws NecError for cuts
// that are not that.
Beam beamOf(const std::vector<PatternCut>& cuts, int radials);

// The beam with its gains divided by its average gain: what the antenna
// radiates when the model's lost or gained power is put right.
Beam corrected(const Beam& beam);

} // namespace discone::nec
