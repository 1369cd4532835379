// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep.h"

#include "deck.h"
#include "geometry.h"
#include "numbers.h"
#include "output.h"

#include <algorithm>
#include <cmath>

namespace discone::nec {

namespace {

// A deck takes at most this share of the sweep's estimated work, so that
// progress comes often, unless it is smaller than kSmallestDeck anyway.
constexpr double kDeckShare = 1.0 / 24;
constexpr double kSmallestDeck = 0.5; // seconds of the estimate

struct Deck {
    int first = 0, count = 0;
    EngineJob job;
};

// The sweep's points grouped by the step their model is fitted to, each
// group split into decks of about equal size.
std::vector<Deck> decks(const DisconeDimensions& dims, const SweepOptions& options,
                        const std::vector<double>& frequencies) {
    struct Group {
        int first, count;
        Model model;
        PatternRequest pattern;
        double seconds; // a frequency's
    };
    std::vector<Group> groups;
    double total = 0;
    for (int i = 0; i < static_cast<int>(frequencies.size());) {
        const double fitted = fittedMHz(dims, options.model, frequencies[i]);
        int j = i + 1;
        while (j < static_cast<int>(frequencies.size()) &&
               fittedMHz(dims, options.model, frequencies[j]) == fitted)
            ++j;
        Model m = buildModel(dims, options.model, frequencies[j - 1]);
        const PatternRequest pattern =
            options.pattern ? sphereCuts(m.radials, m.skirtRadius, m.fittedMHz) : PatternRequest{};
        const double seconds = estimatedSeconds(m, directions(pattern));
        total += seconds * (j - i);
        groups.push_back({i, j - i, std::move(m), pattern, seconds});
        i = j;
    }
    const double largest = std::max(kSmallestDeck, kDeckShare * total);
    const double ratio = frequencies.size() > 1
                             ? std::pow(frequencies.back() / frequencies.front(),
                                        1.0 / static_cast<double>(frequencies.size() - 1))
                             : 1;
    std::vector<Deck> out;
    for (const Group& g : groups) {
        const int pieces =
            std::min(g.count, static_cast<int>(std::ceil(g.seconds * g.count / largest - 1e-9)));
        for (int k = 0; k < pieces; ++k) {
            Deck d;
            d.first = g.first + k * g.count / pieces;
            d.count = g.first + (k + 1) * g.count / pieces - d.first;
            d.job.model = g.model;
            d.job.frequencies = {frequencies[d.first], d.count, ratio};
            d.job.pattern = g.pattern;
            d.job.limits = limitsFor(g.model, d.count, g.pattern);
            d.job.weight = std::max(1, static_cast<int>(std::lround(1000 * g.seconds * d.count)));
            out.push_back(std::move(d));
        }
    }
    return out;
}

} // namespace

double highestOf(const DisconeDimensions& dims, const SweepOptions& options) {
    if (options.highestMHz > 0)
        return options.highestMHz;
    const double f = dims.LowestFrequency, tenfold = kDefaultSpan * f;
    const double top = highestModelledMHz(dims, options.model);
    // Where nothing fits, 0: the checks then say why for a default sweep.
    return top > f ? std::min(tenfold, top) : 0;
}

int directions(const PatternRequest& pattern) {
    return pattern.wanted() ? patternSamples(pattern.thetaStepDeg) * pattern.phiCount : 0;
}

RunLimits limitsFor(const Model& model, int frequencies, const PatternRequest& pattern) {
    const int toward = directions(pattern);
    const double seconds = 10 + 10 * frequencies * estimatedSeconds(model, toward);
    const double all = model.segments();
    const double bytes = 64e3 + all * 200 + frequencies * (4e3 + all * 150 + toward * 150);
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
    const double highest = highestOf(dims, options);
    checkSweep(dims, options.model, highest, options.points);
    const auto frequencies = sweepFrequencies(dims.LowestFrequency, highest, options.points);
    const auto work = decks(dims, options, frequencies);
    std::vector<EngineJob> jobs;
    for (const Deck& d : work)
        jobs.push_back(d.job);
    const std::vector<JobResults> results = engine.runAll(jobs, options.jobs, stop, progress);

    Sweep sweep;
    sweep.designMHz = dims.LowestFrequency;
    sweep.model = options.model;
    if (options.highestMHz <= 0 && frequencies.back() < kDefaultSpan * dims.LowestFrequency) {
        sweep.endsEarlyMHz = frequencies.back();
        sweep.endsBecause = limitAbove(dims, options.model, sweep.endsEarlyMHz);
    }
    const Model& top = work.back().job.model;
    sweep.coneWireLength = top.coneWireLength();
    sweep.hubDiameter = top.needsHub() ? 2 * top.rodStart : 0;
    for (std::size_t k = 0; k < work.size(); ++k) {
        if (static_cast<int>(results[k].size()) != work[k].count)
            throw NecError("nec2c computed " + std::to_string(results[k].size()) + " of " +
                           std::to_string(work[k].count) + " frequencies of a deck");
        for (int i = 0; i < work[k].count; ++i) {
            const double f = frequencies[work[k].first + i];
            const FrequencyResult& z = results[k][i];
            SweepPoint point{f, z.ohms, 0, z.ohms, std::nullopt};
            if (options.pattern) {
                if (static_cast<int>(z.cuts.size()) != work[k].job.pattern.phiCount)
                    throw NecError("the engine computed no pattern at " + number(f, 6) + " MHz");
                const Beam raw = beamOf(z.cuts, options.model.radials);
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
    const double high = highestOf(dims, options);
    // The sweep's limits; the pin's own work is the user's to spend.
    checkSweep(dims, options.model, high, options.points);
    const Model m = withWires(measures(dims, options.model), FeedLayout::Axial,
                              fittedMHz(dims, options.model, high), options.model.segmentScale);
    const PatternRequest cuts = sphereCuts(m.radials, m.skirtRadius, m.fittedMHz);
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
            number(m.fittedMHz, 7) + " MHz.",
        "NEC-2's models of this antenna lose or gain power a lossless antenna cannot: discone "
        "multiplies the impedance NEC-2 prints by the average gain over the whole sphere, and "
        "divides the gains by it, before it gives the SWR against 50 ohms. The pattern repeats "
        "every " +
            number(360.0 / m.radials, 6) +
            " degrees of azimuth, mirrored about the planes through a rod and between two rods, "
            "so the " +
            std::to_string(cuts.phiCount) + " cuts the RP card asks for, from phi 0 (through a " +
            "rod) to " + number(180.0 / m.radials, 6) +
            " degrees (between two rods), cover the sphere: each cut's average is half the "
            "integral of the power gain times sin(theta) over theta 0 to 180 degrees "
            "(Simpson's rule), and the average gain is the mean of the cuts' averages with the "
            "first and the last counted half. The beam is that of the cut through a rod.",
        "Frequencies: " + std::to_string(options.points) + " from " +
            number(dims.LowestFrequency, 7) + " to " + number(high, 7) +
            " MHz, spaced evenly on a logarithmic scale."};
    comments.insert(comments.end(), lines.begin(), lines.end());
    const double ratio = std::pow(high / dims.LowestFrequency, 1.0 / (options.points - 1));
    return deck(m, comments, {dims.LowestFrequency, options.points, ratio}, DeckUse::Printed, cuts);
}

} // namespace discone::nec
