// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace discone::nec {

namespace {

// The model's rules (docs/nec-model.md gives the measurements behind them).
constexpr double kLongestSegment = 0.1;   // wavelengths
constexpr double kShortestSegment = 1e-3; // wavelengths
constexpr double kGrowth = 1.5;           // a segment at most this much longer than the one before
constexpr double kRodSegment = 4;         // rod radii, at least, per rod segment
constexpr double kFirstRodSegment = 8;    // rod radii, at least, for a rod's first segment
constexpr double kRodSpacing = 3;         // rod radii, at least, between rod centres
constexpr double kFeedFraction = 8;       // the feed region's radius is at most gap / this
constexpr double kLargestHub = 0.25;      // of the disc's radius

using Pieces = std::vector<ModelError::Piece>;

ModelError::Piece mm(std::string text, double metres) {
    return {std::move(text), metres * 1000, 3};
}

ModelError::Piece mhz(std::string text, double value) {
    return {std::move(text), value, 4};
}

ModelError::Piece words(std::string text) {
    return {std::move(text), 0, 0};
}

// Segment lengths along a piece of `length` entered from a segment of
// `previous`: each at most kGrowth times the one before and at most
// `longest`; a rod's first at least `firstAtLeast`. All are scaled down
// together to fit; a rod whose first segment then falls below `atLeast`
// takes fewer, equal ones.
std::vector<double> graded(double length, double previous, double longest, double atLeast = 0,
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
    if (atLeast > 0 && segments.front() < atLeast && segments.size() > 1) {
        auto n = segments.size() - 1;
        while (n > 1 && length / static_cast<double>(n) < atLeast)
            --n;
        segments.assign(n, length / static_cast<double>(n));
    }
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

void check(bool ok, Pieces message) {
    if (!ok)
        throw ModelError(std::move(message));
}

} // namespace

ModelError::ModelError(std::vector<Piece> pieces)
    : std::runtime_error([&] {
          std::string text;
          for (const Piece& p : pieces)
              text += p.text + (p.digits > 0 ? significantText(p.number, p.digits, {".", ""}) : "");
          return text;
      }()),
      pieces_(std::move(pieces)) {}

std::string ModelError::message(const Separators& sep) const {
    std::string text;
    for (const Piece& p : pieces_)
        text += p.text + (p.digits > 0 ? significantText(p.number, p.digits, sep) : "");
    return text;
}

double Model::coneWireLength() const {
    return std::hypot(skirtRadius - topRadius, coneTopHeight);
}

double highestModelledMHz(const DisconeDimensions& dims, const ModelOptions& options) {
    const double a = options.wireDiameterMm / 2000;
    const double gap = dims.DiscSpacing * kMetresPerInch;
    return std::min(kThinWireLimit * kLightMetresMHz / (2 * std::numbers::pi * a),
                    kLongestSegment * kLightMetresMHz / gap);
}

Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz) {
    check(options.radials >= kMinimumRadials && options.radials <= kMaximumRadials,
          {{"the number of rods must be from ", kMinimumRadials, 2}, {" to ", kMaximumRadials, 2}});
    check(std::isfinite(options.wireDiameterMm) && options.wireDiameterMm >= kMinimumWireDiameterMm,
          {{"the rods' diameter must be at least ", kMinimumWireDiameterMm, 2}, words(" mm")});
    const double designMHz = dims.LowestFrequency;
    check(std::isfinite(designMHz) && designMHz > 0 && dims.DiscSpacing > 0 &&
              dims.MinimumDiameter > dims.DiscSpacing &&
              dims.SkirtDiameter > dims.MinimumDiameter &&
              dims.DiscDiameter > dims.MinimumDiameter && dims.HeightToDisc > dims.DiscSpacing,
          {words("the dimensions do not describe a discone")});
    check(std::isfinite(highestMHz) && highestMHz >= designMHz,
          {mhz("the highest frequency must not be below the design frequency ", designMHz),
           words(" MHz")});

    Model m;
    const int n = options.radials;
    m.radials = n;
    m.copies = n;
    m.highestMHz = highestMHz;
    const double a = options.wireDiameterMm / 2000;
    m.rodRadius = a;
    m.discRadius = dims.DiscDiameter / 2 * kMetresPerInch;
    m.discHeight = dims.HeightToDisc * kMetresPerInch;
    m.topRadius = dims.MinimumDiameter / 2 * kMetresPerInch;
    m.skirtRadius = dims.SkirtDiameter / 2 * kMetresPerInch;
    const double gap = dims.DiscSpacing * kMetresPerInch;
    m.coneTopHeight = m.discHeight - gap;
    m.feedRadius = std::min(a, gap / kFeedFraction);
    m.rodStart = std::max(m.topRadius, kRodSpacing * n * a / (2 * std::numbers::pi));
    const double p = m.feedRadius;
    const double scale = options.segmentScale;
    const double longest = kLongestSegment * kLightMetresMHz / highestMHz * scale;

    const double thinTop = kThinWireLimit * kLightMetresMHz / (2 * std::numbers::pi * a);
    check(highestMHz <= thinTop,
          {mm("rods ", 2 * a),
           mhz(" mm across are too thick for NEC-2's thin-wire model above ", thinTop),
           mhz(" MHz: sweep to at most ", thinTop),
           mm(" MHz, or use rods at most ",
              kThinWireLimit * kLightMetresMHz / highestMHz / std::numbers::pi),
           words(" mm across")});
    const double gapTop = kLongestSegment * kLightMetresMHz / gap;
    check(highestMHz <= gapTop, {mm("the feed gap of ", gap),
                                 mhz(" mm is longer than a tenth of a wavelength above ", gapTop),
                                 mhz(" MHz: sweep to at most ", gapTop), words(" MHz")});
    check(gap >= kShortestSegment * kLightMetresMHz / designMHz,
          {mm("the feed gap of ", gap),
           mhz(" mm is shorter than a thousandth of a wavelength at ", designMHz), words(" MHz")});
    // Rods too thick or too many for their centres to stand three radii
    // apart around a hub of at most half the disc.
    const double largestHub = kLargestHub * m.discRadius;
    const int fitting =
        static_cast<int>(std::floor(largestHub * 2 * std::numbers::pi / (kRodSpacing * a)));
    const double thickest = 2 * largestHub * 2 * std::numbers::pi / (kRodSpacing * n);
    check(m.rodStart <= largestHub,
          {{std::to_string(n) + " rods ", 2 * a * 1000, 3},
           mm(" mm across need a hub ", 2 * m.rodStart),
           mm(" mm across, more than half the disc's ", 2 * m.discRadius),
           words(fitting >= kMinimumRadials
                     ? " mm: use at most " + std::to_string(fitting) + " rods of that size, or"
                     : " mm: use"),
           mm(" rods at most ", thickest),
           words(" mm across")});

    // One sector along the x axis. The cage's feed wire is its first wire, at
    // radius p; the axial feed starts the hub and plate wires on the axis.
    const bool cage = options.feed == FeedLayout::Cage;
    const double r0 = cage ? p : 0;
    const double zd = m.discHeight, zc = m.coneTopHeight;
    if (cage)
        add(m, Part::Feed, {r0, 0, zc}, {r0, 0, zd}, p / n, {gap});
    const double start = gap / 2 * scale;
    const double hubEnd = add(m, Part::Hub, {r0, 0, zd}, {m.rodStart, 0, zd}, p,
                              graded(m.rodStart - r0, start, longest));
    add(m, Part::Disc, {m.rodStart, 0, zd}, {m.discRadius, 0, zd}, a,
        graded(m.discRadius - m.rodStart, hubEnd, longest, kRodSegment * a, kFirstRodSegment * a));
    double last = add(m, Part::Plate, {r0, 0, zc}, {m.topRadius, 0, zc}, p,
                      graded(m.topRadius - r0, start, longest));
    Point rods{m.topRadius, 0, zc};
    const Point skirt{m.skirtRadius, 0, 0};
    if (m.needsHub()) {
        const double t = (m.rodStart - m.topRadius) / (m.skirtRadius - m.topRadius);
        const Point collar{m.rodStart, 0, zc * (1 - t)};
        last = add(m, Part::Collar, rods, collar, p, graded(distance(rods, collar), last, longest));
        rods = collar;
    }
    add(m, Part::Cone, rods, skirt, a,
        graded(distance(rods, skirt), last, longest, kRodSegment * a, kFirstRodSegment * a));

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
