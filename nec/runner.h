// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Running nec2c: the deck goes into a private temporary folder, nec2c runs
// there as a program found on PATH (no shell), and the input impedance at
// each frequency is read back from its output file. The folder is removed
// afterwards, whatever happens.
#pragma once

#include <complex>
#include <stdexcept>
#include <string>
#include <vector>

namespace discone::nec {

// nec2c missing, failing or writing what cannot be read; the message is one
// line naming what went wrong.
class NecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Impedance {
    double frequencyMHz = 0;
    std::complex<double> ohms; // all sources together: 1 V over their summed current
};

struct NecResult {
    std::vector<Impedance> impedances; // in the order nec2c computed them
    std::string output;                // nec2c's whole output file
};

// Throws NecError; a missing nec2c gives a message that says to install the
// nec2c package.
NecResult runNec(const std::string& deck);

// The impedances in nec2c's output text; throws NecError if there are none or
// nec2c reported an error.
std::vector<Impedance> parseImpedances(const std::string& output);

} // namespace discone::nec
