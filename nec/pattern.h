// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The designed antenna's elevation patterns at a few frequencies, finely
// sampled for drawing: the cut through a rod, put right by the average gain
// over the whole sphere; one engine run per frequency, each with the model
// the sweep has there, run at the same time.
#pragma once

#include "beam.h"
#include "engine.h"
#include "model.h"

#include "portable.h"
#include <vector>

namespace discone::nec {

inline constexpr double kDrawnPatternStepDeg = 1;
inline constexpr int kMostPatternFrequencies = 8; // more cannot be told apart in one drawing

struct ElevationCut {
    double frequencyMHz = 0;
    std::vector<PatternSample> samples; // theta 0 to 180, gains put right by the average gain
    Beam beam;                          // likewise
};

// f, 2 f, 3 f, 5 f and 10 f of the design frequency f.
std::vector<double> patternFrequencies(double designMHz);

// Throws ModelError for frequencies the model cannot follow (below the
// design frequency, or above what the wires allow), NecError if a run
// fails, Cancelled once `stop` is requested.
std::vector<ElevationCut> elevationCuts(const DisconeDimensions& dims, const ModelOptions& options,
                                        const std::vector<double>& frequenciesMHz,
                                        const Engine& engine, StopToken stop = {}, int atOnce = 0);

} // namespace discone::nec
