// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tune.h"

#include "numbers.h"
#include "sweep.h"

#include <cmath>
#include <optional>

namespace discone::nec {

namespace {

constexpr double kSearchSpan = 3;     // the first sweep looks this far above the target
constexpr int kSearchPoints = 41;     // 2.8 % apart: a band of 1.32 to 1.41 f is not missed
constexpr double kCloseSpan = 1.08;   // the short sweeps end this far above the target
constexpr double kCloseStep = 1.0085; // between the short sweeps' points, at most
// The crossing is to lie within kWindow below the target; the tuning aims at
// the middle and accepts a little inside either end, so that any sweep of
// the design finds it there.
constexpr double kWindow = 0.005;
constexpr double kAim = 1 - kWindow / 2;
constexpr double kMargin = 0.001;
constexpr int kMostSweeps = 8;

float rounded(double mhz) {
    const double unit = std::pow(10.0, std::floor(std::log10(mhz)) - 4);
    return static_cast<float>(std::round(mhz / unit) * unit);
}

// The next design on the grid of five significant digits, up or down.
float nextTo(float design, double direction) {
    const double unit = std::pow(10.0, std::floor(std::log10(design)) - 4);
    return rounded(design + (direction > 0 ? unit : -unit));
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
    const auto never = [&](const std::string& where) {
        return NeverBelow("with " + std::to_string(options.radials) + " wires of " +
                          number(options.wireDiameterMm, 6) + " mm the SWR " + where +
                          ": use more or thicker wires");
    };

    const float first = static_cast<float>(targetMHz);
    const auto found = summarize(sweep(first, kSearchSpan * first, kSearchPoints)).firstBelowMHz;
    if (!found)
        throw never("never drops below 2 up to three times the design frequency");
    // The same antenna scaled down by the ratio it missed by.
    float design = rounded(targetMHz * targetMHz * kAim / *found);
    double crossing = 0;
    for (;;) {
        // From the design to a little above the target, the target itself
        // one of the points.
        const double lowest = design;
        const int toTarget = std::max(
            1, static_cast<int>(std::ceil(std::log(targetMHz / lowest) / std::log(kCloseStep))));
        const double step = std::pow(targetMHz / lowest, 1.0 / toTarget);
        const int beyond = static_cast<int>(std::ceil(std::log(kCloseSpan) / std::log(step)));
        const Sweep close =
            sweep(design, targetMHz * std::pow(step, beyond), toTarget + beyond + 1);
        const auto below = summarize(close).firstBelowMHz;
        if (!below)
            throw never("does not drop below 2 near " + number(targetMHz, 6) +
                        " MHz for any design");
        crossing = *below;
        const bool atTarget = close.points[static_cast<std::size_t>(toTarget)].swr < kGoodSwr;
        const double ratio = crossing / targetMHz;
        if ((atTarget && ratio >= 1 - kWindow + kMargin && ratio <= 1 - kMargin) ||
            t.sweeps >= kMostSweeps)
            break;
        const float next = rounded(design * targetMHz * kAim / crossing);
        design = next != design ? next : nextTo(design, kAim - ratio);
    }

    // The whole sweep of the tuned design: how far up it stays below 2.
    t.designMHz = design;
    t.firstBelowMHz = crossing;
    SweepOptions whole;
    whole.model = options;
    ++t.sweeps;
    const SweepSummary summary =
        summarize(runSweep(calculateDimensions(design), whole, engine, stop));
    t.staysBelowUpToMHz = summary.staysBelowUpToMHz.value_or(0);
    if (progress)
        progress(t.sweeps, t.sweeps);
    return t;
}

} // namespace discone::nec
