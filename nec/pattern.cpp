// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pattern.h"

#include "numbers.h"
#include "sweep.h"

#include <algorithm>
#include <cmath>

namespace discone::nec {

std::vector<double> patternFrequencies(double designMHz) {
    return {designMHz, 2 * designMHz, 3 * designMHz, 5 * designMHz, 10 * designMHz};
}

std::vector<ElevationCut> elevationCuts(const DisconeDimensions& dims, const ModelOptions& options,
                                        const std::vector<double>& frequenciesMHz,
                                        const Engine& engine, StopToken stop, int atOnce) {
    std::vector<EngineJob> jobs;
    for (double mhz : frequenciesMHz) {
        EngineJob job{buildModel(dims, options, mhz), {mhz, 1, 1}, {}, {}, 1};
        // The drawn cut at phi 0, and the others the average gain needs.
        PatternRequest cuts = sphereCuts(job.model.radials, job.model.skirtRadius, mhz);
        cuts.thetaStepDeg = std::min(cuts.thetaStepDeg, kDrawnPatternStepDeg);
        job.pattern = cuts;
        job.limits = limitsFor(job.model, 1, cuts);
        jobs.push_back(std::move(job));
    }
    const auto results = engine.runAll(jobs, atOnce, stop, {});
    std::vector<ElevationCut> cuts;
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (results[i].size() != 1 ||
            static_cast<int>(results[i][0].cuts.size()) != jobs[i].pattern.phiCount)
            throw NecError("the engine computed no pattern at " + number(frequenciesMHz[i]) +
                           " MHz");
        const Beam beam = beamOf(results[i][0].cuts, options.radials);
        ElevationCut cut{frequenciesMHz[i], results[i][0].cuts.front().samples, corrected(beam)};
        const double shift = -10 * std::log10(beam.averageGain);
        for (PatternSample& s : cut.samples)
            s.gainDbi += shift;
        cuts.push_back(std::move(cut));
    }
    return cuts;
}

} // namespace discone::nec
