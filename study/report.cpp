// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include "bands.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace discone::study {

using namespace nec;

namespace {

using Curve = std::vector<std::pair<double, double>>;

// The curve's SWR at `mhz` within it, as the chart draws it: straight
// between neighbouring points over log frequency. Total reflection on
// either side reaches every value between, so the edge takes it.
double swrAt(const Curve& curve, double mhz) {
    const auto after = std::lower_bound(curve.begin(), curve.end(), mhz,
                                        [](const auto& p, double f) { return p.first < f; });
    if (after == curve.end())
        return curve.back().second;
    if (after->first == mhz || after == curve.begin())
        return after->second;
    const auto& [f0, s0] = *(after - 1);
    const auto& [f1, s1] = *after;
    if (std::isinf(s0) || std::isinf(s1))
        return std::numeric_limits<double>::infinity();
    const double t = std::log(mhz / f0) / std::log(f1 / f0);
    return s0 + t * (s1 - s0);
}

} // namespace

std::string lengthText(double metres, Unit unit, const Separators& sep) {
    return unit == Unit::Inches ? significantText(metres / kMetresPerInch, 4, sep) + " in"
                                : significantText(metres * 100, 4, sep) + " cm";
}

std::vector<std::string> bandLines(const Curve& curve, int region, const Separators& sep,
                                   std::string_view prefix) {
    std::vector<std::string> lines;
    if (curve.empty())
        return lines;
    const double first = curve.front().first, last = curve.back().first;
    for (const Band& band : bandsWithin(region, first, last)) {
        const double low = std::max(band.lowMHz, first), high = std::min(band.highMHz, last);
        std::vector<double> values = {swrAt(curve, low), swrAt(curve, high)};
        for (const auto& [mhz, swr] : curve)
            if (mhz > low && mhz < high)
                values.push_back(swr);
        std::erase_if(values, [](double v) { return std::isnan(v); });
        if (values.empty())
            continue;
        const auto [least, most] = std::minmax_element(values.begin(), values.end());
        const auto text = [&](double swr) {
            return std::isinf(swr) ? std::string("total reflection") : fixedText(swr, 2, sep);
        };
        std::string line = std::string(prefix) + band.name + ": ";
        line += std::isinf(*least) ? text(*least) : "SWR " + text(*least) + " to " + text(*most);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> summaryLines(const SweepSummary& summary, const Separators& sep,
                                      std::string_view prefix) {
    const std::string p(prefix);
    std::vector<std::string> lines;
    if (summary.firstBelowMHz) {
        lines.push_back(p + "SWR first below 2 at " + fixedText(*summary.firstBelowMHz, 3, sep) +
                        " MHz");
        lines.push_back(p + "SWR stays below 2 up to " +
                        fixedText(*summary.staysBelowUpToMHz, 3, sep) + " MHz");
    } else {
        lines.push_back(p + "SWR never below 2");
    }
    lines.push_back(p + "lowest SWR " + fixedText(summary.lowestSwr, 3, sep) + " at " +
                    fixedText(summary.lowestSwrMHz, 3, sep) + " MHz");
    if (summary.averageGain)
        lines.push_back(p + "average gain test " + fixedText(summary.averageGain->first, 3, sep) +
                        " to " + fixedText(summary.averageGain->second, 3, sep));
    return lines;
}

std::string sweepTable(const Sweep& sweep) {
    const bool beams = !sweep.points.empty() && sweep.points.front().beam.has_value();
    std::string out;
    if (beams)
        out += "# impedance: NEC-2's times the model's average gain, which a lossless antenna "
               "has at 1; gains in dBi put right by it too\n";
    out += "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr";
    out += beams ? "\thorizon_gain_dbi\tpeak_gain_dbi\tpeak_elevation_deg\n" : "\n";
    for (const SweepPoint& p : sweep.points) {
        out += fixed(p.frequencyMHz, 3) + '\t' + fixed(p.impedance.real(), 2) + '\t' +
               fixed(p.impedance.imag(), 2) + '\t' + fixed(p.swr, 3);
        if (p.beam)
            out += '\t' + fixed(p.beam->horizonDbi, 2) + '\t' + fixed(p.beam->peakDbi, 2) + '\t' +
                   fixed(p.beam->peakElevationDeg, 1);
        out += '\n';
    }
    // The summary's numbers as the rows write theirs.
    for (const std::string& line : summaryLines(summarize(sweep), Separators{".", ""}))
        out += "# " + line + '\n';
    return out;
}

std::vector<std::string> buildNotes(const Sweep& sweep, Unit unit, const Separators& sep) {
    std::vector<std::string> lines;
    lines.push_back("cone wires " + lengthText(sweep.coneWireLength, unit, sep) +
                    " from the top ring to the skirt, as modelled; the printed side length "
                    "runs on to the cone's apex");
    if (sweep.hubDiameter > 0)
        lines.push_back("the rods need a hub " + lengthText(sweep.hubDiameter, unit, sep) +
                        " across: the disc's rods start on it, the cone's on a collar as wide");
    if (sweep.endsEarlyMHz > 0)
        lines.push_back("the sweep ends at " + fixedText(sweep.endsEarlyMHz, 3, sep) +
                        " MHz, where " +
                        (sweep.endsBecause.empty() ? std::string("the model's limits end")
                                                   : sweep.endsBecause));
    return lines;
}

Cuts cutsOf(const DisconeDimensions& dimensions, const Sweep& sweep) {
    // The model's radii: the printed dimensions are in inches.
    const double rim = dimensions.DiscDiameter / 2 * kMetresPerInch;
    const double start = sweep.hubDiameter > 0 ? sweep.hubDiameter / 2
                                               : dimensions.MinimumDiameter / 2 * kMetresPerInch;
    return {sweep.coneWireLength, rim - start, sweep.hubDiameter};
}

std::vector<double> smithMarks(double designMHz, double lowMHz, double highMHz) {
    std::vector<double> marks;
    const auto farFromOthers = [&](double mhz) {
        return std::none_of(marks.begin(), marks.end(),
                            [&](double m) { return std::abs(std::log10(mhz / m)) < 0.1; });
    };
    if (designMHz >= lowMHz * 0.999 && designMHz <= highMHz * 1.001)
        marks.push_back(designMHz);
    if (!(lowMHz > 0) || !(highMHz > lowMHz))
        return marks;
    for (double decade = std::pow(10.0, std::floor(std::log10(lowMHz))); decade <= highMHz;
         decade *= 10)
        for (const double step : {1.0, 2.0, 5.0})
            if (const double f = step * decade; f >= lowMHz && f <= highMHz && farFromOthers(f))
                marks.push_back(f);
    return marks;
}

} // namespace discone::study
