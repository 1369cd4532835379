// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction written out: the summary, the SWR over the amateur bands
// and the builder's notes as sentences for people, what a builder cuts as
// numbers, and the table other programs read.
#pragma once

#include "sweep.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace discone::study {

using nec::Sweep;
using nec::SweepSummary;

// The summary as sentences for people, one per line, each starting with
// `prefix` (such as "measured "), numbers with the given separators.
std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep,
                                      std::string_view prefix = {});

// The SWR over each amateur band of `region` (1 to 3; 0: the bands all
// three share) that `curve` covers, one line each, such as "2 m: SWR 1.80
// to 2.30" after `prefix`: the lowest and highest SWR over the band's part
// within the curve, its edges read off the curve as the chart draws it,
// straight from point to point over a logarithmic frequency axis. `curve`
// holds (MHz, SWR) pairs in rising frequency; infinite SWR is total
// reflection.
std::vector<std::string> bandLines(const std::vector<std::pair<double, double>>& curve, int region,
                                   const Separators& sep, std::string_view prefix = {});

// For other programs (gnuplot, numpy, a spreadsheet): a comment line saying
// how the impedance is corrected, the header line
// `# frequency_mhz<TAB>resistance_ohm<TAB>reactance_ohm<TAB>swr` followed,
// where the sweep has a pattern, by `<TAB>horizon_gain_dbi<TAB>peak_gain_dbi
// <TAB>peak_elevation_deg`, one row per point, then the summary as `# `
// lines; numbers with a point in every locale.
std::string sweepTable(const Sweep& sweep);

// What a builder cuts, as the model has it, in the design's unit, and where
// the sweep had to stop short: the cone's wire from the top ring to the
// skirt (shorter than the printed side length, which runs on to the cone's
// apex), the hub the rods need, if any. Sentences for people, one per line.
std::vector<std::string> buildNotes(const Sweep& sweep, Unit unit, const Separators& sep);

// What a builder cuts, in metres, as the model has it: each of the cone's
// rods from the top ring to the skirt, each of the disc's from where it
// starts (the top ring's radius, or the hub's where there is one) to the
// disc's rim, and the hub's diameter, 0 for none.
struct Cuts {
    double coneRod = 0;
    double discRod = 0;
    double hub = 0;
};
Cuts cutsOf(const DisconeDimensions& dimensions, const Sweep& sweep);

// The frequencies a Smith chart's curve is marked at: the design frequency
// if it is within the range, then 1, 2 and 5 of each decade in between, no
// two closer than a tenth of a decade.
std::vector<double> smithMarks(double designMHz, double lowMHz, double highMHz);

// A length as a builder measures it, in the design's unit: "22.07 in",
// "56.06 cm".
std::string lengthText(double metres, Unit unit, const Separators& sep);

} // namespace discone::study
