// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's nec2c as the desktop program's NEC-2 engine: each job written as
// a card deck, run by the nec2c program (nec2cprogram.h), and its printed
// output read back (output.h), checked against what the job asked for.
#pragma once

#include "engine.h"
#include "nec2cprogram.h"

#include <string>

namespace discone::nec {

class Nec2c : public Engine {
public:
    // `program` is looked for on PATH unless it names a file with a slash.
    explicit Nec2c(std::string program = "nec2c") : program_(std::move(program)) {}

    JobResults run(const EngineJob& job, StopToken stop) const override;

private:
    Nec2cProgram program_;
};

// The results of `output` as the answer to `job`: its frequencies in order
// (nec2c prints five digits of each) and, where it asked for a pattern, its
// cuts. Throws NecError for anything else. For every engine that reads
// nec2c's printed output.
JobResults readJobOutput(const EngineJob& job, const std::string& output);

} // namespace discone::nec
