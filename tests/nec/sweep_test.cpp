// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep's machinery, with a stand-in engine: its sub-bands, progress, failures, the average gain test, the
// stop, and the tuning's search. Its physics is in physics_test.cpp.
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
// every frequency: the sub-bands come back in order, each point where it
// belongs, with progress rising to the total from whichever thread.
TEST(Sweep, SubBandsMergeInOrderWithProgress) {
    FakeEngine engine;
    engine.ohms = [](double mhz) { return std::complex<double>(mhz / 2, -mhz / 10); };
    for (int bands : {1, 3, 8}) {
        SCOPED_TRACE(bands);
        SweepOptions options;
        options.points = 25;
        options.bands = bands;
        options.jobs = 3;
        std::vector<int> seen;
        const Sweep sweep =
            runSweep(discone::test::design(146), options, engine, {}, [&](int done, int total) {
                EXPECT_EQ(total, 25);
                seen.push_back(done);
            });
        ASSERT_EQ(sweep.points.size(), 25u);
        for (const SweepPoint& p : sweep.points) {
            EXPECT_NEAR(p.impedance.real(), p.frequencyMHz / 2, 1e-3 * p.frequencyMHz);
            EXPECT_NEAR(p.impedance.imag(), -p.frequencyMHz / 10, 1e-3 * p.frequencyMHz);
        }
        EXPECT_DOUBLE_EQ(sweep.points.front().frequencyMHz, 146);
        EXPECT_DOUBLE_EQ(sweep.points.back().frequencyMHz, 1460);
        ASSERT_EQ(seen.size(), static_cast<std::size_t>(bands));
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_EQ(seen.back(), 25);
    }
}

// A failing band stops the sweep with its own error, and a stop asked by the
// caller ends the bands that would run for ever, promptly.
TEST(Sweep, FailureOrStopEndsEveryBand) {
    SweepOptions options;
    options.bands = 8;
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
