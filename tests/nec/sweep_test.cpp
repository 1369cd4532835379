// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep's machinery: the summary and table, and, with a stand-in
// engine, its sub-bands, progress, failures, the average gain test, the
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

// SWR worked by hand: 150 ohms is 3, 75 ohms 1.5, 50 ohms 1, 110 ohms 2.2,
// 25 ohms 2. SWR 2 is passed two thirds of the way from 100 to 200 MHz on a
// logarithmic scale, at 100 * 2^(2/3) MHz, and five sixths of the way from
// 300 to 400 MHz, at 300 * (4/3)^(5/6). The table is for other programs: a
// point in every locale.
TEST(Sweep, SummaryAndTableOfAHandMadeSweep) {
    Sweep sweep;
    sweep.designMHz = 100;
    const double ohms[] = {150, 75, 50, 110, 75, 25};
    for (int i = 0; i < 6; ++i)
        sweep.points.push_back({100.0 * (i + 1), ohms[i], swr(ohms[i])});
    EXPECT_DOUBLE_EQ(sweep.points[0].swr, 3);
    EXPECT_DOUBLE_EQ(sweep.points[5].swr, 2);
    const SweepSummary s = summarize(sweep);
    EXPECT_NEAR(*s.firstBelowMHz, 100 * std::pow(2.0, 2.0 / 3), 1e-9);
    EXPECT_NEAR(*s.staysBelowUpToMHz, 300 * std::pow(4.0 / 3, 5.0 / 6), 1e-9);
    EXPECT_DOUBLE_EQ(s.lowestSwr, 1);
    EXPECT_EQ(s.lowestSwrMHz, 300);
    EXPECT_EQ(summaryLines(s, {",", "."}, "measured ")[0],
              "measured SWR first below 2 at 158,740 MHz");

    EXPECT_EQ(sweepTable(sweep), "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\n"
                                 "100.000\t150.00\t0.00\t3.000\n"
                                 "200.000\t75.00\t0.00\t1.500\n"
                                 "300.000\t50.00\t0.00\t1.000\n"
                                 "400.000\t110.00\t0.00\t2.200\n"
                                 "500.000\t75.00\t0.00\t1.500\n"
                                 "600.000\t25.00\t0.00\t2.000\n"
                                 "# SWR first below 2 at 158.740 MHz\n"
                                 "# SWR stays below 2 up to 381.274 MHz\n"
                                 "# lowest SWR 1.000 at 300.000 MHz\n");

    Sweep never = sweep;
    for (SweepPoint& p : never.points)
        p.swr = 2.5;
    EXPECT_FALSE(summarize(never).firstBelowMHz);

    // With a pattern, three more columns and the average gain test.
    sweep.points.resize(2);
    sweep.points[0].beam = Beam{0.8, 1.25, 2.5, -12.34};
    sweep.points[1].beam = Beam{0.9, -3, 4, -45};
    const std::string table = sweepTable(sweep);
    EXPECT_NE(table.find("\tswr\thorizon_gain_dbi\tpeak_gain_dbi\tpeak_elevation_deg\n"
                         "100.000\t150.00\t0.00\t3.000\t1.25\t2.50\t-12.3\n"),
              std::string::npos)
        << table;
    EXPECT_TRUE(table.starts_with("# impedance: NEC-2's times the model's average gain"));
    EXPECT_TRUE(table.ends_with("# average gain test 0.800 to 0.900\n")) << table;
}

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
