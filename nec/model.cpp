// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Every limit of the model in one place, each message with what would fit;
// the wires themselves are geometry.cpp's.
#include "model.h"

#include "beam.h"
#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

namespace discone::nec {

namespace {

constexpr double kGapLongest = 0.1;   // wavelengths at the highest frequency
constexpr double kGapShortest = 1e-3; // wavelengths at the design frequency
constexpr double kLargestHub = 0.25;  // of the disc's diameter
constexpr double kRodSpacing = 3;     // rod radii between rod centres, as geometry.cpp keeps
constexpr int kFrequencyDigits = 4;   // of a suggested frequency
constexpr int kDiameterDigits = 3;    // of a suggested diameter
constexpr int kDefaultDigits = 2;     // of the default diameter where 2 mm does not fit

using Pieces = std::vector<ModelError::Piece>;

ModelError::Piece words(std::string text) {
    return {std::move(text), 0, 0};
}

// `value` rounded to `digits` significant digits, down or up.
double roundDown(double value, int digits) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - digits + 1);
    return std::floor(value / unit * (1 + 1e-12)) * unit;
}

double roundUp(double value, int digits) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - digits + 1);
    return std::ceil(value / unit * (1 - 1e-12)) * unit;
}

// The next value below or above on the grid of `digits` significant digits.
double stepDown(double value, int digits) {
    return roundDown(value * (1 - 1e-9), digits);
}

double stepUp(double value, int digits) {
    return roundUp(value * (1 + 1e-9), digits);
}

struct Limits {
    double thinTop = 0; // MHz: the thin-wire model's
    double gapTop = 0;  // MHz: the gap's tenth of a wavelength
    double hub = 0;     // metres: the largest hub radius
};

Limits limitsOf(const Model& m) {
    return {kThinWireLimit * kLightMetresMHz / (2 * std::numbers::pi * m.rodRadius),
            kGapLongest * kLightMetresMHz / m.gap(), kLargestHub * m.discRadius};
}

// In the order they are tried: those of the rods and the design before
// those of the frequency, which fewer or thinner rods cannot mend alone.
enum class Broken { None, Radials, Diameter, Design, Below, ShortGap, Hub, ThinWire, Gap, Work };

// The frequency a check is made at: the highest asked for, or for the
// default sweep (0), which stops where the limits do, a little above the
// design frequency, as the sweep's highest is rounded down to 4 digits.
double checkedMHz(const DisconeDimensions& dims, double highestMHz) {
    return highestMHz > 0 ? highestMHz : dims.LowestFrequency * 1.001;
}

double stepTop(double designMHz, double mhz) {
    const double steps = std::ceil(std::log(mhz / designMHz) / std::log(kModelStep) - 1e-9);
    return designMHz * std::pow(kModelStep, std::max(1.0, steps));
}

double fittedFor(const DisconeDimensions& dims, const Model& measured, double mhz) {
    const Limits l = limitsOf(measured);
    return std::max(mhz, std::min({stepTop(dims.LowestFrequency, mhz), l.thinTop, l.gapTop}));
}

Model wired(const DisconeDimensions& dims, const ModelOptions& options, const Model& measured,
            double mhz) {
    const double fitted = fittedFor(dims, measured, mhz);
    return withWires(measured, feedFor(measured, options.feed), fitted, options.segmentScale);
}

double secondsAt(const DisconeDimensions& dims, const ModelOptions& options, const Model& measured,
                 double mhz) {
    const Model m = wired(dims, options, measured, mhz);
    const PatternRequest cuts = sphereCuts(m.radials, m.skirtRadius, m.fittedMHz);
    return estimatedSeconds(m, (static_cast<int>(std::lround(180 / cuts.thetaStepDeg)) + 1) *
                                   cuts.phiCount);
}

// The first limit broken, in the order the messages are tried.
Broken firstBroken(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz) {
    if (options.radials < kMinimumRadials || options.radials > kMaximumRadials)
        return Broken::Radials;
    if (!(std::isfinite(options.wireDiameterMm) &&
          options.wireDiameterMm >= kMinimumWireDiameterMm))
        return Broken::Diameter;
    const double designMHz = dims.LowestFrequency;
    if (!(std::isfinite(designMHz) && designMHz > 0 && dims.DiscSpacing > 0 &&
          dims.MinimumDiameter > dims.DiscSpacing && dims.SkirtDiameter > dims.MinimumDiameter &&
          dims.DiscDiameter > dims.MinimumDiameter && dims.HeightToDisc > dims.DiscSpacing))
        return Broken::Design;
    if (!(std::isfinite(highestMHz) && (highestMHz <= 0 || highestMHz >= designMHz)))
        return Broken::Below;
    const double at = checkedMHz(dims, highestMHz);
    const Model m = measures(dims, options);
    const Limits l = limitsOf(m);
    if (m.gap() < kGapShortest * kLightMetresMHz / designMHz)
        return Broken::ShortGap;
    if (m.rodStart > l.hub)
        return Broken::Hub;
    if (at > l.thinTop)
        return Broken::ThinWire;
    if (at > l.gapTop)
        return Broken::Gap;
    if (secondsAt(dims, options, m, at) > kMostSecondsPerFrequency)
        return Broken::Work;
    return Broken::None;
}

bool accepted(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz) {
    return firstBroken(dims, options, highestMHz) == Broken::None;
}

ModelOptions withDiameter(ModelOptions o, double mm) {
    o.wireDiameterMm = mm;
    return o;
}

// What would fit, every limit considered; nullopt where nothing does.

// The highest frequency accepted below `above`, rounded down.
std::optional<double> topAllowed(const DisconeDimensions& dims, const ModelOptions& options,
                                 double above) {
    double lo = dims.LowestFrequency, hi = above;
    if (!accepted(dims, options, lo))
        return std::nullopt;
    if (accepted(dims, options, hi))
        return roundDown(hi, kFrequencyDigits);
    while (hi - lo > 1e-7 * hi) {
        const double mid = std::sqrt(lo * hi);
        (accepted(dims, options, mid) ? lo : hi) = mid;
    }
    for (double f = roundDown(lo, kFrequencyDigits); f >= dims.LowestFrequency;
         f = stepDown(f, kFrequencyDigits))
        if (accepted(dims, options, f))
            return f;
    return std::nullopt;
}

// The thickest rods accepted at `highestMHz`, thinner than the ones asked.
std::optional<double> thickestAllowed(const DisconeDimensions& dims, const ModelOptions& options,
                                      double highestMHz) {
    const Model m = measures(dims, options);
    const Limits l = limitsOf(m);
    const double thinMm = 2000 * kThinWireLimit * kLightMetresMHz / checkedMHz(dims, highestMHz) /
                          (2 * std::numbers::pi);
    const double hubMm = 2000 * l.hub * 2 * std::numbers::pi / (kRodSpacing * options.radials);
    double d =
        roundDown(std::min({thinMm, hubMm, options.wireDiameterMm}) * (1 - 1e-9), kDiameterDigits);
    for (int i = 0; i < 20 && d >= kMinimumWireDiameterMm; ++i, d = stepDown(d, kDiameterDigits))
        if (accepted(dims, withDiameter(options, d), highestMHz))
            return d;
    return std::nullopt;
}

// The thinnest rods accepted at `highestMHz`, thicker than the ones asked.
std::optional<double> thinnestAllowed(const DisconeDimensions& dims, const ModelOptions& options,
                                      double highestMHz) {
    for (double d = stepUp(options.wireDiameterMm, kDiameterDigits - 1); d < 1000;
         d = stepUp(d, kDiameterDigits - 1)) {
        const Broken b = firstBroken(dims, withDiameter(options, d), highestMHz);
        if (b == Broken::None)
            return d;
        if (b == Broken::ThinWire || b == Broken::Hub)
            return std::nullopt; // thicker rods only break these more
    }
    return std::nullopt;
}

// The most rods, fewer than asked, accepted at `highestMHz`.
std::optional<int> mostRodsAllowed(const DisconeDimensions& dims, const ModelOptions& options,
                                   double highestMHz) {
    ModelOptions o = options;
    for (o.radials = options.radials - 1; o.radials >= kMinimumRadials; --o.radials)
        if (accepted(dims, o, highestMHz))
            return o.radials;
    return std::nullopt;
}

// The limit, then ": " and the suggestions joined by ", or ".
ModelError refusal(Pieces limit, std::vector<Pieces> suggestions) {
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
        limit.push_back(words(i == 0 ? ": " : ", or "));
        limit.insert(limit.end(), suggestions[i].begin(), suggestions[i].end());
    }
    return ModelError(std::move(limit));
}

ModelError refusalFor(Broken broken, const DisconeDimensions& dims, const ModelOptions& options,
                      double highestMHz) {
    const double designMHz = dims.LowestFrequency;
    const Model m = measures(dims, options);
    const Limits l = limitsOf(m);
    const double d = options.wireDiameterMm, at = checkedMHz(dims, highestMHz);
    std::vector<Pieces> advice;
    // "use" once, before the first suggestion of rods.
    bool used = false;
    const auto use = [&](std::string text) {
        return (std::exchange(used, true) ? "" : "use ") + text;
    };
    // A default sweep stops where the limits do: no highest to suggest.
    const auto sweepTo = [&] {
        if (const auto mhz = highestMHz > 0 ? topAllowed(dims, options, highestMHz) : std::nullopt)
            advice.push_back({{"sweep to at most ", *mhz, kFrequencyDigits}, words(" MHz")});
    };
    const auto rodsAtMost = [&] {
        if (const auto mm = thickestAllowed(dims, options, highestMHz))
            advice.push_back({{use("rods at most "), *mm, kDiameterDigits}, words(" mm across")});
    };
    const auto fewerRods = [&](const std::string& after) {
        if (const auto rods = mostRodsAllowed(dims, options, highestMHz))
            advice.push_back({{use("at most "), static_cast<double>(*rods), 2}, words(after)});
    };
    switch (broken) {
    case Broken::Radials:
        return ModelError({{"the number of rods must be from ", kMinimumRadials, 2},
                           {" to ", kMaximumRadials, 2}});
    case Broken::Diameter:
        return ModelError(
            {{"the rods' diameter must be at least ", kMinimumWireDiameterMm, 2}, words(" mm")});
    case Broken::Design:
        return ModelError({words("the dimensions do not describe a discone")});
    case Broken::Below:
        return ModelError(
            {{"the highest frequency must not be below the design frequency ", designMHz, 7},
             words(" MHz")});
    case Broken::ShortGap:
        return ModelError({{"the feed gap of ", 1000 * m.gap(), 3},
                           {" mm is shorter than a thousandth of a wavelength at ", designMHz, 7},
                           words(" MHz")});
    case Broken::ThinWire:
        sweepTo();
        rodsAtMost();
        return refusal({{"rods ", d, 3},
                        {" mm across are too thick for NEC-2's thin-wire model above ", l.thinTop,
                         kFrequencyDigits},
                        words(" MHz")},
                       advice);
    case Broken::Gap:
        sweepTo();
        return refusal(
            {{"the feed gap of ", 1000 * m.gap(), 3},
             {" mm is longer than a tenth of a wavelength above ", l.gapTop, kFrequencyDigits},
             words(" MHz")},
            advice);
    case Broken::Hub:
        fewerRods(" rods of that size");
        rodsAtMost();
        return refusal({{std::to_string(options.radials) + " rods ", d, 3},
                        {" mm across need a hub ", 2000 * m.rodStart, 3},
                        {" mm across to stand three radii apart, more than a quarter of the "
                         "disc's ",
                         2000 * m.discRadius, 3},
                        words(" mm")},
                       advice);
    case Broken::Work:
        sweepTo();
        if (const auto mm = thinnestAllowed(dims, options, highestMHz))
            advice.push_back({{use("rods at least "), *mm, kDiameterDigits}, words(" mm across")});
        fewerRods(" rods");
        return refusal(
            {{std::to_string(options.radials) + " rods ", d, 3},
             {" mm across up to ", at, 6},
             {" MHz take about ", secondsAt(dims, options, m, at), 2},
             {" s of nec2c's work a frequency, more than the ", kMostSecondsPerFrequency, 2},
             words(" s it may take")},
            advice);
    case Broken::None:
        break;
    }
    return ModelError({words("the model is within its limits")});
}

} // namespace

ModelError::ModelError(std::vector<Piece> pieces)
    : std::runtime_error([&] {
          std::string text;
          for (const Piece& p : pieces)
              text += p.text + (p.digits > 0 ? readableText(p.number, p.digits, {".", ""}) : "");
          return text;
      }()),
      pieces_(std::move(pieces)) {}

std::string ModelError::message(const Separators& sep) const {
    std::string text;
    for (const Piece& p : pieces_)
        text += p.text + (p.digits > 0 ? readableText(p.number, p.digits, sep) : "");
    return text;
}

void checkModel(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz) {
    if (const Broken b = firstBroken(dims, options, highestMHz); b != Broken::None)
        throw refusalFor(b, dims, options, highestMHz);
}

void checkSweep(const DisconeDimensions& dims, const ModelOptions& options, double highestMHz,
                int points) {
    // The rods and the design first, as every model's.
    if (const Broken b = firstBroken(dims, options, dims.LowestFrequency);
        b == Broken::Radials || b == Broken::Diameter || b == Broken::Design)
        throw refusalFor(b, dims, options, dims.LowestFrequency);
    if (points < kMinimumPoints || points > kMaximumPoints)
        throw ModelError({{"a sweep has from ", kMinimumPoints, 1},
                          {" to ", kMaximumPoints, 4},
                          words(" points")});
    if (highestMHz > 0 && !(highestMHz > dims.LowestFrequency))
        throw ModelError({{"the sweep's highest frequency must be above the design frequency ",
                           dims.LowestFrequency, 7},
                          words(" MHz")});
    checkModel(dims, options, highestMHz);
}

Model buildModel(const DisconeDimensions& dims, const ModelOptions& options, double mhz) {
    checkModel(dims, options, mhz);
    return wired(dims, options, measures(dims, options), checkedMHz(dims, mhz));
}

double fittedMHz(const DisconeDimensions& dims, const ModelOptions& options, double mhz) {
    return fittedFor(dims, measures(dims, options), mhz);
}

double highestModelledMHz(const DisconeDimensions& dims, const ModelOptions& options) {
    const Model m = measures(dims, options);
    const Limits l = limitsOf(m);
    if (!std::isfinite(l.thinTop) || !(dims.LowestFrequency > 0))
        return 0;
    return topAllowed(dims, options, std::min(l.thinTop, l.gapTop)).value_or(0);
}

std::string limitAbove(const DisconeDimensions& dims, const ModelOptions& options, double mhz) {
    // The sweep's top is rounded down to 4 digits, so the limit lies within a
    // step of the fourth digit above it.
    switch (firstBroken(dims, options, mhz * 1.002)) {
    case Broken::ThinWire:
        return "NEC-2's thin-wire model ends for these rods";
    case Broken::Gap:
        return "the feed gap grows too long against the wavelength";
    case Broken::Work:
        return "one frequency would take nec2c too long";
    case Broken::None:
        return {};
    default:
        return "the model's limits end for these rods";
    }
}

double defaultWireDiameterMm(const DisconeDimensions& dims, int radials, double highestMHz) {
    ModelOptions o;
    o.radials = radials;
    if (radials < kMinimumRadials || radials > kMaximumRadials)
        return 0;
    // The default sweep stops where the rods' limits do; one to a given
    // frequency must reach it.
    const auto fits = [&](double mm) {
        const ModelOptions with = withDiameter(o, mm);
        return highestMHz > 0 ? accepted(dims, with, highestMHz)
                              : highestModelledMHz(dims, with) > 0;
    };
    if (fits(kDefaultWireDiameterMm))
        return kDefaultWireDiameterMm;
    // The hub's and the thin-wire model's limits give it, unless the work
    // one frequency takes needs thinner rods still.
    const double hubMm =
        2000 * limitsOf(measures(dims, o)).hub * 2 * std::numbers::pi / (kRodSpacing * radials);
    const double thinMm = highestMHz > 0 ? 2000 * kThinWireLimit * kLightMetresMHz / highestMHz /
                                               (2 * std::numbers::pi)
                                         : INFINITY;
    double d =
        roundDown(std::min({hubMm, thinMm, kDefaultWireDiameterMm}) * (1 - 1e-9), kDefaultDigits);
    for (; d >= kMinimumWireDiameterMm; d = stepDown(d, kDefaultDigits))
        if (fits(d))
            return d;
    return 0;
}

} // namespace discone::nec
