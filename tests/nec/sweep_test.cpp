// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR sweep: the fast model against the plain one and against the deck
// users open, scaling, an independent model's figures, the summary and table,
// and, with a stand-in engine, its sub-bands, progress, failures and stop.
#include "deck.h"
#include "design.h"
#include "fake_engine.h"
#include "nec2c.h"
#include "output.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <sstream>

using namespace discone::nec;
using discone::test::FakeEngine;

namespace {

const Nec2c kNec2c;

double swrAt(const Model& model, double mhz) {
    return swr(
        parseOutput(kNec2c.run(deck(model, {"comparison"}, {mhz, 1, 1}), {}, {})).at(0).ohms);
}

// The highest SWR of a sweep between two multiples of the design frequency.
double peak(const Sweep& sweep, double from, double to) {
    double most = 0;
    for (const SweepPoint& p : sweep.points)
        if (p.frequencyMHz >= from * sweep.designMHz && p.frequencyMHz <= to * sweep.designMHz)
            most = std::max(most, p.swr);
    return most;
}

} // namespace

// The bundle feed gains NEC-2's rotational symmetry; the plain model has one
// feed wire on the axis and no symmetry. Same antenna, same SWR, across the
// decade, including the top where a feed moved off the axis would show.
TEST(Sweep, SymmetricModelMatchesTheAxialFeed) {
    const auto dims = discone::test::design(146);
    for (double multiple : {1.0, 1.1, 2.0, 3.5, 5.3, 10.0}) {
        SCOPED_TRACE(multiple);
        const double mhz = 146 * multiple;
        const double bundle = swrAt(buildModel(dims, {16, 2, FeedLayout::Bundle}, mhz), mhz);
        const double axial = swrAt(buildModel(dims, {16, 2, FeedLayout::Axial}, mhz), mhz);
        EXPECT_NEAR(bundle / axial, 1, 0.05) << bundle << " vs " << axial;
    }
}

// Maxwell's equations have no scale: with every length, the wire included,
// scaled by 146/50 or 146/440, the SWR against frequency/design frequency
// is the same curve.
TEST(Sweep, CurveScalesWithTheDesignFrequency) {
    SweepOptions low, high;
    low.points = high.points = 11;
    low.model.wireDiameterMm = 2.0 * 146 / 50;
    high.model.wireDiameterMm = 2.0 * 146 / 440;
    const Sweep a = runSweep(discone::test::design(50), low, kNec2c);
    const Sweep b = runSweep(discone::test::design(440), high, kNec2c);
    ASSERT_EQ(a.points.size(), 11u);
    ASSERT_EQ(b.points.size(), 11u);
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_NEAR(a.points[i].frequencyMHz / 50, b.points[i].frequencyMHz / 440, 1e-9);
        EXPECT_NEAR(a.points[i].swr / b.points[i].swr, 1, 0.01) << i;
    }
    EXPECT_NEAR(a.points.back().frequencyMHz, 500, 1e-9);
}

// Figures of an independent model of 2 mm wires at 146 MHz: with 16 wires
// SWR about 3.2 at the design frequency, below 2 from about 1.09 to 3.3
// times it, peaks of about 2.5 near 3.5 and 5.3 times; with 8 wires below 2
// only from about 1.17 to 1.6 times, a peak near 6.
TEST(Sweep, DefaultSweepAgreesWithAnIndependentModel) {
    struct Case {
        int radials;
        double atDesign, firstBelow, staysBelow;
        double peakFrom, peakTo, peakLow, peakHigh;
    };
    const Case cases[] = {
        {16, 3.2, 1.09, 3.3, 3.2, 4.0, 2.0, 3.1},
        {8, 0, 1.17, 1.6, 5.0, 6.0, 5.0, 7.0},
    };
    const auto dims = discone::test::design(146);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radials);
        SweepOptions options;
        options.model.radials = c.radials;
        int calls = 0, last = 0, total = 0;
        const Sweep sweep = runSweep(dims, options, kNec2c, {}, [&](int done, int all) {
            EXPECT_GT(done, last);
            last = done;
            total = all;
            ++calls;
        });
        ASSERT_EQ(sweep.points.size(), 101u);
        EXPECT_EQ(last, 101);
        EXPECT_EQ(total, 101);
        EXPECT_GT(calls, 1);
        const SweepSummary s = summarize(sweep);
        if (c.atDesign > 0) {
            EXPECT_NEAR(sweep.points.front().swr / c.atDesign, 1, 0.15);
        }
        ASSERT_TRUE(s.firstBelowMHz);
        EXPECT_NEAR(*s.firstBelowMHz / 146, c.firstBelow, 0.06);
        EXPECT_NEAR(*s.staysBelowUpToMHz / 146 / c.staysBelow, 1, 0.08);
        const double top = peak(sweep, c.peakFrom, c.peakTo);
        EXPECT_GE(top, c.peakLow);
        EXPECT_LE(top, c.peakHigh);
    }
}

// SWR worked by hand: 150 ohms is 3, 75 ohms 1.5, 50 ohms 1, 110 ohms 2.2,
// 25 ohms 2. The table is for other programs: a point in every locale.
TEST(Sweep, SummaryAndTableOfAHandMadeSweep) {
    Sweep sweep;
    sweep.designMHz = 100;
    const double ohms[] = {150, 75, 50, 110, 75, 25};
    for (int i = 0; i < 6; ++i)
        sweep.points.push_back({100.0 * (i + 1), ohms[i], swr(ohms[i])});
    EXPECT_DOUBLE_EQ(sweep.points[0].swr, 3);
    EXPECT_DOUBLE_EQ(sweep.points[5].swr, 2);
    const SweepSummary s = summarize(sweep);
    EXPECT_EQ(s.firstBelowMHz, 200);
    EXPECT_EQ(s.staysBelowUpToMHz, 300);
    EXPECT_DOUBLE_EQ(s.lowestSwr, 1);
    EXPECT_EQ(s.lowestSwrMHz, 300);
    EXPECT_EQ(summaryLines(s, {",", "."})[0], "SWR first below 2 at 200,000 MHz");

    EXPECT_EQ(sweepTable(sweep), "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\n"
                                 "100.000\t150.00\t0.00\t3.000\n"
                                 "200.000\t75.00\t0.00\t1.500\n"
                                 "300.000\t50.00\t0.00\t1.000\n"
                                 "400.000\t110.00\t0.00\t2.200\n"
                                 "500.000\t75.00\t0.00\t1.500\n"
                                 "600.000\t25.00\t0.00\t2.000\n"
                                 "# SWR first below 2 at 200.000 MHz\n"
                                 "# SWR stays below 2 up to 300.000 MHz\n"
                                 "# lowest SWR 1.000 at 300.000 MHz\n");

    Sweep never = sweep;
    for (SweepPoint& p : never.points)
        p.swr = 2.5;
    EXPECT_FALSE(summarize(never).firstBelowMHz);
}

// The deck users open: comments first, no PT or PQ cards (some viewers
// refuse them), one source on one feed wire on the axis, ends with EN, no
// line beyond a card's 80 columns (nec2c aborts on long ones). nec2c reads
// from it the SWR the program's own sweep predicts.
TEST(Sweep, PrintedDeckGivesTheSweepsSwr) {
    SweepOptions options;
    options.points = 3;
    const auto dims = discone::test::design(146);
    const std::string text =
        printedDeck(dims, options, {"discone", std::string(150, 'x') + "\nEN"});
    const auto printed = parseOutput(kNec2c.run(text, {}, {}));
    const Sweep sweep = runSweep(dims, options, kNec2c);
    ASSERT_EQ(printed.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(printed[i].frequencyMHz, sweep.points[i].frequencyMHz, 0.01);
        EXPECT_NEAR(swr(printed[i].ohms) / sweep.points[i].swr, 1, 0.05) << i;
    }
    const std::string comments =
        "CM discone\nCM " + std::string(77, 'x') + "\nCM " + std::string(73, 'x') + " EN\n";
    EXPECT_EQ(text.substr(0, comments.size()), comments);
    EXPECT_EQ(text.substr(text.size() - 3), "EN\n");
    std::istringstream in(text);
    int sources = 0;
    std::vector<int> onAxis; // tags of the wires with both ends on the axis
    for (std::string line; std::getline(in, line);) {
        const std::string card = line.substr(0, 2);
        EXPECT_TRUE(card == "CM" || card == "CE" || card == "GW" || card == "GR" || card == "GE" ||
                    card == "EK" || card == "EX" || card == "FR" || card == "XQ" || card == "EN")
            << line;
        EXPECT_LE(line.size(), 80u) << line;
        std::istringstream fields(line.substr(2));
        if (card == "GW") {
            int tag, segments;
            double x1, y1, z1, x2, y2;
            fields >> tag >> segments >> x1 >> y1 >> z1 >> x2 >> y2;
            if (x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0)
                onAxis.push_back(tag);
        }
        if (card == "EX") {
            ++sources;
            int type, tag;
            fields >> type >> tag;
            EXPECT_EQ(onAxis, std::vector<int>{tag}) << line;
        }
        if (card == "FR") {
            EXPECT_EQ(line, "FR 1 3 0 0 146 3.16227766016838");
        }
    }
    EXPECT_EQ(sources, 1);
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
    std::stop_source stop;
    auto sweep = std::async(std::launch::async,
                            [&] { return runSweep(dims, options, hanging, stop.get_token()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stop.request_stop();
    ASSERT_EQ(sweep.wait_for(std::chrono::seconds(2)), std::future_status::ready);
    EXPECT_THROW(sweep.get(), Cancelled);
    EXPECT_EQ(hanging.runs, 2);
}
