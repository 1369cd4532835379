// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One-port Touchstone files: reflections and SWR worked out by hand, the
// sweep written and read back, the forms analysers write, and the files
// refused, each with one line that names the wrong line.
#include "touchstone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

using namespace discone::nec;
using Complex = std::complex<double>;

namespace {

constexpr double kTolerance = 1e-12;

void expectNear(Complex actual, Complex expected) {
    EXPECT_NEAR(actual.real(), expected.real(), kTolerance) << actual;
    EXPECT_NEAR(actual.imag(), expected.imag(), kTolerance) << actual;
}

void expectSwr(double actual, double expected) {
    if (std::isinf(expected))
        EXPECT_EQ(actual, expected);
    else
        EXPECT_NEAR(actual, expected, expected * 1e-9);
}

} // namespace

// G = (Z - R)/(Z + R) and SWR = (1 + |G|)/(1 - |G|).
TEST(Touchstone, ReflectionAndSwrOfImpedances) {
    struct Case {
        Complex ohms;
        double referenceOhms;
        Complex reflection;
        double swr;
    };
    const Case cases[] = {
        {100, 50, 1.0 / 3, 2},
        {25, 50, -1.0 / 3, 2},
        {{50, 50}, 50, {0.2, 0.4}, (3 + std::sqrt(5.0)) / 2}, // |G| = 1/sqrt(5)
        {112.5, 75, 0.2, 1.5},
        {50, 50, 0, 1},
        {0, 50, -1, INFINITY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ohms << " against " << c.referenceOhms);
        const Complex g = reflection(c.ohms, c.referenceOhms);
        expectNear(g, c.reflection);
        expectSwr(reflectionSwr(g), c.swr);
    }
}

// The sweep's frequencies come back as the same doubles and its SWR to far
// better than 1e-6; comments stay one line each, and one that would read as
// a port impedance is not one.
TEST(Touchstone, SweepReadsBackWithItsSwr) {
    const std::vector<double> mhz = sweepFrequencies(146, 1460, 5);
    const Complex ohms[] = {100, 25, {50, 50}, 0, 50};
    const double swrs[] = {2, 2, (3 + std::sqrt(5.0)) / 2, INFINITY, 1};
    Sweep sweep;
    for (std::size_t i = 0; i < mhz.size(); ++i)
        sweep.points.push_back({mhz[i], ohms[i], swrs[i]});

    const std::string text = writeTouchstone(
        onePort(sweep), {"discone for 146 MHz", "", "two\nlines\x7f", " port impedance 200 0"});
    EXPECT_TRUE(text.starts_with("! discone for 146 MHz\n!\n! two lines \n"
                                 "!!  port impedance 200 0\n# MHZ S RI R 50\n"))
        << text;
    const OnePort back = readTouchstone(text);
    EXPECT_EQ(back.referenceOhms, 50);
    ASSERT_EQ(back.points.size(), mhz.size());
    for (std::size_t i = 0; i < mhz.size(); ++i) {
        SCOPED_TRACE(mhz[i]);
        EXPECT_EQ(back.points[i].frequencyMHz, mhz[i]);
        expectSwr(reflectionSwr(back.points[i].s11), swrs[i]);
    }
}

// Each file gives the same reflections: S11 = 0.5, 0.1 at 90 degrees as
// RI, MA and DB (-20 dB), Z = 2 and Y = 0.5 (100 ohms, G = 1/3), and files
// against 75 ohms re-expressed against 50: 0.2 there is 112.5 ohms,
// G = 62.5/162.5 = 5/13; Z = 2 there is 150 ohms, G = 1/2; an open stays open.
TEST(Touchstone, ReadsTheFormsAnalysersWrite) {
    struct Point {
        double mhz;
        Complex s11;
        Complex at50;
    };
    const auto same = [](double mhz, Complex s11) { return Point{mhz, s11, s11}; };
    const Complex quarterTurn(0, 0.1);
    struct Case {
        const char* name;
        std::string text;
        double referenceOhms;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"MHZ RI", "# MHZ S RI R 50\n146 0.5 -0.25\n", 50, {same(146, {0.5, -0.25})}},
        {"HZ",
         "# HZ S RI R 50\n146000000 0.5 0\n146500000 0 0.5\n",
         50,
         {same(146, 0.5), same(146.5, {0, 0.5})}},
        {"kHz in lower case", "# khz s ri r 50\n146000 0.5 0\n", 50, {same(146, 0.5)}},
        {"GHZ", "# GHZ S RI R 50\n0.146 0.5 0\n", 50, {same(146, 0.5)}},
        {"MA",
         "# MHZ S MA R 50\n146 0.1 90\n147 0.1 180\n",
         50,
         {same(146, quarterTurn), same(147, -0.1)}},
        {"DB",
         "# MHZ S DB R 50\n146 -20 90\n147 -20 180\n",
         50,
         {same(146, quarterTurn), same(147, -0.1)}},
        {"no option line: GHZ S MA R 50", "0.146 0.1 90\n", 50, {same(146, quarterTurn)}},
        {"format and reference left out", "# MHZ\n146 0.1 90\n", 50, {same(146, quarterTurn)}},
        {"R 75, unit left out",
         "#RI R 75\n0.146 0.2 0\n0.147 1 0\n",
         75,
         {{146, 0.2, 5.0 / 13}, {147, 1, 1}}},
        {"R 1.5e308: 4.5e308 ohms, an open against 50",
         "# MHZ S RI R 1.5e308\n146 0.5 0\n",
         1.5e308,
         {{146, 0.5, 1}}},
        {"Z", "# MHZ Z RI R 50\n146 2 0\n", 50, {same(146, 1.0 / 3)}},
        {"Z against 75", "# MHZ Z RI R 75\n146 2 0\n", 75, {{146, 1.0 / 3, 0.5}}},
        {"Y", "# MHZ Y RI R 50\n146 0.5 0\n", 50, {same(146, 1.0 / 3)}},
        {"comments",
         "! NanoVNA\n# MHZ S RI R 50 ! options\n\n146 0.5 0 ! a point\n! # GHZ\n",
         50,
         {same(146, 0.5)}},
        {"byte order mark, CRLF, tabs",
         "\xEF\xBB\xBF# MHZ S RI R 50\r\n146\t0.5\t0\r\n\r\n \t147 0 0.5 \r\n",
         50,
         {same(146, 0.5), same(147, {0, 0.5})}},
        {"CR", "# MHZ S RI R 50\r146 0.5 0\r147 0 0.5", 50, {same(146, 0.5), same(147, {0, 0.5})}},
        {"only the first option line",
         "# MHZ S RI R 50\n# GHZ S MA R 75\n146 0.5 0\n",
         50,
         {same(146, 0.5)}},
        {"10 THz, the highest", "# HZ S RI R 50\n10000000000000 0.5 0\n", 50, {same(1e7, 0.5)}},
        {"number forms",
         "# MHZ S RI R 50\n1.46e2 +.5 -3.2E-01\n1.47E+2 -.5 0.\n",
         50,
         {same(146, {0.5, -0.32}), same(147, -0.5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OnePort data = readTouchstone(c.text);
        EXPECT_EQ(data.referenceOhms, c.referenceOhms);
        const OnePort at50 = withReference(data);
        EXPECT_EQ(at50.referenceOhms, 50);
        ASSERT_EQ(data.points.size(), c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_NEAR(data.points[i].frequencyMHz, c.points[i].mhz, 1e-12 * c.points[i].mhz);
            EXPECT_EQ(at50.points[i].frequencyMHz, data.points[i].frequencyMHz);
            expectNear(data.points[i].s11, c.points[i].s11);
            expectNear(at50.points[i].s11, c.points[i].at50);
        }
    }
}

// Each point's S11 is against the port impedance of its comment, and comes
// back against the option line's R (50 ohms here): Z = Zp (1 + S)/(1 - S),
// then G = (Z - 50)/(Z + 50) and SWR = (1 + |G|)/(1 - |G|).
//   S = 0 against 200:     Z = 200,                 G = 150/250 = 3/5,        SWR 4
//   S = 0.6 against 200:   Z = 200 * 1.6/0.4 = 800, G = 750/850 = 15/17,      SWR 16
//   S = -0.5 against 25:   Z = 25 * 0.5/1.5 = 25/3, G = (-125/3)/(175/3) = -5/7, SWR 6
//   S = 0 against 376.7:   Z = 376.7,               G = 326.7/426.7,          SWR 7.534
//   z = 2 (Z file) against 100: Z = 200, as the first.
TEST(Touchstone, PortImpedanceCommentsSetEachPointsReference) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<double> s11; // real
        std::vector<double> swr;
    };
    const Case cases[] = {
        {"before the rows they apply to",
         "# MHZ S RI R 50\n! Port Impedance 200 0\n146 0 0\n147 0.6 0\n"
         "! Port Impedance 50.0 0.0\n148 0.5 0\n",
         {0.6, 15.0 / 17, 0.5},
         {4, 16, 3}},
        {"one after each row, as HFSS writes them",
         "# GHZ S MA\n! Modal data exported\n! Port[1] = 1:1\n0.146 0 0\n! Gamma ! 0 3.06\n"
         "! Port Impedance 200 0\n\n0.147 0.5 180\n! Gamma ! 0 3.08\n! Port Impedance25 0\n",
         {0.6, -5.0 / 7},
         {4, 6}},
        {"free space's impedance",
         "# MHZ S RI R 50\n! Port Impedance 376.7 0\n146 0 0\n",
         {326.7 / 426.7},
         {7.534}},
        {"Z parameters normalised to it",
         "# MHZ Z RI R 50\n! port impedance 100\n146 2 0\n",
         {0.6},
         {4}},
        {"a comment in words is none",
         "# MHZ S RI R 50\n! Port impedance: 200 ohms\n! Port Impedance\n146 0.5 0\n",
         {0.5},
         {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OnePort data = readTouchstone(c.text);
        EXPECT_EQ(data.referenceOhms, 50);
        ASSERT_EQ(data.points.size(), c.s11.size());
        for (std::size_t i = 0; i < c.s11.size(); ++i) {
            expectNear(data.points[i].s11, c.s11[i]);
            expectSwr(reflectionSwr(data.points[i].s11), c.swr[i]);
        }
    }
}

// Every refusal is one line naming the wrong line (none for a file without
// data).
TEST(Touchstone, RefusesWhatItCannotRead) {
    std::string tooMany = "# MHZ S RI R 50\n";
    for (int i = 1; i <= 100000; ++i)
        tooMany += std::to_string(i) + " 0 0\n";
    EXPECT_EQ(readTouchstone(tooMany).points.size(), 100000u);
    tooMany += "100001 0 0\n";

    const std::string rowSize = "a row needs 3 numbers (frequency and one complex value), not ";
    const std::string noPort =
        "no port impedance comment follows this row, as one follows other rows";
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"# MHZ S RI R 50\n! two ports\n146 1 2 3 4 5 6 7 8\n",
         "line 3: " + rowSize + "9: this is not a one-port file"},
        {"# MHZ S RI R 50\n146 1 2 3 4 5 6\n",
         "line 2: " + rowSize + "7: this is not a one-port file"},
        {"# MHZ S RI R 50\n146 0.1 0.2\n0.3 0.4\n",
         "line 3: " + rowSize + "2: a row that goes on over lines is not one-port data"},
        {"# MHZ S RI R 50\n146 0.1\n", "line 2: " + rowSize + "2"},
        {"# MHZ S RI R 50\n146 0,5 0\n", "line 2: \"0,5\" is not a number"},
        {"146 0.5\x01 0\n", "line 1: \"0.5?\" is not a number"},
        {"# MHZ S RI R 50\n146 NaN 0\n", "line 2: \"NaN\" is not a finite number"},
        {"# MHZ S RI R 50\n146 0 -inf\n", "line 2: \"-inf\" is not a finite number"},
        {"# MHZ S RI R 50\n146 1e999 0\n", "line 2: \"1e999\" is out of range"},
        {"# GHZ S RI R 50\n1e306 0 0\n",
         "line 2: the frequency \"1e306\" is above 10 THz, where no analyser measures"},
        {"# MHZ S RI R 50\n146 0 0\n10000001 0 0\n",
         "line 3: the frequency \"10000001\" is above 10 THz, where no analyser measures"},
        {"# MHZ S RI R 50\n-146 0 0\n", "line 2: the frequency must be above zero, not \"-146\""},
        {"# MHZ S RI R 50\n0 0 0\n", "line 2: the frequency must be above zero, not \"0\""},
        {"# MHZ S RI R 50\n146 0 0\n145 0 0\n",
         "line 3: the frequency is not above the one on line 2"},
        {"# MHZ S RI R 50\n146 0 0\n! again\n146 0 0\n",
         "line 4: the frequency is not above the one on line 2"},
        {tooMany, "line 100002: more than 100000 points"},
        {"# THZ S RI R 50\n146 0 0\n", "line 1: unknown word \"THZ\" in the option line"},
        {"# MHz S RI R 50 R 75\n",
         "line 1: the option line gives two reference resistances, \"50\" and \"75\""},
        {"# MHz GHz S RI R 50\n",
         "line 1: the option line gives two frequency units, \"MHz\" and \"GHz\""},
        {"# S Z RI\n", "line 1: the option line gives two kinds of parameter, \"S\" and \"Z\""},
        {"# RI MA\n", "line 1: the option line gives two formats, \"RI\" and \"MA\""},
        {"# MHZ S RI R 50\n146 0 0\n! Gamma ! 0 3\n! Port Impedance 49.69 -0.112\n",
         "line 4: the port impedance \"49.69\" \"-0.112\" ohms is complex, and S against a "
         "complex reference means different things to different programs: renormalise the data "
         "to a real one"},
        {"! Port Impedance 0 0.0\n146 0 0\n",
         "line 1: the port impedance must be above zero, not \"0\""},
        {"! Port Impedance 50 0 50 0\n",
         "line 1: a port impedance is one complex value, not 4 numbers: this is not a one-port "
         "file"},
        {"146 0 0\n! Port Impedance 50 0\n147 0 0\n148 0 0\n! Port Impedance 50 0\n",
         "line 3: " + noPort},
        {"146 0 0\n147 0 0\n! Port Impedance 50 0\n", "line 1: " + noPort},
        {"146 0 0\n! Port Impedance 50 0\n147 0 0\n", "line 3: " + noPort},
        {"146 0 0\n! Port Impedance 50 0\n! Port Impedance 60 0\n",
         "line 3: a second port impedance for the row on line 1"},
        {"# MHZ H RI R 50\n146 0 0\n",
         "line 1: H parameters describe two-ports: this is not a one-port file"},
        {"! made by hand\n# MHZ S RI R\n", "line 2: R needs the reference resistance after it"},
        {"# MHZ S RI R 0\n", "line 1: the reference resistance must be above zero, not \"0\""},
        {"# MHZ Z RI R 50\n146 -1 0\n", "line 2: the values give no finite reflection coefficient"},
        {"146 0 0\n# MHZ S RI R 50\n", "line 2: the option line must come before the data"},
        {"! VNA\n[Version] 2.0\n# GHz S MA R 50\n",
         "line 2: Touchstone 2 keywords are not read: save the file as Touchstone 1 (.s1p)"},
        {"! only comments\n# MHZ S RI R 50\n\n",
         "no data: the file has no rows of frequency and S11"},
        {"", "no data: the file has no rows of frequency and S11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        try {
            readTouchstone(c.text);
            ADD_FAILURE() << "no error";
        } catch (const TouchstoneError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            const std::string named = e.line() > 0 ? "line " + std::to_string(e.line()) + ": " : "";
            EXPECT_TRUE(c.message.starts_with(named)) << e.line();
        }
    }
}
