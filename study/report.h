// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction written out: the summary and the builder's notes as
// sentences for people, and the table other programs read.
#pragma once

#include "sweep.h"

#include <string>
#include <string_view>
#include <vector>

namespace discone::study {

using nec::Sweep;
using nec::SweepSummary;

// The summary as sentences for people, one per line, each starting with
// `prefix` (such as "measured "), numbers with the given separators.
std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep,
                                      std::string_view prefix = {});

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

} // namespace discone::study
