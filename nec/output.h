// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading NEC-2's printed output: the input impedance at each frequency.
#pragma once

#include <complex>
#include <string>
#include <vector>

namespace discone::nec {

struct Impedance {
    double frequencyMHz = 0;
    std::complex<double> ohms; // all sources together: 1 V over their summed current
};

// The impedances in the order the engine computed them. Throws NecError if
// there are none, a table cannot be read, or the engine reported an error.
std::vector<Impedance> parseImpedances(const std::string& output);

} // namespace discone::nec
