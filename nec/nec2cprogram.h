// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's nec2c run as a program, a deck's text in and its printed output
// out. nec2c has no library, so it runs as a program: found on PATH, started without a shell, in a
// process group of its own (a Ctrl-C at the terminal reaches only this program, which then stops
// nec2c itself). It reads the deck from a pipe and writes its output into another, so nothing is
// written to disk and nothing can be left behind; the output is read with a bound, the run with a
// time limit, and a run that breaks either, or whose caller asks it to stop, is killed with
// everything it started.
#pragma once

#include "engine.h"
#include "portable.h"

#include <string>

namespace discone::nec {

class Nec2cProgram {
public:
    // `program` is looked for on PATH unless it names a file with a slash.
    explicit Nec2cProgram(std::string program = "nec2c") : program_(std::move(program)) {}

    // nec2c's whole output for `deck`. Throws NecError (a missing nec2c gives
    // a message that says to install the nec2c package), or Cancelled once
    // `stop` is requested.
    std::string run(const std::string& deck, const RunLimits& limits, StopToken stop) const;

private:
    std::string program_;
};

} // namespace discone::nec
