// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study.h"

#include "numbers.h"
#include "printable.h"
#include "report.h"
#include "savefile.h"

#include <algorithm>
#include <cmath>

namespace discone::study {

namespace {

const Separators kPoint{".", ""};

std::string mhz(double value, const Separators& sep) {
    return readableText(value, 6, sep);
}

// The prediction's sentences for people: the antenna's summary and its
// SWR over the user's amateur bands, then the same at the radio end.
std::vector<std::string> summaryOf(const Prediction& p, const Separators& sep) {
    std::vector<std::string> lines = summaryLines(nec::summarize(p.sweep), sep);
    const auto add = [&lines](std::vector<std::string> more) {
        for (std::string& l : more)
            lines.push_back(std::move(l));
    };
    std::vector<std::pair<double, double>> antenna;
    for (const nec::SweepPoint& s : p.sweep.points)
        antenna.emplace_back(s.frequencyMHz, s.swr);
    add(bandLines(antenna, p.plan.region, sep));
    if (!p.radioEnd.empty() && p.plan.feedline) {
        std::vector<std::pair<double, double>> curve;
        for (const FeedPoint& f : p.radioEnd)
            curve.emplace_back(f.frequencyMHz, f.radioSwr);
        const Feedline& line = *p.plan.feedline;
        lines.push_back("through " + readableText(line.metres, 4, sep) + " m of " +
                        std::string(line.cable->name) + ", at the radio:");
        add(summaryLines(nec::summarize(curve), sep, "radio end: "));
        add(bandLines(curve, p.plan.region, sep, "radio end: "));
    }
    return lines;
}

std::vector<std::string> notesOf(const Prediction& p, const Separators& sep) {
    std::vector<std::string> lines = buildNotes(p.sweep, p.design.unit, sep);
    if (p.plan.chosenDiameter && p.plan.sweep.model.wireDiameterMm != nec::kDefaultWireDiameterMm)
        lines.insert(lines.begin(),
                     "rods of " + readableText(p.plan.sweep.model.wireDiameterMm, 3, sep) +
                         " mm, the thickest this design takes; give a diameter to choose");
    if (!p.radioEnd.empty() && std::any_of(p.radioEnd.begin(), p.radioEnd.end(),
                                           [](const FeedPoint& f) { return f.beyondSheet; }))
        lines.push_back("the cable's loss is extrapolated beyond its data sheet's frequencies");
    return lines;
}

// The measured summary, in words where the file reflects all the power.
std::vector<std::string> measuredLines(const std::vector<std::pair<double, double>>& swr,
                                       const Separators& sep) {
    const auto total = static_cast<std::size_t>(
        std::count_if(swr.begin(), swr.end(), [](const auto& p) { return std::isinf(p.second); }));
    if (total == swr.size())
        return {"measured SWR never below 2: every point reflects all the power (|S11| at "
                "least 1)"};
    std::vector<std::pair<double, double>> finite;
    for (const auto& p : swr)
        if (std::isfinite(p.second))
            finite.push_back(p);
    nec::SweepSummary s = nec::summarize(swr);
    const nec::SweepSummary f = nec::summarize(finite);
    s.lowestSwr = f.lowestSwr;
    s.lowestSwrMHz = f.lowestSwrMHz;
    std::vector<std::string> lines = summaryLines(s, sep, "measured ");
    if (total > 0)
        lines.push_back("measured: " + std::to_string(total) + " of " + std::to_string(swr.size()) +
                        " points reflect all the power (|S11| at least 1)");
    return lines;
}

std::string range(double low, double high, const Separators& sep) {
    return fixedText(low, 3, sep) + " to " + fixedText(high, 3, sep) + " MHz";
}

} // namespace

Plan plan(const Design& design, const Options& options, const Separators& sep) {
    const DisconeDimensions& dims = design.dimensions;
    Plan p;
    p.sweep.model.radials = options.radials;
    p.chosenDiameter = !options.wireDiameterMm;
    const double chosen =
        nec::defaultWireDiameterMm(dims, options.radials, options.highestMHz.value_or(0));
    p.sweep.model.wireDiameterMm =
        options.wireDiameterMm.value_or(chosen > 0 ? chosen : nec::kDefaultWireDiameterMm);
    p.sweep.points = options.points;
    p.sweep.jobs = options.jobs;
    p.referenceOhms = options.referenceOhms;
    p.feedline = options.feedline;
    p.region = options.region;
    if (options.highestMHz) {
        if (!(*options.highestMHz > dims.LowestFrequency))
            throw SettingError(Setting::Highest,
                               "the highest frequency must be above the design frequency " +
                                   mhz(dims.LowestFrequency, sep) + " MHz, not " +
                                   mhz(*options.highestMHz, sep) + " MHz");
        p.sweep.highestMHz = *options.highestMHz;
    }
    // Every limit of the model, before anything runs.
    nec::buildModel(dims, p.sweep.model, nec::highestOf(dims, p.sweep));
    return p;
}

std::string defaultHighestText(const Design& design, const Separators& sep) {
    return singleText(static_cast<float>(nec::kDefaultSpan * design.dimensions.LowestFrequency),
                      sep);
}

Measurement readMeasurement(const std::string& name, std::string_view bytes) {
    try {
        return {name, nec::readTouchstone(bytes)};
    } catch (const nec::TouchstoneError& error) {
        throw FileError(printable(name) + ": " + error.what());
    }
}

void compare(Prediction& prediction, const Measurement* measurement, const Separators& sep) {
    prediction.measured.reset();
    if (!measurement || measurement->data.points.empty() || prediction.sweep.points.empty())
        return;
    Compared c;
    const nec::OnePort data = nec::withReference(measurement->data, prediction.plan.referenceOhms);
    std::vector<std::pair<double, double>>& all = c.file;
    for (const nec::ReflectionPoint& p : data.points)
        all.emplace_back(p.frequencyMHz, nec::reflectionSwr(p.s11));
    const double low = prediction.sweep.points.front().frequencyMHz;
    const double high = prediction.sweep.points.back().frequencyMHz;
    for (const auto& p : all)
        if (p.first >= low * (1 - 1e-9) && p.first <= high * (1 + 1e-9))
            c.swr.push_back(p);
    const double first = all.front().first, last = all.back().first;
    if (c.swr.empty())
        c.warning = "the measurement's " + range(first, last, sep) +
                    " lies wholly outside the prediction's " + range(low, high, sep);
    else if (c.swr.size() < all.size())
        c.warning = "the measurement's " + range(first, last, sep) +
                    " lies partly outside the prediction's " + range(low, high, sep) + ": only " +
                    range(c.swr.front().first, c.swr.back().first, sep) + " is set beside it";
    c.lines = measuredLines(all, sep);
    prediction.measured = std::move(c);
}

std::string title(const Design& design, const Plan& plan, const Separators& sep) {
    std::string text = "Discone for " + singleText(design.dimensions.LowestFrequency, sep) +
                       " MHz (" + std::string(nec::unitWord(design.unit)) +
                       "): " + std::to_string(plan.sweep.model.radials) + " rods of " +
                       readableText(plan.sweep.model.wireDiameterMm, 6, sep) + " mm";
    if (plan.referenceOhms != nec::kReferenceOhms)
        text += ", " + readableText(plan.referenceOhms, 6, sep) + " ohms";
    return text;
}

Prediction predict(const Design& design, const Options& options, const Measurement* measurement,
                   const nec::Engine& engine, StopToken stop, const nec::Progress& progress,
                   const Separators& sep) {
    Prediction p;
    p.design = design;
    p.plan = plan(design, options, sep);
    p.sweep = nec::runSweep(design.dimensions, p.plan.sweep, engine, stop, progress);
    for (nec::SweepPoint& point : p.sweep.points)
        point.swr = nec::swr(point.impedance, p.plan.referenceOhms);
    if (p.plan.feedline)
        p.radioEnd = throughFeedline(*p.plan.feedline, p.sweep.points, p.plan.referenceOhms);
    showIn(p, design.unit, sep);
    compare(p, measurement, sep);
    return p;
}

void showIn(Prediction& p, Unit unit, const Separators& sep) {
    p.design.unit = unit;
    p.title = title(p.design, p.plan, sep);
    p.summary = summaryOf(p, sep);
    p.notes = notesOf(p, sep);
}

std::string table(const Prediction& p) {
    const bool beams = !p.sweep.points.empty() && p.sweep.points.front().beam.has_value();
    const bool radio = !p.radioEnd.empty();
    std::string out;
    if (beams)
        out += "# impedance: NEC-2's times the model's average gain, which a lossless antenna "
               "has at 1; gains in dBi put right by it too\n";
    if (p.plan.referenceOhms != nec::kReferenceOhms)
        out += "# swr against " + nec::number(p.plan.referenceOhms) + " ohms\n";
    if (radio)
        out += "# radio_*: at the radio, through " + nec::number(p.plan.feedline->metres) +
               " m of " + std::string(p.plan.feedline->cable->name) + "\n";
    out += "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr";
    if (beams)
        out += "\thorizon_gain_dbi\tpeak_gain_dbi\tpeak_elevation_deg";
    if (radio)
        out += "\tradio_resistance_ohm\tradio_reactance_ohm\tradio_swr";
    out += '\n';
    for (std::size_t i = 0; i < p.sweep.points.size(); ++i) {
        const nec::SweepPoint& s = p.sweep.points[i];
        out += nec::fixed(s.frequencyMHz, 3) + '\t' + nec::fixed(s.impedance.real(), 2) + '\t' +
               nec::fixed(s.impedance.imag(), 2) + '\t' + nec::fixed(s.swr, 3);
        if (s.beam)
            out += '\t' + nec::fixed(s.beam->horizonDbi, 2) + '\t' +
                   nec::fixed(s.beam->peakDbi, 2) + '\t' + nec::fixed(s.beam->peakElevationDeg, 1);
        if (radio)
            out += '\t' + nec::fixed(p.radioEnd[i].radioOhms.real(), 2) + '\t' +
                   nec::fixed(p.radioEnd[i].radioOhms.imag(), 2) + '\t' +
                   nec::fixed(p.radioEnd[i].radioSwr, 3);
        out += '\n';
    }
    // The sentences with a point, as the rows write their numbers.
    std::vector<std::string> lines = summaryOf(p, kPoint);
    for (std::string& line : notesOf(p, kPoint))
        lines.push_back(std::move(line));
    if (p.measured)
        for (std::string& line : measuredLines(p.measured->file, kPoint))
            lines.push_back(std::move(line));
    for (const std::string& line : lines)
        out += "# " + line + '\n';
    return out;
}

std::string touchstone(const Prediction& p) {
    const nec::OnePort data = nec::withReference(nec::onePort(p.sweep), p.plan.referenceOhms);
    return nec::writeTouchstone(
        data, {"discone " DISCONE_VERSION ": the predicted S11 of the design below, against " +
                   nec::number(p.plan.referenceOhms) +
                   " ohms, its impedance NEC-2's times the model's average gain",
               title(p.design, p.plan, kPoint)});
}

std::string printedDeck(const Design& design, const Options& options) {
    const Plan p = plan(design, options, kPoint);
    return nec::printedDeck(design.dimensions, p.sweep, design.unit);
}

std::vector<double> patternFrequencies(const Design& design, const Plan& plan,
                                       const std::vector<double>& asked, const Separators& sep) {
    const double f = design.dimensions.LowestFrequency;
    const double top = nec::highestModelledMHz(design.dimensions, plan.sweep.model);
    if (asked.empty()) {
        std::vector<double> frequencies;
        for (double mhz : nec::patternFrequencies(f))
            if (mhz <= top)
                frequencies.push_back(mhz);
        return frequencies;
    }
    for (double a : asked)
        if (!(a >= f && a <= top))
            throw SettingError(Setting::PatternAt,
                               "the patterns' frequencies must be from the design frequency " +
                                   mhz(f, sep) + " MHz up to " + mhz(top, sep) +
                                   " MHz, where these rods reach NEC-2's limits, not " +
                                   mhz(a, sep) + " MHz");
    return asked;
}

Patterns patterns(const Design& design, const Plan& plan, const std::vector<double>& frequencies,
                  const nec::Engine& engine, StopToken stop, const Separators& sep) {
    return {nec::elevationCuts(design.dimensions, plan.sweep.model, frequencies, engine, stop,
                               plan.sweep.jobs),
            title(design, plan, sep) + ", elevation patterns"};
}

Tuned tune(double goalMHz, const Options& options, const nec::Engine& engine, StopToken stop,
           const nec::Progress& progress, const Separators& sep) {
    const Design goal{calculateDimensions(static_cast<float>(goalMHz)), Unit::Inches};
    Options wires = options;
    wires.highestMHz.reset();
    const Plan p = plan(goal, wires, sep);
    Tuned t{nec::tune(goalMHz, p.sweep.model, engine, stop, progress), {}};
    t.lines.push_back("for SWR below 2 from " + singleText(static_cast<float>(goalMHz), sep) +
                      " MHz, cut for " + singleText(t.tuning.designMHz, sep) + " MHz");
    t.lines.push_back("the tuned design's SWR stays below 2 up to " +
                      fixedText(t.tuning.staysBelowUpToMHz, 3, sep) + " MHz");
    return t;
}

} // namespace discone::study
