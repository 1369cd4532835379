// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam.h"

#include "engine.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace discone::nec {

namespace {

double linear(double dbi) {
    return std::isinf(dbi) ? 0 : std::pow(10.0, dbi / 10);
}

} // namespace

Beam beamOf(const std::vector<PatternSample>& cut) {
    const std::size_t n = cut.size();
    if (n < 3 || cut.front().thetaDeg != 0 || cut.back().thetaDeg != 180)
        throw NecError("the radiation pattern does not run from theta 0 to 180 degrees");
    const double step = 180.0 / static_cast<double>(n - 1);
    for (std::size_t i = 0; i < n; ++i)
        if (std::abs(cut[i].thetaDeg - step * static_cast<double>(i)) > 1e-6)
            throw NecError("the radiation pattern's angles are not evenly spaced");

    // Half the integral of G(theta) sin(theta) over 0 to pi: the whole sphere
    // of a round pattern. Simpson's rule where the steps pair up.
    const double h = step * std::numbers::pi / 180;
    const auto weighted = [&](std::size_t i) {
        return linear(cut[i].gainDbi) * std::sin(cut[i].thetaDeg * std::numbers::pi / 180);
    };
    double integral = 0;
    if ((n - 1) % 2 == 0) {
        for (std::size_t i = 0; i < n; ++i)
            integral += weighted(i) * (i == 0 || i == n - 1 ? 1 : i % 2 ? 4 : 2);
        integral *= h / 3;
    } else {
        for (std::size_t i = 0; i < n; ++i)
            integral += weighted(i) * (i == 0 || i == n - 1 ? 0.5 : 1);
        integral *= h;
    }

    Beam beam;
    beam.averageGain = integral / 2;
    // The horizon, between samples where the step does not divide 90.
    const double at = 90 / step;
    const auto below = static_cast<std::size_t>(std::floor(at));
    const double t = at - static_cast<double>(below);
    beam.horizonDbi =
        t == 0 ? cut[below].gainDbi : (1 - t) * cut[below].gainDbi + t * cut[below + 1].gainDbi;

    // The strongest sample, and the top of the parabola through it and its
    // neighbours in dB, which finds the lobe between the samples.
    std::size_t top = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (cut[i].gainDbi > cut[top].gainDbi)
            top = i;
    beam.peakDbi = cut[top].gainDbi;
    double theta = cut[top].thetaDeg;
    if (top > 0 && top + 1 < n && std::isfinite(cut[top - 1].gainDbi) &&
        std::isfinite(cut[top + 1].gainDbi)) {
        const double a = cut[top - 1].gainDbi, b = cut[top].gainDbi, c = cut[top + 1].gainDbi;
        const double curvature = a - 2 * b + c;
        if (curvature < 0) {
            const double offset = std::clamp(0.5 * (a - c) / curvature, -0.5, 0.5);
            beam.peakDbi = b - 0.25 * (a - c) * offset;
            theta += offset * step;
        }
    }
    beam.peakElevationDeg = 90 - theta;
    return beam;
}

PatternRequest sphereCuts(int radials, double outerRadius, double mhz) {
    // A ring of radius R radiates azimuthal harmonics of the field up to
    // about k R (Bessel functions of higher order vanish), in multiples of N
    // by the symmetry; the power pattern's harmonics of order below 2 M N
    // average out over M intervals of the trapezoid rule, and one cut is
    // enough where even the field's first harmonic, of order N, vanishes. The
    // theta step keeps a few samples across the narrowest lobe, of about
    // 1 / k R.
    const double kr = 2 * std::numbers::pi * mhz / kLightMetresMHz * outerRadius;
    const double order = kr + 2 * std::cbrt(kr) + 2;
    const int intervals = radials > order ? 0 : static_cast<int>(std::floor(order / radials)) + 1;
    double step = 5;
    for (double finer : {3.0, 2.5, 2.0, 1.5, 1.0, 0.5})
        if (step * std::numbers::pi / 180 * kr > 0.9)
            step = finer;
    return {step, intervals + 1, intervals > 0 ? 180.0 / radials / intervals : 0};
}

Beam beamOf(const std::vector<PatternCut>& cuts, int radials) {
    const auto n = static_cast<int>(cuts.size());
    if (n < 1 || radials < 1 || std::abs(cuts.front().phiDeg) > 0.01 ||
        (n > 1 && std::abs(cuts.back().phiDeg - 180.0 / radials) > 0.01))
        throw NecError("the radiation pattern does not run from phi 0 to " +
                       number(180.0 / radials, 4) + " degrees");
    // The trapezoid rule over phi, exact for the harmonics of a mirrored
    // periodic pattern below twice the cuts' intervals.
    if (n == 1)
        return beamOf(cuts.front().samples);
    double sum = 0;
    for (int i = 0; i < n; ++i)
        sum += beamOf(cuts[i].samples).averageGain * (i == 0 || i == n - 1 ? 0.5 : 1);
    Beam beam = beamOf(cuts.front().samples);
    beam.averageGain = sum / (n - 1);
    return beam;
}

Beam corrected(const Beam& beam) {
    Beam out = beam;
    const double shift = -10 * std::log10(beam.averageGain);
    out.horizonDbi += shift;
    out.peakDbi += shift;
    return out;
}

} // namespace discone::nec
