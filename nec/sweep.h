// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep of a designed discone: the input impedance at logarithmically
// spaced frequencies, the SWR against 50 ohms, a summary of where it is below
// 2, and the table other programs read.
//
// The sweep is split into sub-bands, each a deck whose segments are fitted to
// its own highest frequency (fewer segments lower down), and the decks run at
// the same time, one engine run per core, each within limits that fit its
// size. The first failure stops the others; so does the caller's stop.
#pragma once

#include "engine.h"
#include "model.h"
#include "numtext.h"

#include <complex>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace discone::nec {

inline constexpr double kReferenceOhms = 50;
inline constexpr double kGoodSwr = 2;
inline constexpr int kMinimumPoints = 2;
inline constexpr int kMaximumPoints = 1000;
inline constexpr int kDefaultPoints = 101;
inline constexpr double kDefaultSpan = 10; // the highest frequency over the design frequency

struct SweepOptions {
    ModelOptions model;
    double highestMHz = 0;       // 0: kDefaultSpan times the design frequency
    int points = kDefaultPoints; // the first at the design frequency, the last at the highest
    int bands = 0;               // decks the sweep is split into; 0: chosen from the points
    int jobs = 0;                // engine runs at once; 0: one per core
};

struct SweepPoint {
    double frequencyMHz = 0;
    std::complex<double> impedance; // ohms
    double swr = 0;                 // against kReferenceOhms; infinite for total reflection
};

struct Sweep {
    double designMHz = 0;
    ModelOptions model;
    std::vector<SweepPoint> points; // rising frequency
};

// Points done of all. Called as sub-bands finish, from any thread, one call
// at a time.
using Progress = std::function<void(int done, int total)>;

// The highest frequency the options sweep to.
double highestOf(const DisconeDimensions& dims, const SweepOptions& options);

// Throws ModelError (options, too thick a wire, a highest frequency the
// segments cannot follow) before the engine runs, NecError if a run fails,
// Cancelled once `stop` is requested.
Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options, const Engine& engine,
               std::stop_token stop = {}, const Progress& progress = {});

// The limits of one run of `model` at `frequencies` frequencies: time and
// output grow with its segments, with room for a slow, busy machine.
RunLimits limitsFor(const Model& model, int frequencies);

// `points` frequencies from low to high, equal ratios between neighbours.
std::vector<double> sweepFrequencies(double lowMHz, double highMHz, int points);

double swr(std::complex<double> impedance, double referenceOhms = kReferenceOhms);

struct SweepSummary {
    std::optional<double> firstBelowMHz;     // first frequency with SWR below 2
    std::optional<double> staysBelowUpToMHz; // last one of the run that starts there
    double lowestSwr = 0;
    double lowestSwrMHz = 0;
};

SweepSummary summarize(const Sweep& sweep);

// The summary as sentences for people, one per line, numbers with the given
// separators.
std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep);

// For other programs (gnuplot, numpy, a spreadsheet): the header line
// `# frequency_mhz<TAB>resistance_ohm<TAB>reactance_ohm<TAB>swr`, one row per
// point, then the summary as `# ` lines; numbers with a point in every locale.
std::string sweepTable(const Sweep& sweep);

// The deck a user opens in a NEC-2 program: the whole sweep as one deck with
// one feed wire on the axis carrying the one source, so that the impedance
// the program prints is the antenna's, and segments fitted to the highest
// frequency. Slower to run than the sweep's own decks. Its comment lines
// are `comments`, then what the model is and the numbers it uses. Throws
// ModelError like runSweep.
std::string printedDeck(const DisconeDimensions& dims, const SweepOptions& options,
                        std::vector<std::string> comments);

} // namespace discone::nec
