// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed line: textbook transformations (matched, lossless quarter and half
// wave, shorted lossy line), two lossy loads worked out independently, the
// loss against the makers' own figures, and TYPE:METRES.
#include "feedline.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <set>

using namespace discone;
using namespace discone::study;
using Complex = std::complex<double>;

namespace {

constexpr double kNepersPerDb = std::numbers::ln10 / 20;

const Cable& cable(std::string_view id) {
    const Cable* c = findCable(id);
    EXPECT_NE(c, nullptr) << id;
    return c ? *c : cables().front();
}

void expectNear(Complex actual, Complex expected, double tolerance) {
    EXPECT_NEAR(actual.real(), expected.real(), tolerance) << actual;
    EXPECT_NEAR(actual.imag(), expected.imag(), tolerance) << actual;
}

} // namespace

// A line ended in its own impedance shows that impedance at any length, with
// SWR 1 and no loss beyond the matched loss, inside the sheet and beyond it.
TEST(Feedline, MatchedLoadStaysZ0) {
    struct Case {
        std::string_view id;
        double mhz, metres;
    };
    const Case cases[] = {{"rg213", 14, 0},       {"rg58", 146, 7.3},     {"lmr400", 1296, 123.4},
                          {"aircell7", 50, 1000}, {"ecoflex10", 3.6, 30}, {"rg8x", 9000, 2.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.mhz << " MHz " << c.metres << " m");
        const Cable& line = cable(c.id);
        const FeedPoint p = throughFeedline({&line, c.metres}, c.mhz, line.impedanceOhms);
        expectNear(p.radioOhms, line.impedanceOhms, 1e-9);
        EXPECT_NEAR(p.radioSwr, 1, 1e-12);
        EXPECT_NEAR(p.totalLossDb, p.matchedLossDb, 1e-9);
    }
}

// Lossless: a quarter wave turns ZL into Z0^2/ZL, a half wave gives ZL back.
TEST(Feedline, LosslessQuarterAndHalfWave) {
    struct Case {
        double z0;
        Complex load;
    };
    const Case cases[] = {{50, 100}, {50, {25, 25}}, {50, {10, -40}}, {75, {300, 150}}, {75, 0.5}};
    const double beta = std::numbers::pi; // a 2 m wavelength
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.load << " on " << c.z0);
        expectNear(lineInput(c.load, c.z0, 0, beta, 0.5), c.z0 * c.z0 / c.load, 1e-6);
        expectNear(lineInput(c.load, c.z0, 0, beta, 1.0), c.load, 1e-9);
    }
}

// Into a short, the reflection at the input is e^(-2 alpha l), 10^(-2L/20)
// for a matched loss of L dB: SWR (1 + 10^(-2L/20)) / (1 - 10^(-2L/20)) and a
// return loss of 2L against Z0. The last case is 100 ft of RG-213 at
// 100 MHz, 1.9 dB on Belden's 8267 sheet.
TEST(Feedline, ShortedLossyLine) {
    struct Case {
        double lossDb, metres;
    };
    const Case cases[] = {{1, 20}, {3, 7.5}, {10, 100}, {0.25, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lossDb << " dB in " << c.metres << " m");
        const double x = std::pow(10, -2 * c.lossDb / 20);
        const double alpha = c.lossDb * kNepersPerDb / c.metres;
        const Complex input = lineInput(0, 50, alpha, 1.7, c.metres);
        EXPECT_NEAR(nec::swr(input, 50), (1 + x) / (1 - x), 1e-9);
        EXPECT_NEAR(returnLossDb(input, 50), 2 * c.lossDb, 1e-9);
    }
    const FeedPoint p = throughFeedline({&cable("rg213"), 100 * 0.3048}, 100, 0);
    const double x = std::pow(10, -2 * 1.9 / 20);
    EXPECT_NEAR(p.matchedLossDb, 1.9, 1e-12);
    EXPECT_NEAR(p.radioSwr, (1 + x) / (1 - x), 1e-9);
    EXPECT_EQ(p.totalLossDb, INFINITY);
}

// Worked out with Python's cmath from the tanh form, and the total loss from
// the power into and out of the line (its ABCD matrix), not from this code:
//   a = dB / (100 * 20 / log(10)); b = 2*pi*MHz*1e6 / (vf * 299792458)
//   g = complex(a, b); t = cmath.tanh(g * l)
//   zin = z0 * (zl + z0 * t) / (z0 + zl * t)
//   G = abs((zin - ref) / (zin + ref)); swr = (1 + G) / (1 - G); rl = -20*log10(G)
//   vin = zl * cmath.cosh(g*l) + z0 * cmath.sinh(g*l)   # 1 A into the load
//   iin = cmath.cosh(g*l) + zl / z0 * cmath.sinh(g*l)
//   total = 10*log10((vin * iin.conjugate()).real / zl.real)
// Each line has the same loss at every frequency of its two-point sheet.
TEST(Feedline, HandComputedLossyLoads) {
    struct Case {
        Complex load;
        double z0, vf, dbPer100m, mhz, metres;
        Complex input;
        double swr, returnLoss, totalLoss;
    };
    const Case cases[] = {
        {{25, -30},
         50,
         0.66,
         5,
         100,
         10,
         {21.3469711053, -12.3408283407},
         2.5141258528,
         7.3131067233,
         0.7642289493},
        {{150, 40},
         75,
         0.82,
         8,
         430,
         25,
         {48.8879803731, -13.1531035219},
         1.6132926287,
         12.5904059722,
         2.4006298878},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.load << " on " << c.z0);
        const std::array<SheetPoint, 2> sheet{{{c.mhz / 2, c.dbPer100m}, {c.mhz * 2, c.dbPer100m}}};
        const Cable line{"test", "test", c.z0, c.vf, SheetUnit::DbPer100Metres, sheet};
        const FeedPoint p = throughFeedline({&line, c.metres}, c.mhz, c.load, c.z0);
        expectNear(p.radioOhms, c.input, 1e-8);
        EXPECT_NEAR(p.radioSwr, c.swr, 1e-9);
        EXPECT_NEAR(p.radioReturnLossDb, c.returnLoss, 1e-9);
        EXPECT_NEAR(p.matchedLossDb, c.dbPer100m * c.metres / 100, 1e-12);
        EXPECT_NEAR(p.totalLossDb, c.totalLoss, 1e-9);
        EXPECT_FALSE(p.beyondSheet);
    }
}

// The makers' figures come back within 3 % (typed here from the sheets, in
// their units); halfway on a log scale, the loss is the geometric mean of its
// neighbours (sqrt(1.9 * 2.7) = 2.26495 and sqrt(14.2 * 16.5) = 15.3069).
TEST(Feedline, LossAtAndBetweenSheetPoints) {
    struct Case {
        std::string_view id;
        double mhz, loss; // in the sheet's unit
        double tolerance; // relative
    };
    const Case cases[] = {
        {"rg58", 1000, 22.8, 0.03},
        {"rg58", 1, 0.4, 0.03},
        {"rg8x", 10, 0.9, 0.03},
        {"rg213", 400, 4.1, 0.03},
        {"rg213", 4000, 21.5, 0.03},
        {"lmr400", 50, 0.9, 0.03},
        {"lmr400", 900, 3.9, 0.03},
        {"ecoflex10", 432, 8.9, 0.03},
        {"aircell7", 1296, 24.84, 0.03},
        {"aircell7", 6000, 64.9, 0.03},
        {"rg213", std::sqrt(100.0 * 200), 2.264950, 1e-6},
        {"ecoflex10", std::sqrt(1000.0 * 1296), 15.306861, 1e-6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.mhz << " MHz");
        const Cable& line = cable(c.id);
        const double perMetre = line.unit == SheetUnit::DbPer100Feet ? 1 / 0.3048 : 1;
        const Attenuation a = attenuation(line, c.mhz);
        EXPECT_NEAR(a.dbPer100m, c.loss * perMetre, c.tolerance * c.loss * perMetre);
        EXPECT_FALSE(a.beyondSheet);
    }
}

// Beyond the sheet the loss is flagged, and lies between what the end point
// scales to with the dielectric's f and the conductors' sqrt(f).
TEST(Feedline, LossBeyondSheetFollowsCoaxialLaw) {
    struct Case {
        std::string_view id;
        double mhz;
    };
    const Case cases[] = {{"rg213", 0.5}, {"lmr400", 1.8},      {"lmr400", 28},
                          {"rg8x", 2400}, {"ecoflex10", 10000}, {"aircell7", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.mhz << " MHz");
        const Cable& line = cable(c.id);
        const SheetPoint& end =
            c.mhz < line.sheet.front().frequencyMHz ? line.sheet.front() : line.sheet.back();
        const double endLoss = attenuation(line, end.frequencyMHz).dbPer100m;
        const double ratio = c.mhz / end.frequencyMHz;
        const Attenuation a = attenuation(line, c.mhz);
        EXPECT_TRUE(a.beyondSheet);
        EXPECT_GE(a.dbPer100m, endLoss * std::min(ratio, std::sqrt(ratio)));
        EXPECT_LE(a.dbPer100m, endLoss * std::max(ratio, std::sqrt(ratio)));
    }
}

TEST(Feedline, RefusesFrequenciesThatAreNotPositive) {
    for (const double mhz : {0.0, -14.0, double(NAN), double(INFINITY)}) {
        SCOPED_TRACE(mhz);
        EXPECT_THROW(attenuation(cable("rg58"), mhz), std::invalid_argument);
    }
}

// A typing slip in the table shows as a sheet that does not rise like a
// coaxial line's loss: between sqrt(f) and f (0.4 allows for the sheets'
// rounding), with a velocity factor a solid or foam dielectric can have.
TEST(Feedline, SheetsRiseLikeCoaxialLoss) {
    std::set<std::string_view> ids;
    for (const Cable& c : cables()) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(ids.insert(c.id).second);
        EXPECT_TRUE(c.impedanceOhms == 50 || c.impedanceOhms == 75);
        EXPECT_GE(c.velocityFactor, 0.6);
        EXPECT_LE(c.velocityFactor, 0.9);
        ASSERT_GE(c.sheet.size(), 2u);
        for (std::size_t i = 1; i < c.sheet.size(); ++i) {
            const SheetPoint &a = c.sheet[i - 1], &b = c.sheet[i];
            const double slope =
                std::log(b.loss / a.loss) / std::log(b.frequencyMHz / a.frequencyMHz);
            EXPECT_GT(b.frequencyMHz, a.frequencyMHz) << b.frequencyMHz;
            EXPECT_GE(slope, 0.4) << b.frequencyMHz;
            EXPECT_LE(slope, 1.0) << b.frequencyMHz;
        }
    }
}

// A sweep keeps its order and flags the points beyond the sheet: 100 ft of
// RG-213 into 50 ohms, 1.9 dB at 100 MHz by Belden's sheet.
TEST(Feedline, SweepThroughFeedline) {
    const std::vector<nec::SweepPoint> antenna{{0.5, 50}, {100, 50}, {5000, 50}};
    const std::vector<FeedPoint> points = throughFeedline({&cable("rg213"), 100 * 0.3048}, antenna);
    ASSERT_EQ(points.size(), 3u);
    const bool beyond[] = {true, false, true};
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].frequencyMHz, antenna[i].frequencyMHz);
        EXPECT_EQ(points[i].beyondSheet, beyond[i]);
        EXPECT_NEAR(points[i].radioSwr, 1, 1e-12);
    }
    EXPECT_NEAR(points[1].matchedLossDb, 1.9, 1e-12);
}

TEST(Feedline, ParsesTypeAndMetres) {
    struct Case {
        std::string_view text, id;
        double metres;
    };
    const Case cases[] = {{"rg213:12.5", "rg213", 12.5},       {"RG213:12.5", "rg213", 12.5},
                          {"Lmr400:1e2", "lmr400", 100},       {"ecoflex10:0", "ecoflex10", 0},
                          {"aircell7:1000", "aircell7", 1000}, {"rg8x:.5", "rg8x", 0.5},
                          {"rg58:2.5E1", "rg58", 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Feedline line = parseFeedline(c.text);
        ASSERT_NE(line.cable, nullptr);
        EXPECT_EQ(line.cable->id, c.id);
        EXPECT_EQ(line.metres, c.metres);
    }
}

TEST(Feedline, RefusesBadFeedlines) {
    const std::string known = "rg58, rg8x, rg213, lmr400, ecoflex10, aircell7";
    const std::string length = " is not a number of metres from 0 to 1000, such as 12.5";
    struct Case {
        std::string_view text;
        std::string message;
    };
    const Case cases[] = {
        {"rg59:10", "unknown cable 'rg59'; known: " + known},
        {":10", "unknown cable ''; known: " + known},
        {"rg\n213:5", "unknown cable 'rg\\x0a213'; known: " + known},
        {"rg213",
         "feed line 'rg213' needs TYPE:METRES, such as rg213:12.5; known cables: " + known},
        {"rg213:", "length ''" + length},
        {"rg213:-5", "length '-5'" + length},
        {"rg213:+5", "length '+5'" + length},
        {"rg213:12,5", "length '12,5'" + length},
        {"rg213: 5", "length ' 5'" + length},
        {"rg213:1.2.3", "length '1.2.3'" + length},
        {"rg213:1000.5", "length '1000.5'" + length},
        {"rg213:1e400", "length '1e400'" + length},
        {"rg213:inf", "length 'inf'" + length},
        {"rg213:5m", "length '5m'" + length},
        {"rg213:5:6", "length '5:6'" + length},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseFeedline(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const FeedlineError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}
