// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wire model: the antenna it describes, what nec2c makes of its wires,
// and the wires it refuses.
#include "deck.h"
#include "design.h"
#include "model.h"
#include "nec2c.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

using namespace discone::nec;

namespace {

constexpr double kInch = 0.0254;
constexpr double kPrinted = 0.00005; // half the last digit of nec2c's lengths in metres

struct Layout {
    FeedLayout feed;
    int radials;
};
const Layout kLayouts[] = {{FeedLayout::Axial, 5}, {FeedLayout::Bundle, 16}};

double radius(Point p) {
    return std::hypot(p.x, p.y);
}

} // namespace

// At 146 MHz the calculator prints a disc of 15.69 in, a skirt of 22.41 in,
// a height to the disc of 19.41 in and a gap of 0.2017 in: the wires' ends
// must sit there, N of them at each rim.
TEST(Model, WiresFollowTheDesign) {
    const auto dims = discone::test::design(146);
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.radials);
        const Model model = buildModel(dims, {layout.radials, 2, layout.feed}, 1460);
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
        EXPECT_EQ(discTips, layout.radials);
        EXPECT_EQ(skirtTips, layout.radials);
        EXPECT_EQ(feeds, layout.feed == FeedLayout::Axial ? 1 : layout.radials);
    }
}

// nec2c's own segment table: every wire joined except the disc and skirt
// tips, segments no longer than a tenth of a wavelength at the highest
// frequency nor shorter than two radii, and joined segments at most twice as
// long as each other.
TEST(Model, Nec2cJoinsEveryWireWithinTheSegmentRules) {
    const auto dims = discone::test::design(146);
    const double tenth = 0.1 * 299.792458 / 1460;
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.radials);
        const Model model = buildModel(dims, {layout.radials, 2, layout.feed}, 1460);
        const std::string output = Nec2c().run(deck(model, {"geometry"}, {146, 1, 1}), {}, {});
        std::istringstream out(output);
        std::string line;
        while (std::getline(out, line) && line.find("SEGMENTATION DATA") == std::string::npos) {
        }
        for (int i = 0; i < 5 && std::getline(out, line); ++i) {
        }
        std::map<int, double> length;
        std::map<int, std::pair<int, int>> joins;
        while (std::getline(out, line)) {
            std::istringstream row(line);
            int seg, before, self, after;
            double x, y, z, len, alpha, beta, r;
            if (!(row >> seg >> x >> y >> z >> len >> alpha >> beta >> r >> before >> self >>
                  after))
                break;
            EXPECT_LE(len - kPrinted, tenth);
            EXPECT_GE(len + kPrinted, 2 * r);
            length[seg] = len;
            joins[seg] = {before, after};
        }
        int freeEnds = 0;
        for (const auto& [seg, ends] : joins) {
            for (int other : {ends.first, ends.second}) {
                if (other == 0) {
                    ++freeEnds;
                    continue;
                }
                // nec2c prints lengths to 0.1 mm.
                const double a = length[seg], b = length.at(std::abs(other));
                EXPECT_LE((a - kPrinted) / (b + kPrinted), 2) << seg;
                EXPECT_LE((b - kPrinted) / (a + kPrinted), 2) << seg;
            }
        }
        EXPECT_EQ(freeEnds, 2 * layout.radials);
        EXPECT_EQ(output.find("WARNING"), std::string::npos);
    }
}

// Wires NEC-2 cannot model are refused with a one-line reason, not modelled
// wrongly. The 146 MHz design has a top of 0.672 in (17.07 mm) and a gap of
// 0.2017 in (5.12 mm), so the feed segment is 5.12 mm long.
TEST(Model, RefusesWhatTheThinWireRulesForbid) {
    struct Case {
        int radials;
        double diameterMm;
        double highestMHz;
        const char* message;
    };
    const Case cases[] = {
        {16, 17.5, 1460, "cone's top"},           // thicker than the top ring
        {16, 5.5, 1460, "two wire radii"},        // 5.12 mm feed < 2 radii
        {16, 5.0, 2000, "thin-wire model"},       // 2 pi a = 0.105 wavelength at 2 GHz
        {16, 1.0, 6000, "tenth of a wavelength"}, // 5.12 mm > 5.0 mm at 6 GHz
        {2, 2.0, 1460, "number of wires"},        {65, 2.0, 1460, "number of wires"},
        {16, 0.04, 1460, "wire diameter"},        {16, 2.0, 100, "highest frequency"},
    };
    const auto dims = discone::test::design(146);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            buildModel(dims, {c.radials, c.diameterMm}, c.highestMHz);
            ADD_FAILURE() << "accepted";
        } catch (const ModelError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos);
        }
    }
    // Just inside the limits: 3 mm wire, shortest segment 3.3 mm.
    EXPECT_NO_THROW(buildModel(dims, {16, 3.0}, 1460));
}
