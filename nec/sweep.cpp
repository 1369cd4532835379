// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep.h"

#include "deck.h"
#include "numbers.h"
#include "output.h"

#include <algorithm>
#include <cmath>

namespace discone::nec {

namespace {

constexpr int kPointsPerBand = 12; // fewer bands and the low points carry too many segments
constexpr int kMostBands = 12;     // more and starting the engine costs more than it saves

struct Band {
    int first = 0, count = 0;
    EngineJob job;
};

PatternRequest sweepPattern(const SweepOptions& options) {
    return {options.patternStepDeg, 1, 0};
}

std::vector<Band> bands(const DisconeDimensions& dims, const SweepOptions& options,
                        const std::vector<double>& frequencies) {
    const int points = static_cast<int>(frequencies.size());
    const int wanted =
        options.bands > 0 ? options.bands : std::clamp(points / kPointsPerBand, 1, kMostBands);
    const int count = std::min(wanted, points);
    const double ratio = std::pow(frequencies.back() / frequencies.front(), 1.0 / (points - 1));
    std::vector<Band> out;
    for (int k = 0; k < count; ++k) {
        Band b;
        b.first = static_cast<int>(std::lround(static_cast<double>(k) * points / count));
        b.count =
            static_cast<int>(std::lround(static_cast<double>(k + 1) * points / count)) - b.first;
        b.job.model = buildModel(dims, options.model, frequencies[b.first + b.count - 1]);
        b.job.frequencies = {frequencies[b.first], b.count, ratio};
        b.job.pattern = sweepPattern(options);
        b.job.limits = limitsFor(b.job.model, b.count, b.job.pattern);
        b.job.weight = b.count;
        out.push_back(std::move(b));
    }
    return out;
}

} // namespace

double highestOf(const DisconeDimensions& dims, const SweepOptions& options) {
    if (options.highestMHz > 0)
        return options.highestMHz;
    // A little inside the limit, so the last deck is not refused for rounding.
    return std::max<double>(dims.LowestFrequency,
                            std::min(kDefaultSpan * dims.LowestFrequency,
                                     0.999 * highestModelledMHz(dims, options.model)));
}

RunLimits limitsFor(const Model& model, int frequencies, const PatternRequest& pattern) {
    const int directions =
        pattern.wanted() ? patternSamples(pattern.thetaStepDeg) * pattern.phiCount : 0;
    // Work per frequency: filling the matrix (every segment against those of
    // one sector) and factoring one block per copy. nec2c does about 5e7
    // units a second on one 2 GHz core; the limit allows a machine five times
    // slower and busy with other work, and ten seconds to start.
    const double sector = [&] {
        double n = 0;
        for (const Wire& w : model.wires)
            n += w.segments;
        return n;
    }();
    const double all = sector * model.copies;
    const double work = all * sector + model.copies * sector * sector * sector / 3;
    const double seconds = 10 + 10 * frequencies * work * 2e-8;
    const double bytes = 64e3 + all * 200 + frequencies * (4e3 + all * 150 + directions * 150);
    return {std::chrono::milliseconds(static_cast<long long>(seconds * 1000)),
            static_cast<std::size_t>(4 * bytes)};
}

std::vector<double> sweepFrequencies(double lowMHz, double highMHz, int points) {
    std::vector<double> out;
    for (int i = 0; i < points; ++i)
        out.push_back(points == 1 || i == 0 ? lowMHz
                      : i == points - 1     ? highMHz
                                            : lowMHz * std::pow(highMHz / lowMHz,
                                                                static_cast<double>(i) / (points - 1)));
    return out;
}

double swr(std::complex<double> impedance, double referenceOhms) {
    const double reflection = std::abs((impedance - referenceOhms) / (impedance + referenceOhms));
    return reflection < 1 ? (1 + reflection) / (1 - reflection) : INFINITY;
}

Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options, const Engine& engine,
               StopToken stop, const Progress& progress) {
    if (options.points < kMinimumPoints || options.points > kMaximumPoints)
        throw ModelError({{"a sweep has from ", kMinimumPoints, 1},
                          {" to ", kMaximumPoints, 4},
                          {" points", 0, 0}});
    const auto frequencies =
        sweepFrequencies(dims.LowestFrequency, highestOf(dims, options), options.points);
    const auto work = bands(dims, options, frequencies);
    std::vector<EngineJob> jobs;
    for (const Band& b : work)
        jobs.push_back(b.job);
    const std::vector<JobResults> results = engine.runAll(jobs, options.jobs, stop, progress);

    Sweep sweep;
    sweep.designMHz = dims.LowestFrequency;
    sweep.model = options.model;
    if (options.highestMHz <= 0 && frequencies.back() < kDefaultSpan * dims.LowestFrequency)
        sweep.endsEarlyMHz = frequencies.back();
    const Model geometry = buildModel(dims, options.model, frequencies.back());
    sweep.coneWireLength = geometry.coneWireLength();
    sweep.hubDiameter = geometry.needsHub() ? 2 * geometry.rodStart : 0;
    for (std::size_t k = 0; k < work.size(); ++k) {
        if (static_cast<int>(results[k].size()) != work[k].count)
            throw NecError("nec2c computed " + std::to_string(results[k].size()) + " of " +
                           std::to_string(work[k].count) + " frequencies of a sub-band");
        for (int i = 0; i < work[k].count; ++i) {
            const double f = frequencies[work[k].first + i];
            const FrequencyResult& z = results[k][i];
            SweepPoint point{f, z.ohms, 0, z.ohms, std::nullopt};
            if (options.patternStepDeg > 0) {
                if (z.cuts.empty())
                    throw NecError("the engine computed no pattern at " + number(f, 6) + " MHz");
                const Beam raw = beamOf(z.cuts.front().samples);
                if (!(raw.averageGain >= kLowestAverageGain &&
                      raw.averageGain <= kHighestAverageGain))
                    throw NecError(
                        "the model fails NEC-2's average gain test at " + number(f, 6) + " MHz (" +
                        number(raw.averageGain, 3) +
                        ", where a sound model is near 1): its results cannot be trusted");
                point.impedance = z.ohms * raw.averageGain;
                point.beam = corrected(raw);
            }
            point.swr = swr(point.impedance);
            sweep.points.push_back(point);
        }
    }
    return sweep;
}

SweepSummary summarize(const std::vector<std::pair<double, double>>& swrCurve) {
    SweepSummary s;
    const auto& p = swrCurve;
    const auto below = [](const auto& q) { return q.second < kGoodSwr; };
    // Where the SWR passes 2 between two points, linear in SWR on a
    // logarithmic frequency scale.
    const auto crossing = [](const auto& a, const auto& b) {
        const double t = std::isinf(a.second) || std::isinf(b.second)
                             ? 0.5
                             : (a.second - kGoodSwr) / (a.second - b.second);
        return a.first * std::pow(b.first / a.first, t);
    };
    if (const auto first = std::find_if(p.begin(), p.end(), below); first != p.end()) {
        s.firstBelowMHz = first == p.begin() ? first->first : crossing(*std::prev(first), *first);
        const auto end = std::find_if_not(first, p.end(), below);
        s.staysBelowUpToMHz =
            end == p.end() ? std::prev(end)->first : crossing(*std::prev(end), *end);
    }
    if (const auto lowest = std::min_element(
            p.begin(), p.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        lowest != p.end()) {
        s.lowestSwr = lowest->second;
        s.lowestSwrMHz = lowest->first;
    }
    return s;
}

SweepSummary summarize(const Sweep& sweep) {
    std::vector<std::pair<double, double>> curve;
    for (const SweepPoint& p : sweep.points)
        curve.emplace_back(p.frequencyMHz, p.swr);
    SweepSummary s = summarize(curve);
    for (const SweepPoint& p : sweep.points) {
        if (!p.beam)
            continue;
        const double g = p.beam->averageGain;
        s.averageGain = s.averageGain ? std::pair{std::min(s.averageGain->first, g),
                                                  std::max(s.averageGain->second, g)}
                                      : std::pair{g, g};
    }
    return s;
}

std::string_view unitWord(Unit unit) {
    return unit == Unit::Inches ? "inches" : "centimetres";
}

namespace {

// The program, the design and its seven dimensions as printed, with a point
// as every number of the deck.
std::vector<std::string> deckHeader(const DisconeDimensions& dimensions, Unit unit) {
    const Separators point{".", ""};
    const ResultTexts texts = formatDimensions(dimensions, unit, point);
    std::vector<std::string> lines;
    lines.push_back("discone " DISCONE_VERSION ": a discone for " +
                    singleText(dimensions.LowestFrequency, point) +
                    " MHz, its dimensions as printed in " + std::string(unitWord(unit)) + ":");
    for (const DimensionDescriptor& row : descriptors(Unit::Inches)) {
        const bool solid = row.dimension == Dimension::MeshSpacing && dimensions.MeshSpacing.solid;
        lines.push_back("  " + std::string(row.key) + " " + texts[row.dimension] +
                        (solid                  ? ""
                         : unit == Unit::Inches ? " in"
                                                : " cm"));
    }
    return lines;
}

} // namespace

std::string printedDeck(const DisconeDimensions& dims, const SweepOptions& options, Unit unit) {
    std::vector<std::string> comments = deckHeader(dims, unit);
    if (options.points < kMinimumPoints || options.points > kMaximumPoints)
        throw ModelError({{"a sweep has from ", kMinimumPoints, 1},
                          {" to ", kMaximumPoints, 4},
                          {" points", 0, 0}});
    ModelOptions axial = options.model;
    axial.feed = FeedLayout::Axial;
    const double high = highestOf(dims, options);
    const Model m = buildModel(dims, axial, high);
    const auto metres = [](double value) { return number(value, 6); };
    const std::string n = std::to_string(m.radials);
    const std::string rod = number(options.model.wireDiameterMm, 6) + " mm";
    const std::string pin = number(2000 * m.feedRadius, 4) + " mm";
    // What the model is, and the numbers it uses: the calculated ones, not
    // those rounded for printing.
    std::vector<std::string> lines = {
        "The model, in metres as NEC-2 reads them, from the dimensions as calculated, before "
        "they are rounded for printing:",
        "disc: " + n + " rods " + rod + " across from radius " + metres(m.rodStart) +
            " out to radius " + metres(m.discRadius) + " at height " + metres(m.discHeight) + ";",
        "cone: " + n + " rods " + rod + " across from its top ring, radius " + metres(m.topRadius) +
            " at height " + metres(m.coneTopHeight) + ", to its skirt, radius " +
            metres(m.skirtRadius) + " at height 0: " + metres(m.coneWireLength()) +
            " of wire from the top ring to the skirt;",
        "the gap: " + metres(m.gap()) + " (" + number(m.gap() / kMetresPerInch, 6) +
            " in), crossed on the axis by the feed, a pin " + pin +
            " across carrying the deck's only source;",
        "the disc's centre and the cone's top closed by " + n + " wires " + pin +
            " across from the axis" +
            (m.needsHub() ? ", the rods starting on a hub and a collar " + metres(2 * m.rodStart) +
                                " across;"
                          : ";"),
        "thin-wire kernel, perfectly conducting, in free space; segments at most a tenth of a "
        "wavelength at " +
            number(high, 7) + " MHz.",
        "NEC-2's models of this antenna lose or gain power a lossless antenna cannot: discone "
        "multiplies the impedance NEC-2 prints by the average gain, half the integral of the "
        "power gain times sin(theta) over theta 0 to 180 degrees of the pattern the RP card "
        "asks for, before it gives the SWR against 50 ohms, and divides the gains by it.",
        "Frequencies: " + std::to_string(options.points) + " from " +
            number(dims.LowestFrequency, 7) + " to " + number(high, 7) +
            " MHz, spaced evenly on a logarithmic scale."};
    comments.insert(comments.end(), lines.begin(), lines.end());
    const double ratio = std::pow(high / dims.LowestFrequency, 1.0 / (options.points - 1));
    return deck(m, comments, {dims.LowestFrequency, options.points, ratio}, DeckUse::Printed,
                {kSweepPatternStepDeg, 1, 0});
}

} // namespace discone::nec
