// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What an elevation cut of the radiation pattern says about the beam of an
// antenna that is round about its axis, as the discone is: NEC-2's average
// gain test, the gain at the horizon, and the strongest lobe and where it
// points. A discone's beam tilts away from the disc, below the horizon, as
// the frequency rises.
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
// samples). Throws NecError for a cut that does not.
Beam beamOf(const std::vector<PatternSample>& cut);

// The beam with its gains divided by its average gain: what the antenna
// radiates when the model's lost or gained power is put right.
Beam corrected(const Beam& beam);

} // namespace discone::nec
