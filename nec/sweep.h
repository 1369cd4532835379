// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep of a designed discone: the input impedance at logarithmically
// spaced frequencies, the SWR against 50 ohms, and where it is below 2.
//
// The sweep is split into sub-bands, each a deck whose segments are fitted to
// its own highest frequency (fewer segments lower down), and the decks run at
// the same time, one engine run per core, each within limits that fit its
// size. The first failure stops the others; so does the caller's stop.
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
inline constexpr int kMinimumPoints = 2;
inline constexpr int kMaximumPoints = 1000;
inline constexpr int kDefaultPoints = 101;
inline constexpr double kDefaultSpan = 10; // the highest frequency over the design frequency
// The elevation cut of each frequency: 5 degrees put the average gain within
// 0.1 % and the strongest lobe within a degree of a 0.25-degree cut.
inline constexpr double kSweepPatternStepDeg = 5;

struct SweepOptions {
    ModelOptions model;
    double highestMHz = 0;       // 0: kDefaultSpan times the design frequency
    int points = kDefaultPoints; // the first at the design frequency, the last at the highest
    int bands = 0;               // decks the sweep is split into; 0: chosen from the points
    int jobs = 0;                // engine runs at once; 0: one per core
    double patternStepDeg = kSweepPatternStepDeg; // 0: no pattern, and no correction
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
    std::optional<Beam> beam{};          // gains corrected, average gain as computed
};

struct Sweep {
    double designMHz = 0;
    ModelOptions model;
    std::vector<SweepPoint> points; // rising frequency
    // Below the default highest frequency, where the rods reach the model's
    // limits before it; 0 otherwise.
    double endsEarlyMHz = 0;
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
// times the design frequency, or less where the rods do not allow that.
double highestOf(const DisconeDimensions& dims, const SweepOptions& options);

// Throws ModelError (options, too thick a wire, a highest frequency the
// segments cannot follow) before the engine runs, NecError if a run fails,
// Cancelled once `stop` is requested.
Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options, const Engine& engine,
               StopToken stop = {}, const Progress& progress = {});

// The limits of one run of `model` at `frequencies` frequencies, each with
// `pattern`'s directions: time and output grow with its segments, with room
// for a slow, busy machine.
RunLimits limitsFor(const Model& model, int frequencies, const PatternRequest& pattern = {});

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
// the program prints is the antenna's, and segments fitted to the highest
// frequency. Slower to run than the sweep's own decks. Its comment lines
// name the program and the design with its seven dimensions as printed in
// `unit`, then say what the model is and the numbers it uses. Throws
// ModelError like runSweep.
std::string printedDeck(const DisconeDimensions& dims, const SweepOptions& options, Unit unit);

} // namespace discone::nec
