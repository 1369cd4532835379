// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report.h"

#include "numbers.h"

namespace discone::study {

using namespace nec;

namespace {

// A length as a builder measures it, in the design's unit.
std::string length(double metres, Unit unit, const Separators& sep) {
    return unit == Unit::Inches ? significantText(metres / kMetresPerInch, 4, sep) + " in"
                                : significantText(metres * 100, 4, sep) + " cm";
}

} // namespace

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
    lines.push_back("cone wires " + length(sweep.coneWireLength, unit, sep) +
                    " from the top ring to the skirt, as modelled; the printed side length "
                    "runs on to the cone's apex");
    if (sweep.hubDiameter > 0)
        lines.push_back("the rods need a hub " + length(sweep.hubDiameter, unit, sep) +
                        " across: the disc's rods start on it, the cone's on a collar as wide");
    if (sweep.endsEarlyMHz > 0)
        lines.push_back("the sweep ends at " + fixedText(sweep.endsEarlyMHz, 3, sep) +
                        " MHz, where NEC-2's thin-wire model ends for these rods");
    return lines;
}

} // namespace discone::study
