// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The designed discone as a NEC-2 wire model in free space, in metres.
//
// The disc is N radial wires, the cone N wires from the top ring to the skirt,
// joined to the axis by N short hub wires at the top ring's height, and the
// feed is a one-segment wire across the disc-to-cone gap carrying the voltage
// source. Segments are fitted to the highest frequency the model is used at;
// a wire too thick for NEC-2's thin-wire rules is refused with ModelError.
//
// Two feed layouts give the same antenna (docs/nec-model.md):
// - Axial: one feed wire on the axis, after the sectors (no symmetry).
// - Bundle: the feed split into N wires a tenth of a wire radius off the
//   axis, so one sector (feed, disc radial, hub, cone wire) repeated N times
//   around the axis describes everything and NEC-2 can use rotational
//   symmetry. The N feeds are driven together; in that symmetric drive they
//   act as one wire on the axis carrying their summed current.
#pragma once

#include "dimensions.h"

#include <stdexcept>
#include <vector>

namespace discone::nec {

// A model the thin-wire rules do not allow; the message is one line saying
// which limit and what to change.
class ModelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FeedLayout {
    Automatic, // Bundle from kBundleMinimumRadials wires up, Axial below
    Axial,
    Bundle,
};

// Below this many wires the bundle feed drifts from the axial one (a few
// percent at 8 wires, more at 3), and the axial model is cheap anyway.
inline constexpr int kBundleMinimumRadials = 8;
inline constexpr int kMinimumRadials = 3;
inline constexpr int kMaximumRadials = 64;
inline constexpr int kDefaultRadials = 16;
inline constexpr double kDefaultWireDiameterMm = 2;
// Thinner than any wire an antenna is built from; far thinner wires only
// break NEC-2's arithmetic.
inline constexpr double kMinimumWireDiameterMm = 0.05;

struct ModelOptions {
    int radials = kDefaultRadials;                  // wires in the disc and in the cone
    double wireDiameterMm = kDefaultWireDiameterMm; // every wire, feed included
    FeedLayout feed = FeedLayout::Automatic;
};

struct Point {
    double x = 0, y = 0, z = 0; // metres
};

// One GW card: a straight wire of equal segments.
struct Wire {
    Point start, end;
    int segments = 1;
    double radius = 0; // metres
};

enum class Part { Feed, Disc, Hub, Cone };

struct Model {
    // The listed wires get tags 1, 2, ... in this order. With copies > 1 they
    // are one sector, repeated `copies` times around the z axis (GR card),
    // copy k adding k * wires.size() to the tags.
    std::vector<Wire> wires;
    std::vector<Part> parts; // what each listed wire belongs to
    int copies = 1;
    // Wires on the axis, listed after the copies and tagged on from them. They
    // belong to no sector, so NEC-2 solves the whole structure at once.
    std::vector<Wire> axis;
    // Tags whose first segment carries a 1 V source; all are driven at once
    // and the antenna's impedance is 1 V over the sum of their currents.
    std::vector<int> sourceTags;

    // The antenna the wires describe, metres; the skirt lies at z = 0.
    int radials = 0;
    double wireRadius = 0;
    double discRadius = 0, discHeight = 0;
    double topRadius = 0, coneTopHeight = 0;
    double skirtRadius = 0;
    double feedOffset = 0; // radius of the feed wires (0 on the axis)
    double highestMHz = 0; // the segments are fitted up to this frequency
};

inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kLightMetresMHz = 299.792458; // wavelength in m times MHz

// Throws ModelError for options or wires outside NEC-2's rules, and for a
// highest frequency below the design's lowest.
Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz);

// Every wire of the antenna, the copies expanded, in tag order.
std::vector<Wire> allWires(const Model& model);

} // namespace discone::nec
