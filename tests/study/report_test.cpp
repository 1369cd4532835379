// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction written out for people and for other programs.
#include "report.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace discone::nec;
using namespace discone::study;

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
