// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The beam read from elevation cuts: patterns whose average gain, horizon
// gain and strongest lobe are known in closed form, patterns that vary
// around the axis as N rods make them, and a half-wave dipole in nec2c.
#include "beam.h"
#include "model.h"
#include "nec2cprogram.h"
#include "output.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

using namespace discone::nec;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

std::vector<PatternSample> cut(double step, const std::function<double(double)>& gain) {
    std::vector<PatternSample> samples;
    for (double theta = 0; theta <= 180 + 1e-9; theta += step) {
        const double g = gain(theta * kDegree);
        samples.push_back({theta, g > 0 ? 10 * std::log10(g) : -INFINITY});
    }
    return samples;
}

} // namespace

// An isotropic antenna has gain 1 everywhere; an ideal short dipole on the
// axis 1.5 sin^2 (1.76 dBi at the horizon); both radiate what they are fed.
// A lobe 20 degrees below the horizon is found between samples 15 degrees
// apart; a pattern that loses a fifth of the power averages 0.8, and put
// right it gains 0.97 dB.
TEST(Beam, ClosedFormPatterns) {
    struct Case {
        const char* name;
        double step;
        std::function<double(double)> gain;
        double average, horizon, peak, elevation;
    };
    const auto lobe = [](double t) { return 2 * std::pow(std::cos(t - 110 * kDegree), 2); };
    const Case cases[] = {
        {"isotropic", 10, [](double) { return 1.0; }, 1, 0, 0, 90},
        {"short dipole", 10, [](double t) { return 1.5 * std::pow(std::sin(t), 2); }, 1,
         10 * std::log10(1.5), 10 * std::log10(1.5), 0},
        // Half the integral of 2 cos^2(theta - a) sin(theta): 1 - cos(2a) / 3.
        {"tilted lobe", 15, lobe, 1 - std::cos(220 * kDegree) / 3,
         10 * std::log10(lobe(90 * kDegree)), 10 * std::log10(2), -20},
        {"lossy", 5, [](double t) { return 1.2 * std::pow(std::sin(t), 2); }, 0.8,
         10 * std::log10(1.2), 10 * std::log10(1.2), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Beam beam = beamOf(cut(c.step, c.gain));
        EXPECT_NEAR(beam.averageGain, c.average, 2e-3);
        EXPECT_NEAR(beam.horizonDbi, c.horizon, 0.01);
        EXPECT_NEAR(beam.peakDbi, c.peak, 0.1);
        if (c.elevation != 90) { // an isotropic pattern has no direction
            EXPECT_NEAR(beam.peakElevationDeg, c.elevation, 1.5);
        }
    }
    const Beam right = corrected(beamOf(cut(5, cases[3].gain)));
    EXPECT_NEAR(right.horizonDbi, 10 * std::log10(1.5), 0.01);
    EXPECT_NEAR(right.peakDbi, 10 * std::log10(1.5), 0.01);
}

// Patterns of N rods, G(theta, phi) = g(theta) (1 + a cos(N phi) + b
// cos(2 N phi)), average over the sphere what g alone does, whatever a and
// b: the cuts over one sector find it, where one cut through a rod is out
// by the factor 1 + a + b. The beam is that cut's.
TEST(Beam, SectorCutsAverageTheSphere) {
    struct Case {
        int radials;
        double a, b, kr; // harmonics; k R, which sets how many cuts are asked
    };
    const Case cases[] = {
        {4, 0.8, 0.1, 4.3}, {3, -0.5, 0.4, 9}, {16, 0.02, 0, 8.7}, {8, 0.5, 0.3, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radials);
        const double mhz = c.kr / (2 * std::numbers::pi) * 299.792458; // R = 1 m
        const PatternRequest asked = sphereCuts(c.radials, 1, mhz);
        std::vector<PatternCut> cuts;
        for (int k = 0; k < asked.phiCount; ++k) {
            const double phi = k * asked.phiStepDeg * kDegree;
            const double ripple =
                1 + c.a * std::cos(c.radials * phi) + c.b * std::cos(2 * c.radials * phi);
            cuts.push_back({k * asked.phiStepDeg, cut(asked.thetaStepDeg, [&](double t) {
                                return 1.5 * std::pow(std::sin(t), 2) * ripple;
                            })});
        }
        if (c.a > 0.1) {
            EXPECT_GE(asked.phiCount, 3); // the two harmonics need two intervals
        }
        const Beam beam = beamOf(cuts, c.radials);
        EXPECT_NEAR(beam.averageGain, c.a > 0.1 || c.b != 0 ? 1 : 1 + c.a, 2e-3);
        EXPECT_NEAR(beam.horizonDbi, 10 * std::log10(1.5 * (1 + c.a + c.b)), 0.01);
    }
}

// A thin half-wave dipole along the axis: 2.15 dBi broadside, at the
// horizon, a null along its axis, and an average gain close to 1.
TEST(Beam, HalfWaveDipoleInNec2c) {
    const char* deck = "CM half-wave dipole\nCE\nGW 1 21 0 0 -0.25 0 0 0.25 0.0005\nGE 0\n"
                       "PT -1 0 0 0\nEX 0 1 11 0 1 0\nFR 0 1 0 0 290 1\nRP 0 19 1 1000 0 0 10 0\n"
                       "XQ\nEN\n";
    const auto results = parseOutput(Nec2cProgram().run(deck, {}, {}));
    ASSERT_EQ(results.size(), 1u);
    ASSERT_EQ(results[0].cuts.at(0).samples.size(), 19u);
    EXPECT_TRUE(std::isinf(results[0].cuts.at(0).samples.front().gainDbi));
    const Beam beam = beamOf(results[0].cuts.at(0).samples);
    EXPECT_NEAR(beam.horizonDbi, 2.15, 0.05);
    EXPECT_NEAR(beam.peakElevationDeg, 0, 0.5);
    EXPECT_NEAR(beam.averageGain, 1, 0.03);
}
