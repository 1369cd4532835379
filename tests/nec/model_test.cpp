// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wire model: the antenna it describes, what nec2c makes of its wires,
// the builds it refuses, each with the limit and what would fit, every
// suggestion accepted, and the rods it takes where the user gives none.
#include "deck.h"
#include "design.h"
#include "model.h"
#include "nec2cprogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

using namespace discone::nec;

namespace {

constexpr double kInch = 0.0254;
constexpr double kPrinted = 0.00005; // half the last digit of nec2c's lengths in metres

struct Build {
    FeedLayout feed;
    int radials;
    double diameterMm;
};
// Thin rods that fit around the top ring, and thick ones that need a hub.
const Build kBuilds[] = {
    {FeedLayout::Axial, 5, 2}, {FeedLayout::Cage, 16, 2}, {FeedLayout::Cage, 16, 6}};

double radius(Point p) {
    return std::hypot(p.x, p.y);
}

} // namespace

// At 146 MHz the calculator prints a disc of 15.69 in, a skirt of 22.41 in,
// a height to the disc of 19.41 in and a gap of 0.2017 in: the wires' ends
// must sit there, N of them at each rim, and the feed must cross the gap:
// one pin on the axis, or N thin wires of the cage around it.
TEST(Model, WiresFollowTheDesign) {
    const auto dims = discone::test::design(146);
    for (const Build& build : kBuilds) {
        SCOPED_TRACE(build.radials + build.diameterMm);
        const Model model = buildModel(dims, {build.radials, build.diameterMm, build.feed}, 1460);
        const auto wires = allWires(model);
        double top = 0;
        for (const Wire& w : wires)
            top = std::max({top, w.start.z, w.end.z});
        EXPECT_NEAR(top, 19.41 * kInch, 0.005 * kInch);
        int discTips = 0, skirtTips = 0, feeds = 0;
        for (const Wire& w : wires) {
            for (Point p : {w.start, w.end}) {
                if (std::abs(p.z - top) < 1e-9 &&
                    std::abs(radius(p) - 15.69 / 2 * kInch) < 0.005 * kInch)
                    ++discTips;
                if (std::abs(p.z) < 1e-9) {
                    EXPECT_NEAR(radius(p), 22.41 / 2 * kInch, 0.005 * kInch);
                    ++skirtTips;
                }
            }
            if (std::abs(w.start.x - w.end.x) < 1e-12 && std::abs(w.start.y - w.end.y) < 1e-12) {
                EXPECT_NEAR(w.end.z - w.start.z, 0.2017 * kInch, 0.0001 * kInch);
                EXPECT_EQ(w.segments, 1);
                ++feeds;
            }
        }
        EXPECT_EQ(discTips, build.radials);
        EXPECT_EQ(skirtTips, build.radials);
        EXPECT_EQ(feeds, build.feed == FeedLayout::Axial ? 1 : build.radials);
        EXPECT_EQ(model.sourceTags.size(), static_cast<std::size_t>(feeds));
        // Rods 3 radii apart: 16 rods of 6 mm start on a hub 45.8 mm across,
        // wider than the 17.1 mm top ring.
        EXPECT_EQ(model.needsHub(), build.diameterMm == 6);
        if (model.needsHub()) {
            EXPECT_NEAR(2 * model.rodStart, 3 * 16 * 0.003 / M_PI, 1e-9);
        }
    }
}

// nec2c's own segment table: every wire joined except the disc and skirt
// tips, no segment longer than a tenth of a wavelength at the highest
// frequency, every segment at least 4 of its radii, also with every segment
// halved, and joined segments of the same wire size at most half again as
// long as each other (halved, the source's segment, the gap itself, is
// about twice its neighbours).
TEST(Model, Nec2cJoinsEveryWireWithinTheSegmentRules) {
    const auto dims = discone::test::design(146);
    const double tenth = 0.1 * 299.792458 / 1460;
    for (const Build& build : kBuilds) {
        for (double scale : {1.0, 0.5}) {
            SCOPED_TRACE(std::to_string(build.radials) + " x " + std::to_string(build.diameterMm) +
                         ", segments times " + std::to_string(scale));
            const Model model =
                buildModel(dims, {build.radials, build.diameterMm, build.feed, scale}, 1460);
            const std::string output =
                Nec2cProgram().run(deck(model, {"geometry"}, {146, 1, 1}), {}, {});
            std::istringstream out(output);
            std::string line;
            while (std::getline(out, line) && line.find("SEGMENTATION DATA") == std::string::npos) {
            }
            for (int i = 0; i < 5 && std::getline(out, line); ++i) {
            }
            std::map<int, std::pair<double, double>> segment; // length, radius
            std::map<int, std::pair<int, int>> joins;
            while (std::getline(out, line)) {
                std::istringstream row(line);
                int seg, before, self, after;
                double x, y, z, len, alpha, beta, r;
                if (!(row >> seg >> x >> y >> z >> len >> alpha >> beta >> r >> before >> self >>
                      after))
                    break;
                EXPECT_LE(len - kPrinted, tenth);
                EXPECT_GE(len + kPrinted, 4 * r) << seg;
                segment[seg] = {len, r};
                joins[seg] = {before, after};
            }
            int freeEnds = 0;
            for (const auto& [seg, ends] : joins) {
                for (int other : {ends.first, ends.second}) {
                    if (other == 0) {
                        ++freeEnds;
                        continue;
                    }
                    const auto [a, ra] = segment[seg];
                    const auto [b, rb] = segment.at(std::abs(other));
                    if (ra == rb && scale == 1) {
                        EXPECT_LE((a - kPrinted) / (b + kPrinted), 1.5) << seg;
                    }
                }
            }
            EXPECT_EQ(freeEnds, 2 * build.radials);
            EXPECT_EQ(output.find("WARNING"), std::string::npos);
        }
    }
}

// Builds NEC-2 cannot model are refused with one line that names the limit
// and what would fit, in the user's words; the others are modelled, thick
// rods and 23 cm designs among them. Highest 0: the default sweep.
TEST(Model, RefusesOnlyWhatBreaksALimit) {
    struct Case {
        float designMHz;
        int radials;
        double diameterMm;
        double highestMHz;
        const char* message; // nullptr: modelled
    };
    const Case cases[] = {
        // 2 pi a / wavelength reaches 0.15 at 1431.4 MHz for 10 mm rods;
        // at 1460 MHz rods of 9.803 mm are the thickest.
        {146, 16, 10, 1460,
         "rods 10 mm across are too thick for NEC-2's thin-wire model above 1431 MHz: sweep "
         "to at most 1431 MHz, or use rods at most 9,8 mm across"},
        // r_in = 3 N a / 2 pi = 122 mm, beyond a quarter of the 199 mm disc
        // radius; 26 rods fit, or rods of 3.2605 mm.
        {146, 64, 8, 730,
         "64 rods 8 mm across need a hub 244 mm across to stand three radii apart, more than a "
         "quarter of the disc's 399 mm: use at most 26 rods of that size, or rods at most "
         "3,26 mm across"},
        // At 1300 MHz the disc is 44.76 mm across: 16 rods of 2 mm need
        // 15.28 mm; 11 fit, or rods of pi 44.76 / 96 = 1.465 mm.
        {1300, 16, 2, 0,
         "16 rods 2 mm across need a hub 15,3 mm across to stand three radii apart, more than a "
         "quarter of the disc's 44,8 mm: use at most 11 rods of that size, or rods at most "
         "1,46 mm across"},
        {146, 16, 0.1, 6000, "longer than a tenth of a wavelength above 5850 MHz"},
        // A 64-wire pin up to 34 f: over a thousand seconds a frequency.
        {146, 64, 0.05, 5000, "s of nec2c's work a frequency, more than the 2 s it may take"},
        {146, 2, 2, 1460, "number of rods"},
        {146, 65, 2, 1460, "number of rods"},
        {146, 16, 0.04, 1460, "at least 0,05 mm"},
        {146, 16, 2, 100, "below the design frequency"},
        {146, 16, 6, 1460, nullptr},
        {146, 64, 2, 1460, nullptr},
        {146, 4, 2, 1460, nullptr},
        {1296, 16, 1, 12960, nullptr},
        {1296, 4, 2, 6480, nullptr},
        {25, 16, 2, 250, nullptr},
        {1, 16, 2, 0, nullptr},
        {146, 16, 2, 5850, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.designMHz) + " MHz, " + std::to_string(c.radials) + " x " +
                     std::to_string(c.diameterMm));
        try {
            checkModel(discone::test::design(c.designMHz), {c.radials, c.diameterMm}, c.highestMHz);
            EXPECT_EQ(c.message, nullptr) << "modelled";
        } catch (const ModelError& e) {
            ASSERT_NE(c.message, nullptr) << e.what();
            const std::string message = e.message({",", "."});
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos);
        }
    }
}

// Where the default sweep stops early, the note names the limit that a
// sweep a little further is refused by.
TEST(Model, SweepEndNamesTheLimit) {
    struct Case {
        float designMHz;
        double diameterMm;
        const char* limit; // in limitAbove's words and in the refusal's
        const char* refusal;
    };
    const Case cases[] = {
        {146, 12, "thin-wire model", "thin-wire model"},
        {440, 4, "thin-wire model", "thin-wire model"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.designMHz);
        const auto dims = discone::test::design(c.designMHz);
        const ModelOptions options{16, c.diameterMm};
        const double top = highestModelledMHz(dims, options);
        ASSERT_LT(top, 10 * c.designMHz);
        EXPECT_NE(limitAbove(dims, options, top).find(c.limit), std::string::npos);
        EXPECT_THROW(checkModel(dims, options, top * 1.002), ModelError);
        try {
            checkModel(dims, options, top * 1.002);
        } catch (const ModelError& e) {
            EXPECT_NE(e.message({".", ","}).find(c.refusal), std::string::npos);
        }
        EXPECT_EQ(limitAbove(dims, options, top / 2), "");
    }
}

// Every value a refusal suggests is accepted when used, every limit
// considered together, over designs from 1 MHz to 1.3 GHz, rods from 3 to
// 64 and from 0.05 to 30 mm, and sweeps from the default to far beyond
// what any rods allow; no suggestion falls below 0.05 mm.
TEST(Model, EverySuggestionIsAccepted) {
    const std::regex suggestion(
        "(sweep to at most|rods at most|rods at least|at most) ([0-9.]+)( MHz| mm| rods)");
    int refused = 0, suggested = 0;
    for (float design : {1.0f, 25.0f, 146.0f, 440.0f, 1300.0f}) {
        const auto dims = discone::test::design(design);
        for (int radials : {3, 4, 12, 16, 64}) {
            for (double diameter : {0.05, 0.3, 2.0, 6.0, 30.0}) {
                for (double multiple : {0.0, 1.5, 10.0, 40.0, 400.0}) {
                    const ModelOptions asked{radials, diameter};
                    const double highest = multiple * design;
                    try {
                        checkModel(dims, asked, highest);
                        continue;
                    } catch (const ModelError& e) {
                        ++refused;
                        const std::string text = e.what();
                        for (std::sregex_iterator i(text.begin(), text.end(), suggestion), end;
                             i != end; ++i) {
                            ++suggested;
                            const std::string what = (*i)[1], unit = (*i)[3];
                            const double value = std::stod((*i)[2]);
                            ModelOptions used = asked;
                            double to = highest;
                            if (unit == " MHz")
                                to = value;
                            else if (unit == " rods")
                                used.radials = static_cast<int>(value);
                            else
                                used.wireDiameterMm = value;
                            SCOPED_TRACE(std::to_string(design) + " MHz, " +
                                         std::to_string(radials) + " x " +
                                         std::to_string(diameter) + " mm to " +
                                         std::to_string(highest) + ": " + text);
                            EXPECT_GE(used.wireDiameterMm, kMinimumWireDiameterMm);
                            EXPECT_NO_THROW(checkModel(dims, used, to)) << (*i)[0];
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(suggested, refused);
}

// Where the user gives no diameter: 2 mm where it fits, otherwise the
// thickest the hub allows to two digits, rounded down. 16 rods of 2 mm need
// a hub 15.28 mm across, a quarter of the disc's diameter above 952 MHz;
// rods of pi D / 6 N fit a disc D across.
TEST(Model, DefaultDiameterFitsEveryDesign) {
    for (float design : {25.0f, 50.0f, 146.0f, 440.0f, 900.0f, 960.0f, 1100.0f, 1300.0f}) {
        const auto dims = discone::test::design(design);
        for (int radials : {3, 16}) {
            SCOPED_TRACE(std::to_string(design) + " MHz, " + std::to_string(radials) + " rods");
            const double disc = dims.DiscDiameter * kInch * 1000;
            const double thickest = M_PI * disc / (6 * radials);
            const double unit = std::pow(10.0, std::floor(std::log10(thickest)) - 1);
            const double expected = thickest >= 2 ? 2 : std::floor(thickest / unit) * unit;
            const double d = defaultWireDiameterMm(dims, radials, 0);
            EXPECT_NEAR(d, expected, 1e-9);
            EXPECT_NO_THROW(checkModel(dims, {radials, d}, 0));
            if (radials == 16) {
                EXPECT_EQ(d == 2, design < 952);
            }
        }
    }
}
