// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep of a designed discone: the input impedance from nec2c at
// logarithmically spaced frequencies, the SWR against 50 ohms, a summary of
// where it is below 2, and the gnuplot-ready table.
//
// The sweep is split into sub-bands, each a deck whose segments are fitted to
// its own highest frequency (fewer segments lower down), and the decks run in
// parallel, one nec2c per core.
#pragma once

#include "model.h"
#include "numtext.h"

#include <complex>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace discone::nec {

inline constexpr double kReferenceOhms = 50;
inline constexpr double kGoodSwr = 2;

struct SweepOptions {
    ModelOptions model;
    double highestMHz = 0; // 0: ten times the design frequency
    int points = 101;      // at least 2; the first at the design frequency, the last at the highest
    int bands = 0;         // decks the sweep is split into; 0: chosen from the points
    int jobs = 0;          // nec2c processes at once; 0: one per core
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

// Points done of all, called on the calling thread as sub-bands finish.
using Progress = std::function<void(int done, int total)>;

// Throws ModelError (options, too thick a wire, a highest frequency the
// segments cannot follow) before nec2c runs, NecError if it fails.
Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options = {},
               const Progress& progress = {});

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

// The header line `# frequency_mhz<TAB>resistance_ohm<TAB>reactance_ohm<TAB>swr`,
// one row per point, then the summary as `# ` lines; decimals with the given
// separator.
std::string sweepTable(const Sweep& sweep, const SweepSummary& summary, const Separators& sep);

// The summary as sentences, one per line without `# `, decimals with the
// given separator; the table's comment lines are these.
std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep);

// The whole sweep as one deck with segments fitted to its highest frequency,
// for opening in NEC-2 programs. Throws ModelError like runSweep.
std::string sweepDeck(const DisconeDimensions& dims, const SweepOptions& options,
                      const std::vector<std::string>& comments);

} // namespace discone::nec
