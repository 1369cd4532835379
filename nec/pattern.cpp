// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pattern.h"

#include "deck.h"
#include "numbers.h"
#include "output.h"
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
    for (double mhz : frequenciesMHz) {
        const Model model = buildModel(dims, options, mhz);
        jobs.push_back({deck(model, {"discone elevation pattern"}, {mhz, 1, 1}, DeckUse::Internal,
                             kDrawnPatternStepDeg),
                        limitsFor(model, 1, patternSamples(kDrawnPatternStepDeg)), 1});
    }
    const auto outputs = runJobs(jobs, atOnce, engine, stop);
    std::vector<ElevationCut> cuts;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const auto results = parseOutput(outputs[i]);
        if (results.size() != 1 || results[0].pattern.empty())
            throw NecError("nec2c computed no pattern at " + number(frequenciesMHz[i]) + " MHz");
        ElevationCut cut{frequenciesMHz[i], results[0].pattern, beamOf(results[0].pattern)};
        const double shift = -10 * std::log10(cut.beam.averageGain);
        for (PatternSample& s : cut.samples)
            s.gainDbi += shift;
        cut.beam = corrected(cut.beam);
        cuts.push_back(std::move(cut));
    }
    return cuts;
}

} // namespace discone::nec
