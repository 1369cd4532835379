// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pattern.h"

#include "numbers.h"
#include "sweep.h"

#include <cmath>

namespace discone::nec {

std::vector<double> patternFrequencies(double designMHz) {
    return {designMHz, 2 * designMHz, 3 * designMHz, 5 * designMHz, 10 * designMHz};
}

std::vector<ElevationCut> elevationCuts(const DisconeDimensions& dims, const ModelOptions& options,
                                        const std::vector<double>& frequenciesMHz,
                                        const Engine& engine, StopToken stop, int atOnce) {
    std::vector<EngineJob> jobs;
    const PatternRequest pattern{kDrawnPatternStepDeg, 1, 0};
    for (double mhz : frequenciesMHz) {
        EngineJob job{buildModel(dims, options, mhz), {mhz, 1, 1}, pattern, {}, 1};
        job.limits = limitsFor(job.model, 1, pattern);
        jobs.push_back(std::move(job));
    }
    const auto results = engine.runAll(jobs, atOnce, stop, {});
    std::vector<ElevationCut> cuts;
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (results[i].size() != 1 || results[i][0].cuts.empty())
            throw NecError("the engine computed no pattern at " + number(frequenciesMHz[i]) +
                           " MHz");
        const std::vector<PatternSample>& samples = results[i][0].cuts.front().samples;
        ElevationCut cut{frequenciesMHz[i], samples, beamOf(samples)};
        const double shift = -10 * std::log10(cut.beam.averageGain);
        for (PatternSample& s : cut.samples)
            s.gainDbi += shift;
        cut.beam = corrected(cut.beam);
        cuts.push_back(std::move(cut));
    }
    return cuts;
}

} // namespace discone::nec
