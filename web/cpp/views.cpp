// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views.h"

#include "readout.h"
#include "report.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>

namespace discone::web {
namespace {

using Complex = std::complex<double>;

Complex reflection(Complex ohms, double reference) {
    if (std::isinf(ohms.real()) || std::isinf(ohms.imag()))
        return {1, 0};
    return (ohms - reference) / (ohms + reference);
}

// The reflection at `mhz` between the computed points, linear in the
// reflection over the logarithmic frequency, as the curve's pieces draw it.
std::optional<Complex> reflectionAt(const std::vector<nec::SweepPoint>& points, double mhz,
                                    double reference) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const nec::SweepPoint &a = points[i], &b = points[i + 1];
        if (mhz < a.frequencyMHz || mhz > b.frequencyMHz)
            continue;
        const double t = std::log(mhz / a.frequencyMHz) / std::log(b.frequencyMHz / a.frequencyMHz);
        const Complex ga = reflection(a.impedance, reference);
        const Complex gb = reflection(b.impedance, reference);
        return ga + t * (gb - ga);
    }
    if (points.size() == 1 && points.front().frequencyMHz == mhz)
        return reflection(points.front().impedance, reference);
    return std::nullopt;
}

std::string ohmsText(double ohms, const Separators& sep) {
    return readableText(ohms, 4, sep) + " \u03a9";
}

void reflections(Json& json, const std::vector<std::pair<double, Complex>>& points,
                 double reference) {
    json.openArray();
    for (const auto& [mhz, z] : points) {
        const Complex g = reflection(z, reference);
        json.openArray().number(mhz).number(g.real()).number(g.imag()).closeArray();
    }
    json.closeArray();
}

void smithFields(Json& json, const study::Prediction& p, const study::Measurement* measurement,
                 const Separators& sep) {
    const double ref = p.plan.referenceOhms;
    const std::vector<nec::SweepPoint>& points = p.sweep.points;
    std::vector<std::pair<double, Complex>> predicted, measured;
    for (const nec::SweepPoint& point : points)
        predicted.emplace_back(point.frequencyMHz, point.impedance);
    // The measured impedances within the sweep's range, as the SWR chart
    // draws them.
    if (measurement && !points.empty()) {
        const double low = points.front().frequencyMHz, high = points.back().frequencyMHz;
        const double r = measurement->data.referenceOhms;
        for (const nec::ReflectionPoint& m : measurement->data.points)
            if (m.frequencyMHz >= low * (1 - 1e-9) && m.frequencyMHz <= high * (1 + 1e-9) &&
                std::abs(1.0 - m.s11) > 1e-12)
                measured.emplace_back(m.frequencyMHz, r * (1.0 + m.s11) / (1.0 - m.s11));
    }
    json.key("smith").open().key("predicted");
    reflections(json, predicted, ref);
    json.key("measured");
    reflections(json, measured, ref);
    json.key("marks").openArray();
    if (!points.empty())
        for (const double mhz : study::smithMarks(p.sweep.designMHz, points.front().frequencyMHz,
                                                  points.back().frequencyMHz))
            if (const auto g = reflectionAt(points, mhz, ref))
                json.openArray()
                    .number(g->real())
                    .number(g->imag())
                    .string(readableText(mhz, 6, sep) + " MHz")
                    .boolean(mhz == p.sweep.designMHz)
                    .closeArray();
    json.closeArray();
    // The labelled circles and arcs: where their labels go, and what they say.
    json.key("labels").openArray();
    for (const double r : {0.5, 1.0, 2.0}) {
        const Complex g = reflection({r * ref, 0}, ref);
        json.openArray().number(g.real()).number(g.imag()).string(readableText(r * ref, 4, sep));
        json.closeArray();
        for (const double sign : {1.0, -1.0}) {
            const Complex rim = reflection({0, sign * r * ref}, ref);
            json.openArray().number(rim.real()).number(rim.imag());
            json.string((sign > 0 ? "+j" : "\u2212j") + readableText(r * ref, 4, sep));
            json.closeArray();
        }
    }
    json.closeArray();
    json.field("note", "impedance in ohms, normalised to " + ohmsText(ref, sep));
    json.close();
}

} // namespace

void viewFields(Json& json, const study::Prediction& p, const study::Measurement* measurement,
                const Separators& sep) {
    const double ref = p.plan.referenceOhms;
    const std::string ohms = ohmsText(ref, sep);
    json.field("reference", ref);
    json.key("labels")
        .open()
        .field("swr", "SWR (" + ohms + ")")
        .field("returnLoss", "return loss (dB, " + ohms + ")")
        .field("impedance", "impedance (\u03a9)")
        .field("resistanceGuide", "R = " + ohms)
        .close();
    // SWR 2 as return loss, the guide of that scale.
    json.field("swr2ReturnLoss", returnLossOfSwr(2));
    json.key("returnLoss").openArray();
    for (const nec::SweepPoint& point : p.sweep.points)
        json.openArray().number(point.frequencyMHz).number(returnLossOfSwr(point.swr)).closeArray();
    json.closeArray();
    json.key("measuredReturnLoss").openArray();
    if (p.measured)
        for (const auto& [mhz, swr] : p.measured->swr)
            json.openArray().number(mhz).number(returnLossOfSwr(swr)).closeArray();
    json.closeArray();
    json.key("radioEnd");
    if (p.radioEnd.empty() || !p.plan.feedline) {
        json.null();
    } else {
        // The cable's short name: its maker's goes in the summary.
        const study::Feedline& line = *p.plan.feedline;
        const std::string_view name = line.cable->name.substr(0, line.cable->name.find(" ("));
        json.open().field("name", "at the radio, " + readableText(line.metres, 4, sep) + " m of " +
                                      std::string(name));
        json.key("points").openArray();
        for (const study::FeedPoint& f : p.radioEnd)
            json.openArray()
                .number(f.frequencyMHz)
                .number(f.radioSwr)
                .number(returnLossOfSwr(f.radioSwr))
                .closeArray();
        json.closeArray().close();
    }
    json.key("impedance").openArray();
    for (const nec::SweepPoint& point : p.sweep.points)
        json.openArray()
            .number(point.frequencyMHz)
            .number(point.impedance.real())
            .number(point.impedance.imag())
            .closeArray();
    json.closeArray();
    smithFields(json, p, measurement, sep);
}

void patternObject(Json& json, const study::Patterns& patterns, const Separators& sep) {
    json.open().field("title", patterns.title);
    if (patterns.cuts.empty()) {
        json.key("points").openArray().closeArray().close();
        return;
    }
    const nec::ElevationCut& cut = patterns.cuts.front();
    double best = -INFINITY;
    for (const nec::PatternSample& s : cut.samples)
        if (std::isfinite(s.gainDbi))
            best = std::max(best, s.gainDbi);
    // The outer ring at the best gain rounded up to 5 dB, as on the desktop.
    json.field("frequency", readableText(cut.frequencyMHz, 6, sep) + " MHz")
        .field("top", std::isfinite(best) ? std::ceil(best / 5) * 5 + 0.0 : 0.0);
    json.key("points").openArray();
    // Theta from the disc's side is 90 degrees less the elevation.
    for (auto s = cut.samples.rbegin(); s != cut.samples.rend(); ++s)
        json.openArray().number(90 - s->thetaDeg).number(s->gainDbi).closeArray();
    json.closeArray().close();
}

} // namespace discone::web
