// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Several decks run on the engine at once, one run per core: the sweep's
// sub-bands and the pattern's frequencies. The first failure stops the runs
// still going and is the one reported; so does the caller's stop.
#pragma once

#include "engine.h"

#include <functional>
#include "portable.h"
#include <string>
#include <vector>

namespace discone::nec {

struct EngineJob {
    std::string deck;
    RunLimits limits;
    int weight = 1; // its share of the progress, such as its frequencies
};

// Work done of all, by weight. Called as runs finish, from any thread, one
// call at a time.
using Progress = std::function<void(int done, int total)>;

// At most `atOnce` runs together (0: one per core), the last job first, as
// callers put the slowest last. Returns each job's output. Throws what the
// first failing run threw, or Cancelled once `stop` is requested.
std::vector<std::string> runJobs(const std::vector<EngineJob>& jobs, int atOnce,
                                 const Engine& engine, StopToken stop,
                                 const Progress& progress = {});

} // namespace discone::nec
