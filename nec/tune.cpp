// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tune.h"

#include "numbers.h"
#include "sweep.h"

#include <cmath>
#include <optional>

namespace discone::nec {

namespace {

constexpr double kSearchSpan = 3;   // the first sweep looks this far above the target
constexpr int kSearchPoints = 41;   // 2.8 % apart: a band of 1.32 to 1.41 f is not missed
constexpr double kCloseSpan = 1.08; // the short sweeps end this far above the target
constexpr int kClosePoints = 25;
constexpr double kGoodEnough = 0.003; // of the target; the promise is 1 %
constexpr int kMostSweeps = 8;

// Where the SWR first drops below 2.
std::optional<double> firstCrossing(const Sweep& sweep) {
    return summarize(sweep).firstBelowMHz;
}

float rounded(double mhz) {
    const double unit = std::pow(10.0, std::floor(std::log10(mhz)) - 4);
    return static_cast<float>(std::round(mhz / unit) * unit);
}

} // namespace

Tuning tune(double targetMHz, const ModelOptions& options, const Engine& engine, StopToken stop,
            const Progress& progress) {
    Tuning t;
    t.targetMHz = targetMHz;
    const auto sweep = [&](float design, double highest, int points) {
        SweepOptions o;
        o.model = options;
        o.highestMHz = highest;
        o.points = points;
        ++t.sweeps;
        if (progress)
            progress(t.sweeps, t.sweeps + 2);
        return runSweep(calculateDimensions(design), o, engine, stop);
    };

    const float first = static_cast<float>(targetMHz);
    const auto found = firstCrossing(sweep(first, kSearchSpan * first, kSearchPoints));
    if (!found)
        throw NeverBelow("with " + std::to_string(options.radials) + " wires of " +
                         number(options.wireDiameterMm, 6) +
                         " mm the SWR never drops below 2 up to three times the design "
                         "frequency: use more or thicker wires");
    // The same antenna scaled down by the ratio it missed by.
    float design = rounded(targetMHz * targetMHz / *found);
    for (;;) {
        const auto crossing = firstCrossing(sweep(design, kCloseSpan * targetMHz, kClosePoints));
        if (!crossing)
            throw NeverBelow("with " + std::to_string(options.radials) + " wires of " +
                             number(options.wireDiameterMm, 6) +
                             " mm the SWR does not drop below 2 near " + number(targetMHz, 6) +
                             " MHz for any design: use more or thicker wires");
        if (std::abs(*crossing / targetMHz - 1) <= kGoodEnough || t.sweeps >= kMostSweeps)
            break;
        design = rounded(design * targetMHz / *crossing);
    }

    // The whole sweep of the tuned design: where it drops below 2, and how
    // far up it stays there.
    t.designMHz = design;
    SweepOptions whole;
    whole.model = options;
    ++t.sweeps;
    const Sweep check = runSweep(calculateDimensions(design), whole, engine, stop);
    const SweepSummary summary = summarize(check);
    t.firstBelowMHz = summary.firstBelowMHz.value_or(0);
    t.staysBelowUpToMHz = summary.staysBelowUpToMHz.value_or(0);
    if (progress)
        progress(t.sweeps, t.sweeps);
    return t;
}

} // namespace discone::nec
