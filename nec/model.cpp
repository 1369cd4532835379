// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace discone::nec {

namespace {

// NEC-2's wire rules (docs/nec-model.md gives the sources).
constexpr double kLongestSegment = 0.1;   // wavelengths
constexpr double kShortestSegment = 1e-3; // wavelengths
constexpr double kSegmentPerRadius = 2;   // with the extended thin-wire kernel
constexpr double kThinWire = 0.1;         // largest 2 pi radius / wavelength
constexpr double kGrowth = 2;             // neighbouring segments differ at most this much
constexpr double kBundleOffset = 0.1;     // feed wires off the axis, in wire radii
constexpr double kBundleSpacing = 0.005;  // feed wires apart, at least, in feed lengths

std::string mm(double metres) {
    return number(metres * 1000, 3) + " mm";
}

std::string mhz(double value) {
    return number(value, 6) + " MHz";
}

// Segment lengths along a wire of `length` that starts at a junction whose
// other segment is `first` long: they start equal to it and at most double
// from one to the next up to `longest`, so no junction or neighbour sees a
// jump in segment length.
std::vector<double> graded(double length, double first, double longest) {
    std::vector<double> segments;
    double rest = length;
    double previous = first;
    double step = std::min(first, longest);
    while (step < longest && rest >= 3 * step) {
        segments.push_back(step);
        rest -= step;
        previous = step;
        step = std::min(2 * step, longest);
    }
    // The rest in equal segments at most twice the one before it.
    const double cap = std::min(kGrowth * previous, longest);
    const int n = std::max(1, static_cast<int>(std::ceil(rest / cap - 1e-9)));
    segments.insert(segments.end(), n, rest / n);
    return segments;
}

// The hub lies a feed gap below the disc's inner end: its segments end where
// the disc's do, so the two close parallel wires have facing segments, as
// NEC-2 needs for closely spaced wires. A short rest joins the last segment.
std::vector<double> aligned(double length, const std::vector<double>& pattern) {
    std::vector<double> segments;
    double rest = length;
    for (double s : pattern) {
        if (rest < 1.5 * s)
            break;
        segments.push_back(s);
        rest -= s;
    }
    if (!segments.empty() && rest < 0.5 * segments.back()) {
        rest += segments.back();
        segments.pop_back();
    }
    segments.push_back(rest);
    return segments;
}

Point along(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
}

Point rotated(Point p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

class WireList {
public:
    WireList(Model& model, double radius) : model_(model), radius_(radius) {}

    // Adds the wire from a to b as runs of equal segments, one GW card each;
    // returns the length of its last segment.
    double add(Part part, Point a, Point b, const std::vector<double>& segments) {
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
            model_.wires.push_back({from, to, static_cast<int>(j - i), radius_});
            model_.parts.push_back(part);
            shortest_ = std::min(shortest_, segments[i]);
            i = j;
        }
        return segments.back();
    }
    double shortest() const { return shortest_; }

private:
    Model& model_;
    double radius_;
    double shortest_ = INFINITY;
};

void check(bool ok, const std::string& message) {
    if (!ok)
        throw ModelError(message);
}

} // namespace

Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz) {
    check(options.radials >= kMinimumRadials && options.radials <= kMaximumRadials,
          "the number of wires must be from " + std::to_string(kMinimumRadials) + " to " +
              std::to_string(kMaximumRadials));
    check(std::isfinite(options.wireDiameterMm) && options.wireDiameterMm >= kMinimumWireDiameterMm,
          "the wire diameter must be at least " + number(kMinimumWireDiameterMm) + " mm");
    const double designMHz = dims.LowestFrequency;
    check(std::isfinite(designMHz) && designMHz > 0 && dims.DiscSpacing > 0 &&
              dims.MinimumDiameter > dims.DiscSpacing &&
              dims.SkirtDiameter > dims.MinimumDiameter &&
              dims.DiscDiameter > dims.MinimumDiameter && dims.HeightToDisc > dims.DiscSpacing,
          "the dimensions do not describe a discone");
    check(std::isfinite(highestMHz) && highestMHz >= designMHz,
          "the highest frequency must not be below the design frequency " + mhz(designMHz));

    Model m;
    m.radials = options.radials;
    m.highestMHz = highestMHz;
    m.wireRadius = options.wireDiameterMm / 2000;
    m.discRadius = dims.DiscDiameter / 2 * kMetresPerInch;
    m.discHeight = dims.HeightToDisc * kMetresPerInch;
    m.topRadius = dims.MinimumDiameter / 2 * kMetresPerInch;
    m.skirtRadius = dims.SkirtDiameter / 2 * kMetresPerInch;
    const double gap = dims.DiscSpacing * kMetresPerInch;
    m.coneTopHeight = m.discHeight - gap;
    const double a = m.wireRadius;
    const double shortestWave = kLightMetresMHz / highestMHz;
    const double longestWave = kLightMetresMHz / designMHz;
    const double longest = kLongestSegment * shortestWave;

    check(a < m.topRadius, "a wire " + mm(2 * a) + " across is not thinner than the cone's top (" +
                               mm(2 * m.topRadius) + "): use a thinner wire");
    check(2 * std::numbers::pi * a <= kThinWire * shortestWave,
          "a wire " + mm(2 * a) + " across is too thick for the thin-wire model at " +
              mhz(highestMHz) + ": use a wire thinner than " +
              mm(kThinWire * shortestWave / std::numbers::pi) + " or a lower highest frequency");
    check(gap <= longest, "the feed gap of " + mm(gap) +
                              " is longer than a tenth of a wavelength at " + mhz(highestMHz) +
                              ": sweep to at most " + mhz(kLongestSegment * kLightMetresMHz / gap));
    check(gap >= kShortestSegment * longestWave,
          "the feed gap of " + mm(gap) + " is shorter than a thousandth of a wavelength at " +
              mhz(designMHz));

    const int n = options.radials;
    const bool bundle = options.feed == FeedLayout::Bundle ||
                        (options.feed == FeedLayout::Automatic && n >= kBundleMinimumRadials);
    m.feedOffset =
        bundle ? std::max(kBundleOffset * a, kBundleSpacing * gap * n / (2 * std::numbers::pi)) : 0;
    const double r0 = m.feedOffset;
    const double zd = m.discHeight, zc = m.coneTopHeight;
    WireList b(m, a);

    // One sector along the x axis, repeated around it. The bundle's feed wire
    // belongs to the sector; the axial feed is listed after the copies.
    if (bundle)
        b.add(Part::Feed, {r0, 0, zc}, {r0, 0, zd}, {gap});
    const auto disc = graded(m.discRadius - r0, gap, longest);
    b.add(Part::Disc, {r0, 0, zd}, {m.discRadius, 0, zd}, disc);
    const double hubEnd =
        b.add(Part::Hub, {r0, 0, zc}, {m.topRadius, 0, zc}, aligned(m.topRadius - r0, disc));
    const Point top{m.topRadius, 0, zc}, skirt{m.skirtRadius, 0, 0};
    b.add(Part::Cone, top, skirt, graded(distance(top, skirt), hubEnd, longest));
    m.copies = n;
    const int perSector = static_cast<int>(m.wires.size());
    if (bundle) {
        for (int k = 0; k < n; ++k)
            m.sourceTags.push_back(1 + k * perSector);
    } else {
        m.axis.push_back({{0, 0, zc}, {0, 0, zd}, 1, a});
        m.sourceTags = {perSector * n + 1};
    }

    check(b.shortest() >= kSegmentPerRadius * a,
          "a wire " + mm(2 * a) + " across is too thick for a segment of " + mm(b.shortest()) +
              " (NEC-2 needs segments of at least two wire radii): use a wire at most " +
              mm(b.shortest()) + " across");
    return m;
}

std::vector<Wire> allWires(const Model& model) {
    std::vector<Wire> all;
    for (int k = 0; k < model.copies; ++k) {
        const double angle = 2 * std::numbers::pi * k / model.copies;
        for (const Wire& w : model.wires)
            all.push_back({rotated(w.start, angle), rotated(w.end, angle), w.segments, w.radius});
    }
    all.insert(all.end(), model.axis.begin(), model.axis.end());
    return all;
}

} // namespace discone::nec
