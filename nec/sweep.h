// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep of a designed discone: the input impedance at logarithmically
// spaced frequencies, the SWR against 50 ohms, and where it is below 2.
//
// Every frequency has its own model, whatever the sweep: the models are
// fitted to the steps of a fixed grid of frequencies (model.h), so the
// sweep's points are grouped by step, each group split into decks small
// enough for progress to come often, and the decks run at the same time, one
// engine run per core, each within limits that fit its size. The first
// failure stops the others; so does the caller's stop.
#pragma once

#include "beam.h"
#include "engine.h"
#include "formatter.h"
#include "model.h"
#include "numtext.h"

#include "portable.h"
#include <complex>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace discone::nec {

inline constexpr double kReferenceOhms = 50;
inline constexpr double kGoodSwr = 2;

struct SweepOptions {
    ModelOptions model;
    double highestMHz = 0;       // 0: kDefaultSpan times the design frequency
    int points = kDefaultPoints; // the first at the design frequency, the last at the highest
    int jobs = 0;                // engine runs at once; 0: one per core
    // The cuts of the pattern (beam.h's sphereCuts) at each frequency, for
    // the average gain and the beam; false: none, and no correction.
    bool pattern = true;
};

struct SweepPoint {
    double frequencyMHz = 0;
    // Ohms, corrected by the average gain (NEC-2's impedance times it) where
    // the sweep has a pattern: models of this antenna lose or gain power that
    // a lossless one cannot, and the corrected ones agree where the raw ones
    // do not.
    std::complex<double> impedance;
    double swr = 0; // of `impedance` against kReferenceOhms; infinite for total reflection
    std::complex<double> rawImpedance{}; // as NEC-2 computed it
    // Gains corrected, average gain over the sphere as computed; the beam in
    // the cut through a rod.
    std::optional<Beam> beam{};
};

struct Sweep {
    double designMHz = 0;
    ModelOptions model;
    std::vector<SweepPoint> points; // rising frequency
    // Below the default highest frequency, where the rods reach the model's
    // limits (model.h's highestModelledMHz) before it; 0 otherwise.
    double endsEarlyMHz = 0;
    std::string endsBecause; // model.h's limitAbove, where it ends early
    // What a builder cuts, as the model has it, in metres: the cone's wire
    // from the top ring to the skirt, and the hub the rods need, 0 where
    // they fit around the top ring.
    double coneWireLength = 0;
    double hubDiameter = 0;
};

// The average gain outside which the model is broken, not just inexact.
// Sound models of this antenna range from 0.17 (four thick rods, whose
// corrected impedance still agrees with the axial pin's within 4 %) to 1.11.
inline constexpr double kLowestAverageGain = 0.1;
inline constexpr double kHighestAverageGain = 1.5;

// The highest frequency the options sweep to: the one asked for, or ten
// times the design frequency, or less where the rods do not allow that; 0
// where nothing is allowed.
double highestOf(const DisconeDimensions& dims, const SweepOptions& options);

// Throws ModelError (model.h's checkSweep) before the engine runs, NecError
// if a run fails, Cancelled once `stop` is requested. Progress counts the
// estimated work, in milliseconds.
Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options, const Engine& engine,
               StopToken stop = {}, const Progress& progress = {});

// The limits of one run of `model` at `frequencies` frequencies, each with
// `pattern`'s directions: ten seconds and ten times the estimated work
// (model.h), output growing with its segments.
RunLimits limitsFor(const Model& model, int frequencies, const PatternRequest& pattern = {});

// The pattern's directions at each frequency.
int directions(const PatternRequest& pattern);

// `points` frequencies from low to high, equal ratios between neighbours.
std::vector<double> sweepFrequencies(double lowMHz, double highMHz, int points);

double swr(std::complex<double> impedance, double referenceOhms = kReferenceOhms);

// Where the SWR passes 2 between two points, the summary has the crossing
// between them, on a logarithmic frequency scale.
struct SweepSummary {
    std::optional<double> firstBelowMHz;     // where the SWR first drops below 2
    std::optional<double> staysBelowUpToMHz; // where it rises to 2 again, or the sweep's end
    double lowestSwr = 0;
    double lowestSwrMHz = 0;
    // The lowest and highest average gain, where the sweep has a pattern.
    std::optional<std::pair<double, double>> averageGain;
};

SweepSummary summarize(const Sweep& sweep);

// The same for any SWR curve, such as a measured one: (MHz, SWR) pairs in
// rising frequency.
SweepSummary summarize(const std::vector<std::pair<double, double>>& swrCurve);

// "inches" or "centimetres".
std::string_view unitWord(Unit unit);

// The deck a user opens in a NEC-2 program: the whole sweep as one deck with
// one feed wire on the axis carrying the one source, so that the impedance
// the program prints is the antenna's, segments fitted to the highest
// frequency, and the cuts of the pattern the average gain over the sphere
// comes from. Slower to run than the sweep's own decks. Its comment lines
// name the program and the design with its seven dimensions as printed in
// `unit`, then say what the model is, the numbers it uses and how the
// impedance is put right. Throws ModelError like runSweep.
std::string printedDeck(const DisconeDimensions& dims, const SweepOptions& options, Unit unit);

} // namespace discone::nec
