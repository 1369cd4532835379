// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace discone::nec {

namespace {

// The model's rules (docs/nec-model.md gives the measurements behind them).
constexpr double kLongestSegment = 0.1; // wavelengths
constexpr double kGrowth = 1.5;         // a segment at most this much longer than the one before
constexpr double kShortestSegment = 4;  // radii, at least, per segment
constexpr double kFirstRodSegment = 8;  // rod radii, at least, for a rod's first segment
constexpr double kRodSpacing = 3;       // rod radii, at least, between rod centres
constexpr double kFeedFraction = 8;     // the feed region's radius is at most gap / this

// Segment lengths along a piece of `length` entered from a segment of
// `previous`: each at most kGrowth times the one before and at most
// `longest`; a rod's first at least `firstAtLeast`. All are scaled down
// together to fit; a piece whose first segment then falls below `atLeast`
// takes fewer, equal ones.
std::vector<double> graded(double length, double previous, double longest, double atLeast,
                           double firstAtLeast = 0) {
    std::vector<double> segments;
    double s = std::max(std::min(kGrowth * previous, longest), std::min(firstAtLeast, longest));
    double total = 0;
    for (;;) {
        segments.push_back(s);
        total += s;
        if (total >= length * (1 - 1e-9))
            break;
        s = std::min(kGrowth * s, longest);
    }
    for (double& x : segments)
        x *= length / total;
    if (segments.front() < atLeast && segments.size() > 1) {
        auto n = segments.size() - 1;
        while (n > 1 && length / static_cast<double>(n) < atLeast)
            --n;
        segments.assign(n, length / static_cast<double>(n));
    }
    return segments;
}

// Equal segments along a piece of the feed region, as near `wanted` as the
// piece allows: no longer than `longest`, no shorter than `atLeast`.
std::vector<double> beside(double length, double wanted, double longest, double atLeast) {
    auto n = std::max<long>(1, std::lround(length / wanted));
    while (length / static_cast<double>(n) > longest)
        ++n;
    while (n > 1 && length / static_cast<double>(n) < atLeast)
        --n;
    return std::vector<double>(static_cast<std::size_t>(n), length / static_cast<double>(n));
}

Point along(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
}

// Adds a piece as runs of equal segments, one GW card each; returns the
// length of its last segment.
double add(Model& m, Part part, Point a, Point b, double radius,
           const std::vector<double>& segments) {
    const double length = distance(a, b);
    double done = 0;
    for (std::size_t i = 0; i < segments.size();) {
        std::size_t j = i;
        double run = 0;
        while (j < segments.size() && std::abs(segments[j] - segments[i]) <= 1e-9 * length) {
            run += segments[j];
            ++j;
        }
        const Point from = along(a, b, done / length);
        done += run;
        const Point to = j == segments.size() ? b : along(a, b, done / length);
        m.wires.push_back({from, to, static_cast<int>(j - i), radius});
        m.parts.push_back(part);
        i = j;
    }
    return segments.back();
}

} // namespace

Model measures(const DisconeDimensions& dims, const ModelOptions& options) {
    Model m;
    const int n = options.radials;
    m.radials = n;
    m.copies = n;
    const double a = options.wireDiameterMm / 2000;
    m.rodRadius = a;
    m.discRadius = dims.DiscDiameter / 2 * kMetresPerInch;
    m.discHeight = dims.HeightToDisc * kMetresPerInch;
    m.topRadius = dims.MinimumDiameter / 2 * kMetresPerInch;
    m.skirtRadius = dims.SkirtDiameter / 2 * kMetresPerInch;
    m.coneTopHeight = m.discHeight - dims.DiscSpacing * kMetresPerInch;
    m.feedRadius = std::min(a, m.gap() / kFeedFraction);
    m.rodStart = std::max(m.topRadius, kRodSpacing * n * a / (2 * std::numbers::pi));
    return m;
}

FeedLayout feedFor(const Model& measures, FeedLayout asked) {
    if (asked != FeedLayout::Auto)
        return asked;
    const bool cageAgrees = measures.radials >= kCageLeastRods &&
                            measures.gap() <= kCageThinnestFeed * measures.feedRadius * (1 + 1e-9);
    return cageAgrees ? FeedLayout::Cage : FeedLayout::Axial;
}

Model withWires(Model m, FeedLayout feed, double fittedMHz, double segmentScale) {
    m.feed = feed;
    m.fittedMHz = fittedMHz;
    const int n = m.radials;
    const double a = m.rodRadius, p = m.feedRadius, gap = m.gap();
    const double longest = kLongestSegment * kLightMetresMHz / fittedMHz * segmentScale;

    // One sector along the x axis. The cage's feed wire is its first wire, at
    // radius p; the axial feed starts the hub and plate wires on the axis.
    // The source's segment is the gap itself in every model, so that halving
    // the others leaves the feed as it is; those beside it are as long as
    // it where the wires allow.
    const bool cage = feed == FeedLayout::Cage;
    const double r0 = cage ? p : 0;
    const double zd = m.discHeight, zc = m.coneTopHeight;
    if (cage)
        add(m, Part::Feed, {r0, 0, zc}, {r0, 0, zd}, p / n, {gap});
    const double wanted = gap * segmentScale, feedShortest = kShortestSegment * p;
    const double hubEnd = add(m, Part::Hub, {r0, 0, zd}, {m.rodStart, 0, zd}, p,
                              beside(m.rodStart - r0, wanted, longest, feedShortest));
    add(m, Part::Disc, {m.rodStart, 0, zd}, {m.discRadius, 0, zd}, a,
        graded(m.discRadius - m.rodStart, hubEnd, longest, kShortestSegment * a,
               kFirstRodSegment * a));
    double last = add(m, Part::Plate, {r0, 0, zc}, {m.topRadius, 0, zc}, p,
                      beside(m.topRadius - r0, wanted, longest, feedShortest));
    Point rods{m.topRadius, 0, zc};
    const Point skirt{m.skirtRadius, 0, 0};
    if (m.needsHub()) {
        const double t = (m.rodStart - m.topRadius) / (m.skirtRadius - m.topRadius);
        const Point collar{m.rodStart, 0, zc * (1 - t)};
        last = add(m, Part::Collar, rods, collar, p,
                   graded(distance(rods, collar), last, longest, feedShortest));
        rods = collar;
    }
    add(m, Part::Cone, rods, skirt, a,
        graded(distance(rods, skirt), last, longest, kShortestSegment * a, kFirstRodSegment * a));

    const int perSector = static_cast<int>(m.wires.size());
    if (cage) {
        for (int k = 0; k < n; ++k)
            m.sourceTags.push_back(1 + k * perSector);
    } else {
        m.axis.push_back({{0, 0, zc}, {0, 0, zd}, 1, p});
        m.sourceTags = {perSector * n + 1};
    }
    return m;
}

double Model::coneWireLength() const {
    return std::hypot(skirtRadius - topRadius, coneTopHeight);
}

int Model::segments() const {
    int n = 0;
    for (const Wire& w : wires)
        n += w.segments;
    n *= copies;
    for (const Wire& w : axis)
        n += w.segments;
    return n;
}

double estimatedSeconds(const Model& model, int directions) {
    // Measured with nec2c 1.3 on a 2.1 GHz core, doubled for a slower one:
    // filling the matrix (each matching point of one sector, or of all
    // without symmetry, against every segment), factoring it (one block per
    // sector, or the whole), the pattern (every direction against every
    // segment), and the frequency's own start.
    const double all = model.segments();
    const double sector = model.symmetric() ? all / model.copies : all;
    const double blocks = model.symmetric() ? model.copies : 1;
    const double fill = all * sector, factor = blocks * sector * sector * sector / 3;
    return 2 * (3e-7 * fill + 1.7e-9 * factor + 7e-8 * directions * all + 2e-3);
}

std::vector<Wire> allWires(const Model& model) {
    std::vector<Wire> all;
    for (int k = 0; k < model.copies; ++k) {
        const double angle = 2 * std::numbers::pi * k / model.copies;
        const double c = std::cos(angle), s = std::sin(angle);
        const auto turn = [&](Point p) { return Point{p.x * c - p.y * s, p.x * s + p.y * c, p.z}; };
        for (const Wire& w : model.wires)
            all.push_back({turn(w.start), turn(w.end), w.segments, w.radius});
    }
    all.insert(all.end(), model.axis.begin(), model.axis.end());
    return all;
}

} // namespace discone::nec
