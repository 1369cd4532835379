// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wire model: the antenna it describes, what nec2c makes of its wires,
// and the builds it refuses, each with the limit and what would fit.
#include "deck.h"
#include "design.h"
#include "model.h"
#include "nec2cprogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
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
// frequency, rods' segments at least 4 rod radii, and joined segments of the
// same wire size at most half again as long as each other.
TEST(Model, Nec2cJoinsEveryWireWithinTheSegmentRules) {
    const auto dims = discone::test::design(146);
    const double tenth = 0.1 * 299.792458 / 1460;
    for (const Build& build : kBuilds) {
        SCOPED_TRACE(build.radials + build.diameterMm);
        const Model model = buildModel(dims, {build.radials, build.diameterMm, build.feed}, 1460);
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
            if (std::abs(r - build.diameterMm / 2000) < 1e-6) {
                EXPECT_GE(len + kPrinted, 4 * r) << seg;
            }
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
                if (ra == rb) {
                    EXPECT_LE((a - kPrinted) / (b + kPrinted), 1.5) << seg;
                }
            }
        }
        EXPECT_EQ(freeEnds, 2 * build.radials);
        EXPECT_EQ(output.find("WARNING"), std::string::npos);
    }
}

// Builds NEC-2 cannot model are refused with one line that names the limit
// and what would fit, in the user's words; the others are modelled, thick
// rods and 23 cm designs among them.
TEST(Model, RefusesOnlyWhatBreaksALimit) {
    struct Case {
        float designMHz;
        int radials;
        double diameterMm;
        double highestMHz;
        const char* message; // nullptr: modelled
    };
    const Case cases[] = {
        {146, 16, 10, 1460,
         "thin-wire model above 1431 MHz: sweep to at most 1431 MHz, or use "
         "rods at most 9,8 mm across"},
        // r_in = 3 N a / 2 pi = 122 mm, beyond a quarter of the 199 mm disc
        // radius; 26 rods fit, or rods of 3.26 mm.
        {146, 64, 8, 730,
         "64 rods 8 mm across need a hub 244 mm across, more than half the "
         "disc's 399 mm: use at most 26 rods of that size, or rods at most "
         "3,26 mm across"},
        {146, 16, 0.1, 6000, "longer than a tenth of a wavelength"},
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.designMHz) + " MHz, " + std::to_string(c.radials) + " x " +
                     std::to_string(c.diameterMm));
        try {
            buildModel(discone::test::design(c.designMHz), {c.radials, c.diameterMm}, c.highestMHz);
            EXPECT_EQ(c.message, nullptr) << "modelled";
        } catch (const ModelError& e) {
            ASSERT_NE(c.message, nullptr) << e.what();
            const std::string message = e.message({",", "."});
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos);
        }
    }
}
