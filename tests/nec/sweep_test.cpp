// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep's machinery, with a stand-in engine: its decks, progress,
// failures, the average gain test, the stop, the sweep's own limits, and the
// tuning's search. Its physics is in physics_test.cpp.
#include "design.h"
#include "fake_engine.h"
#include "sweep.h"
#include "tune.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <sstream>

using namespace discone::nec;
using discone::test::FakeEngine;

// The sweep's machinery with a stand-in engine whose impedance is known at
// every frequency: the decks come back in order, each point where it
// belongs, with progress (in milliseconds of estimated work) rising to the
// total from whichever thread, the first report after at most a tenth of
// the work or half a second of it, also for a sweep of heavy models (32
// rods whose feed needs the pin).
TEST(Sweep, SubBandsMergeInOrderWithProgress) {
    FakeEngine engine;
    engine.ohms = [](double mhz) { return std::complex<double>(mhz / 2, -mhz / 10); };
    struct Case {
        int points, radials;
        double diameterMm;
    };
    for (const Case& c : {Case{2, 16, 2}, Case{25, 16, 2}, Case{101, 16, 2}, Case{1000, 16, 2},
                          Case{101, 32, 0.3}}) {
        SCOPED_TRACE(std::to_string(c.points) + " points, " + std::to_string(c.radials) + " x " +
                     std::to_string(c.diameterMm));
        SweepOptions options;
        options.points = c.points;
        options.model = {c.radials, c.diameterMm};
        options.highestMHz = c.radials == 32 ? 300 : 0;
        options.jobs = 3;
        std::vector<std::pair<int, int>> seen;
        const Sweep sweep = runSweep(discone::test::design(146), options, engine, {},
                                     [&](int done, int total) { seen.emplace_back(done, total); });
        ASSERT_EQ(sweep.points.size(), static_cast<std::size_t>(c.points));
        for (const SweepPoint& p : sweep.points) {
            EXPECT_NEAR(p.impedance.real(), p.frequencyMHz / 2, 1e-3 * p.frequencyMHz);
            EXPECT_NEAR(p.impedance.imag(), -p.frequencyMHz / 10, 1e-3 * p.frequencyMHz);
        }
        EXPECT_TRUE(std::is_sorted(sweep.points.begin(), sweep.points.end(),
                                   [](const SweepPoint& a, const SweepPoint& b) {
                                       return a.frequencyMHz < b.frequencyMHz;
                                   }));
        EXPECT_DOUBLE_EQ(sweep.points.front().frequencyMHz, 146);
        EXPECT_DOUBLE_EQ(sweep.points.back().frequencyMHz, c.radials == 32 ? 300 : 1460);
        ASSERT_FALSE(seen.empty());
        for (std::size_t i = 1; i < seen.size(); ++i) {
            EXPECT_GT(seen[i].first, seen[i - 1].first);
            EXPECT_EQ(seen[i].second, seen[0].second);
        }
        EXPECT_EQ(seen.back().first, seen.back().second);
        if (c.points >= 101) {
            EXPECT_LE(seen.front().first, std::max(seen.front().second / 10, 500));
        }
    }
}

// What a sweep cannot run is refused before the engine runs: a highest
// frequency at or below the design frequency, too few or too many points.
TEST(Sweep, RefusesWhatCannotBeSwept) {
    struct Case {
        double highestMHz;
        int points;
        const char* message;
    };
    const Case cases[] = {
        {146, 101, "the sweep's highest frequency must be above the design frequency 146 MHz"},
        {100, 101, "the sweep's highest frequency must be above the design frequency 146 MHz"},
        {0, 1, "a sweep has from 2 to 1000 points"},
        {0, 1001, "a sweep has from 2 to 1000 points"},
    };
    FakeEngine engine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        SweepOptions options;
        options.highestMHz = c.highestMHz;
        options.points = c.points;
        try {
            runSweep(discone::test::design(146), options, engine);
            ADD_FAILURE() << "swept";
        } catch (const ModelError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(engine.runs, 0);
    }
}

// A failing deck stops the sweep with its own error, and a stop asked by the
// caller ends the decks that would run for ever, promptly.
TEST(Sweep, FailureOrStopEndsEveryBand) {
    SweepOptions options; // ten decks
    options.jobs = 2;
    const auto dims = discone::test::design(146);
    const FakeEngine failing(FakeEngine::Behaviour::Fail);
    EXPECT_THROW(runSweep(dims, options, failing), NecError);
    EXPECT_LE(failing.runs, 2);

    const FakeEngine hanging(FakeEngine::Behaviour::Hang);
    discone::StopSource stop;
    auto sweep = std::async(std::launch::async,
                            [&] { return runSweep(dims, options, hanging, stop.get_token()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stop.request_stop();
    ASSERT_EQ(sweep.wait_for(std::chrono::seconds(2)), std::future_status::ready);
    EXPECT_THROW(sweep.get(), Cancelled);
    EXPECT_EQ(hanging.runs, 2);
}

// A model whose pattern radiates a twentieth of what it is fed fails the
// average gain test instead of being put right; wires that never bring the SWR
// below 2 cannot be tuned, and say so in one line.
TEST(Sweep, BrokenModelsAndHopelessWiresAreTold) {
    const auto dims = discone::test::design(146);
    FakeEngine lossy;
    lossy.gainDbi = [](double, double) { return -13.0; };
    SweepOptions options;
    options.points = 5;
    try {
        runSweep(dims, options, lossy);
        ADD_FAILURE() << "no error";
    } catch (const NecError& e) {
        EXPECT_NE(std::string(e.what()).find("average gain test at 146 MHz (0.0501,"),
                  std::string::npos)
            << e.what();
    }

    FakeEngine mismatched; // SWR 4 everywhere
    mismatched.ohms = [](double) { return 200.0; };
    try {
        tune(146, {4, 0.5}, mismatched);
        ADD_FAILURE() << "tuned";
    } catch (const NeverBelow& e) {
        EXPECT_EQ(std::string(e.what()), "with 4 wires of 0.5 mm the SWR never drops below 2 up "
                                         "to three times the design frequency: use more or "
                                         "thicker wires");
    }
}
