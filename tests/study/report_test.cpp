// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction written out for people and for other programs.
#include "report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

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

namespace {

struct BandCase {
    const char* name;
    std::vector<std::pair<double, double>> curve; // MHz, SWR
    int region;
    discone::Separators sep;
    const char* prefix;
    std::vector<std::string> lines;
};

constexpr double kTotal = std::numeric_limits<double>::infinity();

// SWR between points runs straight over log frequency, as the chart draws
// it. Worked by hand for the curve 100: 3, 145: 1.1, 200: 1.5, 400: 2,
// 800: 1.2: at 144 MHz 3 - 1.9 ln 1.44 / ln 1.45 = 1.1354; at 146 MHz
// 1.1 + 0.4 ln(146/145) / ln(200/145) = 1.1085 (the point at 145 MHz, 1.1,
// is the band's lowest); at 148 MHz 1.1255; at 220 and 225 MHz
// 1.5 + 0.5 log2(1.1) = 1.5688 and 1.5 + 0.5 log2(1.125) = 1.5850; at 430
// and 440 MHz 2 - 0.8 log2(1.075) = 1.9165 and 2 - 0.8 log2(1.1) = 1.8900.
// Region 1 has 2 m to 146 MHz, region 2 to 148 MHz and 1.25 m besides; the
// bands all three share are region 1's here.
const std::vector<std::pair<double, double>> kCurve = {
    {100, 3}, {145, 1.1}, {200, 1.5}, {400, 2}, {800, 1.2}};

const BandCase kBandCases[] = {
    {"region_1", kCurve, 1, {".", ""}, "", {"2 m: SWR 1.10 to 1.14", "70 cm: SWR 1.89 to 1.92"}},
    {"region_2",
     kCurve,
     2,
     {".", ""},
     "",
     {"2 m: SWR 1.10 to 1.14", "1.25 m: SWR 1.57 to 1.58", "70 cm: SWR 1.89 to 1.92"}},
    {"unknown_region_at_the_radio_in_german",
     kCurve,
     0,
     {",", "."},
     "radio end: ",
     {"radio end: 2 m: SWR 1,10 to 1,14", "radio end: 70 cm: SWR 1,89 to 1,92"}},
    // The sweep starts within 2 m: only 145 to 146 MHz of it is covered.
    {"band_cut_by_the_sweep",
     {{145, 1.1}, {200, 1.5}},
     1,
     {".", ""},
     "",
     {"2 m: SWR 1.10 to 1.11"}},
    // 146 MHz: 1.2 + 0.3 ln(146/145) / ln(200/145) = 1.2064.
    {"total_reflection_at_an_edge",
     {{100, kTotal}, {145, 1.2}, {200, 1.5}},
     1,
     {".", ""},
     "",
     {"2 m: SWR 1.20 to total reflection"}},
    {"no_band_covered", {{150, 1.5}, {200, 1.5}}, 1, {".", ""}, "", {}},
};

class BandLines : public ::testing::TestWithParam<BandCase> {};

} // namespace

TEST_P(BandLines, GiveEachBandsSwrRangeAsTheChartDrawsIt) {
    const BandCase& c = GetParam();
    EXPECT_EQ(bandLines(c.curve, c.region, c.sep, c.prefix), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Summary, BandLines, ::testing::ValuesIn(kBandCases),
                         [](const auto& info) { return std::string(info.param.name); });
