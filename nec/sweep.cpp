// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep.h"

#include "deck.h"
#include "runner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace discone::nec {

namespace {

constexpr int kPointsPerBand = 12; // fewer bands and the low points carry too many segments
constexpr int kMostBands = 12;     // more and starting nec2c costs more than it saves

double highestOf(const DisconeDimensions& dims, const SweepOptions& options) {
    return options.highestMHz > 0 ? options.highestMHz : 10.0 * dims.LowestFrequency;
}

struct Band {
    int first = 0, count = 0;
    std::string deck;
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
                      {frequencies[b.first], b.count, ratio});
        out.push_back(std::move(b));
    }
    return out;
}

std::string fixed(double value, int decimals, const Separators& sep) {
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    std::string out(text, end);
    if (const auto point = out.find('.'); point != std::string::npos)
        out.replace(point, 1, sep.decimal);
    return out;
}

// Runs the band decks, at most `jobs` at once, the highest (slowest) first,
// and reports progress on this thread as each finishes.
std::vector<std::vector<Impedance>> runBands(const std::vector<Band>& work, int jobs,
                                             const Progress& progress, int total) {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::vector<Impedance>> results(work.size());
    std::vector<int> finished;
    std::exception_ptr failure;
    int next = static_cast<int>(work.size()) - 1;
    int active = std::min<int>(jobs, static_cast<int>(work.size()));

    const auto worker = [&] {
        for (;;) {
            int k;
            {
                std::lock_guard lock(mutex);
                if (failure || next < 0)
                    break;
                k = next--;
            }
            try {
                auto impedances = runNec(work[k].deck).impedances;
                std::lock_guard lock(mutex);
                results[k] = std::move(impedances);
                finished.push_back(k);
            } catch (...) {
                std::lock_guard lock(mutex);
                if (!failure)
                    failure = std::current_exception();
            }
            changed.notify_all();
        }
        std::lock_guard lock(mutex);
        --active;
        changed.notify_all();
    };
    {
        std::vector<std::jthread> threads;
        for (int i = 0, n = active; i < n; ++i)
            threads.emplace_back(worker);
        std::unique_lock lock(mutex);
        std::size_t reported = 0;
        int done = 0;
        for (;;) {
            changed.wait(lock, [&] { return reported < finished.size() || active == 0; });
            while (reported < finished.size()) {
                done += work[finished[reported++]].count;
                if (progress && !failure) {
                    lock.unlock();
                    progress(done, total);
                    lock.lock();
                }
            }
            if (active == 0 && reported == finished.size())
                break;
        }
    }
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

} // namespace

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

Sweep runSweep(const DisconeDimensions& dims, const SweepOptions& options,
               const Progress& progress) {
    if (options.points < 2)
        throw ModelError("a sweep needs at least 2 points");
    const auto frequencies =
        sweepFrequencies(dims.LowestFrequency, highestOf(dims, options), options.points);
    const auto work = bands(dims, options, frequencies);
    const int jobs =
        options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
    const auto results = runBands(work, jobs, progress, options.points);

    Sweep sweep;
    sweep.designMHz = dims.LowestFrequency;
    sweep.model = options.model;
    for (std::size_t k = 0; k < work.size(); ++k) {
        if (static_cast<int>(results[k].size()) != work[k].count)
            throw NecError("nec2c computed " + std::to_string(results[k].size()) + " of " +
                           std::to_string(work[k].count) + " frequencies of a sub-band");
        for (int i = 0; i < work[k].count; ++i) {
            const double f = frequencies[work[k].first + i];
            const Impedance& z = results[k][i];
            // nec2c prints five digits of the frequency it used.
            if (std::abs(z.frequencyMHz - f) > 1e-4 * f)
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
        lines.push_back("SWR first below 2 at " + fixed(*summary.firstBelowMHz, 3, sep) + " MHz");
        lines.push_back("SWR stays below 2 up to " + fixed(*summary.staysBelowUpToMHz, 3, sep) +
                        " MHz");
    } else {
        lines.push_back("SWR never below 2");
    }
    lines.push_back("lowest SWR " + fixed(summary.lowestSwr, 3, sep) + " at " +
                    fixed(summary.lowestSwrMHz, 3, sep) + " MHz");
    return lines;
}

std::string sweepTable(const Sweep& sweep, const SweepSummary& summary, const Separators& sep) {
    std::string out = "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\n";
    for (const SweepPoint& p : sweep.points)
        out += fixed(p.frequencyMHz, 3, sep) + '\t' + fixed(p.impedance.real(), 2, sep) + '\t' +
               fixed(p.impedance.imag(), 2, sep) + '\t' + fixed(p.swr, 3, sep) + '\n';
    for (const std::string& line : summaryLines(summary, sep))
        out += "# " + line + '\n';
    return out;
}

std::string sweepDeck(const DisconeDimensions& dims, const SweepOptions& options,
                      const std::vector<std::string>& comments) {
    if (options.points < 2)
        throw ModelError("a sweep needs at least 2 points");
    const double high = highestOf(dims, options);
    const Model model = buildModel(dims, options.model, high);
    const double ratio = std::pow(high / dims.LowestFrequency, 1.0 / (options.points - 1));
    return deck(model, comments, {dims.LowestFrequency, options.points, ratio});
}

} // namespace discone::nec
