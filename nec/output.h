// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading NEC-2's printed output: the input impedance at each frequency,
// and the radiation pattern where the deck asked for one.
#pragma once

#include <complex>
#include <string>
#include <vector>

namespace discone::nec {

// One direction of a pattern: theta from the +z axis (the disc's side), in
// degrees, and the total power gain in dBi; -inf where NEC-2 prints none.
struct PatternSample {
    double thetaDeg = 0;
    double gainDbi = 0;
};

struct FrequencyResult {
    double frequencyMHz = 0;
    std::complex<double> ohms;          // all sources together: 1 V over their summed current
    std::vector<PatternSample> pattern; // empty when the deck has no RP card
};

// The results in the order the engine computed them. Throws NecError if
// there are none, a table cannot be read, or the engine reported an error.
std::vector<FrequencyResult> parseOutput(const std::string& output);

} // namespace discone::nec
