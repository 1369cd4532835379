// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The designed discone as a NEC-2 wire model in free space, in metres, for
// the rods builders use, thin or thick, and every limit the model keeps.
//
// The disc is N rods, the cone N rods from where they fit to the skirt. Near
// the feed the metal that closes the disc's centre and the cone's top (a
// plate, a hub) is modelled as thin radial wires of the feed region's radius
// p = min(rod radius, gap / 8). Rods start at r_in = max(top-ring radius,
// 3 N a / 2 pi), so that their centres are at least three radii apart;
// where r_in is beyond the top ring the disc's rods start on a hub of that
// radius and the cone's rods after a thin collar reaching it.
//
// Segments: the source's segment is the gap itself; the feed region's
// segments are as long as it where the wires allow and never shorter than 4
// of their radii; from there segments grow by at most half again, up to a
// tenth of a wavelength at the frequency they are fitted to; a rod's
// segments are at least 4 radii long (its first at least 8) where the
// wavelength allows. Models are fitted to the top of a fixed step of
// frequencies counted from the design frequency, so that a frequency has
// the same model in every sweep. The thin-wire kernel is used throughout.
//
// Two feeds (docs/nec-model.md):
// - Axial: one pin of radius p on the axis, meeting the N hub and plate
//   wires there, with the deck's only source, after the repeated sectors
//   (NEC-2 then solves the whole structure at once). The reference, and the
//   deck users open.
// - Cage: in each sector a thin wire crosses the gap at radius p and bends
//   into that sector's hub and plate wires, so one sector repeated N times
//   describes everything and NEC-2 can use rotational symmetry; N such wires
//   of radius p / N act as one pin of radius p. Used only where it agrees
//   with the axial pin: many rods and a feed region not much thinner than
//   the gap.
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

enum class FeedLayout { Auto, Cage, Axial };

inline constexpr int kMinimumRadials = 3;
inline constexpr int kMaximumRadials = 64;
inline constexpr int kDefaultRadials = 16;
inline constexpr double kDefaultWireDiameterMm = 2;
// Thinner than any wire an antenna is built from; far thinner wires only
// break NEC-2's arithmetic.
inline constexpr double kMinimumWireDiameterMm = 0.05;
// NEC-2's thin-wire model holds up to this 2 pi radius / wavelength.
inline constexpr double kThinWireLimit = 0.15;
// A sweep's frequencies.
inline constexpr int kMinimumPoints = 2;
inline constexpr int kMaximumPoints = 1000;
inline constexpr int kDefaultPoints = 101;
inline constexpr double kDefaultSpan = 10; // the highest frequency over the design frequency
// The most nec2c work one frequency may take, in seconds of the estimate
// (a slow core); runs are stopped at ten times their estimate.
inline constexpr double kMostSecondsPerFrequency = 2;

struct ModelOptions {
    int radials = kDefaultRadials;                  // rods in the disc and in the cone
    double wireDiameterMm = kDefaultWireDiameterMm; // the rods'
    FeedLayout feed = FeedLayout::Auto;             // Auto: the cage where it agrees, else the pin
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
    FeedLayout feed = FeedLayout::Cage; // the one used: Cage or Axial

    // The antenna the wires describe, metres; the skirt lies at z = 0.
    int radials = 0;
    double rodRadius = 0;
    double feedRadius = 0; // p: the pin, the plate, the hub and the collar
    double discRadius = 0, discHeight = 0;
    double topRadius = 0, coneTopHeight = 0;
    double skirtRadius = 0;
    double rodStart = 0;  // r_in: where the rods start
    double fittedMHz = 0; // the segments are fitted up to this frequency

    double gap() const { return discHeight - coneTopHeight; }
    // The cone's wire from the top ring to the skirt, as a builder cuts it.
    double coneWireLength() const;
    // True where the rods need a hub (and a collar) wider than the top ring.
    bool needsHub() const { return rodStart > topRadius * (1 + 1e-9); }
    // Segments in all: one sector's times the copies, and the axis'.
    int segments() const;
    // Whether NEC-2 solves it by sectors (no wire on the axis).
    bool symmetric() const { return axis.empty(); }
};

inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kLightMetresMHz = 299.792458; // wavelength in m times MHz

// Throws ModelError, the first limit broken for a model of frequencies up to
// `highestMHz` (at least the design frequency; 0: a default sweep, which
// stops where the limits do): the rods, the design, the hub, the thin-wire
// model, the feed gap, and the work one frequency takes. Each message says
// what would fit, every limit considered: each value it suggests is
// accepted when used.
void checkModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz);

// The same, and a sweep's own: a highest frequency given is above the design
// frequency, and from kMinimumPoints to kMaximumPoints points.
void checkSweep(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz,
                int points);

// The model of a frequency, or of frequencies up to it, checked as
// checkModel does; its segments fitted to fittedMHz(mhz).
Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double mhz);

// The frequency a model for `mhz` has its segments fitted to: the top of the
// step that holds it, the steps growing by kModelStep from the design
// frequency, and no higher than highestModelledMHz.
double fittedMHz(const DisconeDimensions& dims, const ModelOptions& options, double mhz);
inline constexpr double kModelStep = 1.2589254117941673; // a tenth of a decade

// The highest frequency every limit allows these rods (4 significant
// digits, rounded down), for sweeps that stop there; 0 where not even the
// design frequency is allowed.
double highestModelledMHz(const DisconeDimensions& dims, const ModelOptions& options);

// What keeps these rods from being modelled just above `mhz`, in words that
// end a sentence ("NEC-2's thin-wire model ends for these rods"); empty
// where nothing does.
std::string limitAbove(const DisconeDimensions& dims, const ModelOptions& options, double mhz);

// The rods' diameter where the user gives none: 2 mm where the model takes
// it up to `highestMHz` (0: the default sweep), otherwise the thickest it
// takes, rounded down to two significant digits; 0 where none fits.
double defaultWireDiameterMm(const DisconeDimensions& dims, int radials, double highestMHz);

// The estimated seconds nec2c takes for one frequency of `model`, with
// `directions` pattern directions, on a slow core.
double estimatedSeconds(const Model& model, int directions);

// Every wire of the antenna, the copies expanded, in tag order.
std::vector<Wire> allWires(const Model& model);

} // namespace discone::nec
