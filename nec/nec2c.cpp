// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2c.h"

#include "deck.h"
#include "numbers.h"
#include "output.h"

#include <cmath>

namespace discone::nec {

JobResults Nec2c::run(const EngineJob& job, StopToken stop) const {
    return readJobOutput(job, program_.run(jobDeck(job), job.limits, stop));
}

JobResults readJobOutput(const EngineJob& job, const std::string& output) {
    JobResults results = parseOutput(output);
    const FrequencySteps& steps = job.frequencies;
    if (static_cast<int>(results.size()) != steps.count)
        throw NecError("nec2c computed " + std::to_string(results.size()) + " of " +
                       std::to_string(steps.count) + " frequencies of a run");
    double f = steps.startMHz;
    for (FrequencyResult& r : results) {
        if (!(std::abs(r.frequencyMHz - f) <= 1e-4 * f))
            throw NecError("nec2c computed " + number(r.frequencyMHz) + " MHz instead of " +
                           number(f) + " MHz");
        const std::size_t cuts = job.pattern.wanted() ? job.pattern.phiCount : 0;
        if (r.cuts.size() != cuts)
            throw NecError("nec2c computed " + std::to_string(r.cuts.size()) + " of " +
                           std::to_string(cuts) + " pattern cuts at " + number(f) + " MHz");
        r.frequencyMHz = f; // the frequency asked for, not its printed digits
        f *= steps.ratio;
    }
    return results;
}

} // namespace discone::nec
