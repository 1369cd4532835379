// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The designed discone as a NEC-2 wire model in free space, in metres, for
// the rods builders use, thin or thick.
//
// The disc is N rods, the cone N rods from where they fit to the skirt. Near
// the feed the metal that closes the disc's centre and the cone's top (a
// plate, a hub) is modelled as thin radial wires of the feed region's radius
// p = min(rod radius, gap / 8). Rods start at r_in = max(top-ring radius,
// 3 N a / 2 pi), so that their centres are at least three radii apart;
// where r_in is beyond the top ring the disc's rods start on a hub of that
// radius and the cone's rods after a thin collar reaching it. Segments grow
// by at most half again from one to the next, starting from half the gap,
// up to a tenth of a wavelength at the highest frequency; a rod's segments
// are at least 4 radii long (its first at least 8) where the wavelength
// allows. The thin-wire kernel is used throughout.
//
// Two feeds give the same antenna (docs/nec-model.md):
// - Cage: in each sector a thin wire crosses the gap at radius p and bends
//   into that sector's hub and plate wires, so one sector repeated N times
//   around the axis describes everything and NEC-2 can use rotational
//   symmetry; N such wires of radius p / N act as one pin of radius p. The
//   N sources are driven together. This is the sweep's fast model.
// - Axial: one pin of radius p on the axis, meeting the N hub and plate
//   wires there, with the deck's only source, after the repeated sectors
//   (NEC-2 then solves the whole structure at once). The deck users open.
#pragma once

#include "dimensions.h"
#include "numtext.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace discone::nec {

// A model the wire rules do not allow; the message is one line saying which
// limit and what would fit, its numbers in the user's words.
class ModelError : public std::runtime_error {
public:
    // Text, with numbers between the pieces: a piece with a number is written
    // as its text followed by the number to `digits` significant digits.
    struct Piece {
        std::string text;
        double number = 0;
        int digits = 0; // 0: no number
    };
    explicit ModelError(std::vector<Piece> pieces);
    // The message with the given separators; what() has a point.
    std::string message(const Separators& sep) const;

private:
    std::vector<Piece> pieces_;
};

enum class FeedLayout { Cage, Axial };

inline constexpr int kMinimumRadials = 3;
inline constexpr int kMaximumRadials = 64;
inline constexpr int kDefaultRadials = 16;
inline constexpr double kDefaultWireDiameterMm = 2;
// Thinner than any wire an antenna is built from; far thinner wires only
// break NEC-2's arithmetic.
inline constexpr double kMinimumWireDiameterMm = 0.05;
// NEC-2's thin-wire model holds up to this 2 pi radius / wavelength.
inline constexpr double kThinWireLimit = 0.15;

struct ModelOptions {
    int radials = kDefaultRadials;                  // rods in the disc and in the cone
    double wireDiameterMm = kDefaultWireDiameterMm; // the rods'
    FeedLayout feed = FeedLayout::Cage;
    double segmentScale = 1; // every segment's length times this, to check convergence
};

struct Point {
    double x = 0, y = 0, z = 0; // metres
};

// One GW card: a straight wire of one segment or of equal segments.
struct Wire {
    Point start, end;
    int segments = 1;
    double radius = 0; // metres
};

enum class Part { Feed, Hub, Disc, Plate, Collar, Cone };

struct Model {
    // The listed wires get tags 1, 2, ... in this order: one sector along the
    // x axis, repeated `copies` times around the z axis (GR card), copy k
    // adding k * wires.size() to the tags.
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
    double rodRadius = 0;
    double feedRadius = 0; // p: the pin, the plate, the hub and the collar
    double discRadius = 0, discHeight = 0;
    double topRadius = 0, coneTopHeight = 0;
    double skirtRadius = 0;
    double rodStart = 0;   // r_in: where the rods start
    double highestMHz = 0; // the segments are fitted up to this frequency

    double gap() const { return discHeight - coneTopHeight; }
    // The cone's wire from the top ring to the skirt, as a builder cuts it.
    double coneWireLength() const;
    // True where the rods need a hub (and a collar) wider than the top ring.
    bool needsHub() const { return rodStart > topRadius * (1 + 1e-9); }
};

inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kLightMetresMHz = 299.792458; // wavelength in m times MHz

// Throws ModelError for options or wires outside the model's rules, and for
// a highest frequency below the design's lowest.
Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz);

// The highest frequency the rods allow (the thin-wire limit, and the feed
// gap's tenth of a wavelength), for sweeps that stop there.
double highestModelledMHz(const DisconeDimensions& dims, const ModelOptions& options);

// Every wire of the antenna, the copies expanded, in tag order.
std::vector<Wire> allWires(const Model& model);

} // namespace discone::nec
