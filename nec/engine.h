// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The NEC-2 engine behind an interface: a card deck in, the engine's output
// text out, within a time limit and an output limit, and stopped at once when
// the caller asks. The program runs Debian's nec2c (nec2c.h); tests and the
// fuzz target put a stand-in in its place, so that everything above it (the
// sweep, its sub-bands, progress, cancellation and limits) is tested without
// running nec2c.
#pragma once

#include <chrono>
#include <cstddef>
#include <stdexcept>
#include "portable.h"
#include <string>

namespace discone::nec {

// The engine is missing, failed, broke a limit or wrote what cannot be read;
// the message is one line naming what went wrong.
class NecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The caller asked the run to stop; nothing of it is left behind.
class Cancelled : public std::runtime_error {
public:
    Cancelled() : std::runtime_error("the model run was cancelled") {}
};

struct RunLimits {
    std::chrono::milliseconds time{60'000}; // the longest a run may take
    std::size_t outputBytes = 64u << 20;    // the most output it may write
};

class Engine {
public:
    virtual ~Engine() = default;

    // Runs `deck` and returns the engine's whole output. Throws NecError, or
    // Cancelled once `stop` is requested.
    virtual std::string run(const std::string& deck, const RunLimits& limits,
                            StopToken stop) const = 0;
};

} // namespace discone::nec
