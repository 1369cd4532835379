// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep.h"

#include "deck.h"
#include "numbers.h"
#include "output.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <future>
#include <mutex>
#include <thread>

namespace discone::nec {

namespace {

constexpr int kPointsPerBand = 12; // fewer bands and the low points carry too many segments
constexpr int kMostBands = 12;     // more and starting the engine costs more than it saves

struct Band {
    int first = 0, count = 0;
    std::string deck;
    RunLimits limits;
};

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
        const Model model = buildModel(dims, options.model, frequencies[b.first + b.count - 1]);
        b.deck = deck(model, {"discone SWR sweep, one sub-band"},
                      {frequencies[b.first], b.count, ratio}, DeckUse::Internal);
        b.limits = limitsFor(model, b.count);
        out.push_back(std::move(b));
    }
    return out;
}

// Runs the bands, at most `jobs` at once, the highest (slowest) first. The
// first failure stops the bands still running, and is the one reported.
std::vector<std::vector<FrequencyResult>> runBands(const std::vector<Band>& work, int jobs,
                                             const Engine& engine, std::stop_token stop,
                                             const Progress& progress, int total) {
    std::stop_source abandon;
    const std::stop_callback forward(stop, [&abandon] { abandon.request_stop(); });
    std::vector<std::vector<FrequencyResult>> results(work.size());
    std::atomic<int> next = static_cast<int>(work.size()) - 1;
    std::mutex reporting;
    int done = 0;
    const auto worker = [&] {
        try {
            for (int k; (k = next--) >= 0;) {
                if (abandon.stop_requested())
                    throw Cancelled();
                results[k] =
                    parseOutput(engine.run(work[k].deck, work[k].limits, abandon.get_token()));
                const std::lock_guard lock(reporting);
                done += work[k].count;
                if (progress && !abandon.stop_requested())
                    progress(done, total);
            }
        } catch (...) {
            abandon.request_stop();
            throw;
        }
    };
    std::vector<std::future<void>> workers;
    for (int i = 0; i < std::min<int>(jobs, static_cast<int>(work.size())); ++i)
        workers.push_back(std::async(std::launch::async, worker));
    std::exception_ptr failure;
    for (auto& w : workers) {
        try {
            w.get();
        } catch (const Cancelled&) {
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (stop.stop_requested())
        throw Cancelled();
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

} // namespace

double highestOf(const DisconeDimensions& dims, const SweepOptions& options) {
    return options.highestMHz > 0 ? options.highestMHz : kDefaultSpan * dims.LowestFrequency;
}

RunLimits limitsFor(const Model& model, int frequencies) {
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
    const double bytes = 64e3 + all * 200 + frequencies * (4e3 + all * 150);
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
               std::stop_token stop, const Progress& progress) {
    if (options.points < kMinimumPoints || options.points > kMaximumPoints)
        throw ModelError("a sweep has from " + std::to_string(kMinimumPoints) + " to " +
                         std::to_string(kMaximumPoints) + " points");
    const auto frequencies =
        sweepFrequencies(dims.LowestFrequency, highestOf(dims, options), options.points);
    const auto work = bands(dims, options, frequencies);
    const int jobs = options.jobs > 0
                         ? options.jobs
                         : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto results = runBands(work, jobs, engine, stop, progress, options.points);

    Sweep sweep;
    sweep.designMHz = dims.LowestFrequency;
    sweep.model = options.model;
    for (std::size_t k = 0; k < work.size(); ++k) {
        if (static_cast<int>(results[k].size()) != work[k].count)
            throw NecError("nec2c computed " + std::to_string(results[k].size()) + " of " +
                           std::to_string(work[k].count) + " frequencies of a sub-band");
        for (int i = 0; i < work[k].count; ++i) {
            const double f = frequencies[work[k].first + i];
            const FrequencyResult& z = results[k][i];
            // nec2c prints five digits of the frequency it used.
            if (!(std::abs(z.frequencyMHz - f) <= 1e-4 * f))
                throw NecError("nec2c computed " + number(z.frequencyMHz) + " MHz instead of " +
                               number(f) + " MHz");
            sweep.points.push_back({f, z.ohms, swr(z.ohms)});
        }
    }
    return sweep;
}

SweepSummary summarize(const Sweep& sweep) {
    SweepSummary s;
    const auto& p = sweep.points;
    const auto below = [](const SweepPoint& q) { return q.swr < kGoodSwr; };
    if (const auto first = std::find_if(p.begin(), p.end(), below); first != p.end()) {
        s.firstBelowMHz = first->frequencyMHz;
        const auto end = std::find_if_not(first, p.end(), below);
        s.staysBelowUpToMHz = std::prev(end)->frequencyMHz;
    }
    if (const auto lowest = std::min_element(
            p.begin(), p.end(), [](const auto& a, const auto& b) { return a.swr < b.swr; });
        lowest != p.end()) {
        s.lowestSwr = lowest->swr;
        s.lowestSwrMHz = lowest->frequencyMHz;
    }
    return s;
}

std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep) {
    std::vector<std::string> lines;
    if (summary.firstBelowMHz) {
        lines.push_back("SWR first below 2 at " + fixedText(*summary.firstBelowMHz, 3, sep) +
                        " MHz");
        lines.push_back("SWR stays below 2 up to " + fixedText(*summary.staysBelowUpToMHz, 3, sep) +
                        " MHz");
    } else {
        lines.push_back("SWR never below 2");
    }
    lines.push_back("lowest SWR " + fixedText(summary.lowestSwr, 3, sep) + " at " +
                    fixedText(summary.lowestSwrMHz, 3, sep) + " MHz");
    return lines;
}

std::string sweepTable(const Sweep& sweep) {
    std::string out = "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\n";
    for (const SweepPoint& p : sweep.points)
        out += fixed(p.frequencyMHz, 3) + '\t' + fixed(p.impedance.real(), 2) + '\t' +
               fixed(p.impedance.imag(), 2) + '\t' + fixed(p.swr, 3) + '\n';
    // The summary's numbers as the rows write theirs.
    for (const std::string& line : summaryLines(summarize(sweep), Separators{".", ""}))
        out += "# " + line + '\n';
    return out;
}

std::string printedDeck(const DisconeDimensions& dims, const SweepOptions& options,
                        std::vector<std::string> comments) {
    if (options.points < kMinimumPoints || options.points > kMaximumPoints)
        throw ModelError("a sweep has from " + std::to_string(kMinimumPoints) + " to " +
                         std::to_string(kMaximumPoints) + " points");
    ModelOptions axial = options.model;
    axial.feed = FeedLayout::Axial;
    const double high = highestOf(dims, options);
    const Model m = buildModel(dims, axial, high);
    const auto metres = [](double value) { return number(value, 6); };
    const std::string n = std::to_string(m.radials);
    const double gap = m.discHeight - m.coneTopHeight;
    // What the model is, and the numbers it uses: the calculated ones, not
    // those rounded for printing.
    for (std::string line :
         {std::string(
              "The model, in metres as NEC-2 reads them, from the dimensions as calculated, before "
              "they are rounded for printing:"),
          "disc: " + n + " wires from the axis out to radius " + metres(m.discRadius) +
              " at height " + metres(m.discHeight) + ";",
          "cone: " + n + " wires from its top ring, radius " + metres(m.topRadius) + " at height " +
              metres(m.coneTopHeight) + ", to its skirt, radius " + metres(m.skirtRadius) +
              " at height 0, and " + n + " wires from the axis to the top ring closing its top;",
          "the gap between them: " + metres(gap) + " (" + number(gap / kMetresPerInch, 6) + " in);",
          "every wire " + number(options.model.wireDiameterMm, 6) +
              " mm across, perfectly conducting, in free space.",
          "Fed by one feed wire on the axis across the gap with the only source, so the "
          "impedance NEC-2 prints is the antenna's; SWR against 50 ohms from " +
              number(dims.LowestFrequency, 7) + " to " + number(high, 7) + " MHz at " +
              std::to_string(options.points) +
              " frequencies spaced evenly on a logarithmic scale."})
        comments.push_back(std::move(line));
    const double ratio = std::pow(high / dims.LowestFrequency, 1.0 / (options.points - 1));
    return deck(m, comments, {dims.LowestFrequency, options.points, ratio});
}

} // namespace discone::nec
