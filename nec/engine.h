// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The NEC-2 engine behind a typed interface: a wire model and its
// frequencies in, the input impedance and the radiation pattern's cuts at
// each frequency out, within a time limit and an output limit, and stopped
// at once when the caller asks. The desktop program runs Debian's nec2c as a
// program (nec2c.h); the web page runs nec2c compiled to WebAssembly; tests
// put a stand-in in their place that returns numbers, so that everything
// above (the sweep, its sub-bands, progress, cancellation and limits) is
// tested without any of them.
#pragma once

#include "model.h"
#include "portable.h"

#include <chrono>
#include <complex>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <vector>

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

// `count` frequencies from `startMHz`, each the one before times `ratio` (1
// for a single frequency).
struct FrequencySteps {
    double startMHz = 0;
    int count = 1;
    double ratio = 1;
};

// The radiation pattern asked for at each frequency: elevation cuts from
// theta 0 (the disc's side) to 180 degrees in steps of `thetaStepDeg`, at
// `phiCount` azimuths from phi 0 in steps of `phiStepDeg`. No pattern when
// the step is 0.
struct PatternRequest {
    double thetaStepDeg = 0;
    int phiCount = 1;
    double phiStepDeg = 0;
    bool wanted() const { return thetaStepDeg > 0; }
};

// One run of the engine.
struct EngineJob {
    Model model;
    FrequencySteps frequencies;
    PatternRequest pattern;
    RunLimits limits;
    int weight = 1; // its share of a list's progress, such as its frequencies
};

// One direction of a pattern: theta from the +z axis (the disc's side), in
// degrees, and the total power gain in dBi; -inf where there is none.
struct PatternSample {
    double thetaDeg = 0;
    double gainDbi = 0;
};

// The samples of one azimuth, theta rising.
struct PatternCut {
    double phiDeg = 0;
    std::vector<PatternSample> samples;
};

struct FrequencyResult {
    double frequencyMHz = 0;
    std::complex<double> ohms;    // all sources together: 1 V over their summed current
    std::vector<PatternCut> cuts; // as the job asked: phi rising; empty without a pattern
};

using JobResults = std::vector<FrequencyResult>;

// Work done of all, by weight. Called as runs finish, from any thread, one
// call at a time.
using Progress = std::function<void(int done, int total)>;

class Engine {
public:
    virtual ~Engine() = default;

    // The job's results, one per frequency in order. Throws NecError, or
    // Cancelled once `stop` is requested.
    virtual JobResults run(const EngineJob& job, StopToken stop) const = 0;

    // Every job's results. At most `atOnce` runs together (0: one per
    // core), the last job first, as callers put the slowest last. Throws
    // what the first failing run threw, or Cancelled once `stop` is
    // requested; the first failure stops the runs still going. An engine
    // that runs elsewhere (in the web page's workers) hands the whole list
    // on; this one runs `run` on threads of this process.
    virtual std::vector<JobResults> runAll(const std::vector<EngineJob>& jobs, int atOnce,
                                           StopToken stop, const Progress& progress) const;
};

} // namespace discone::nec
