// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace discone::web {
namespace {

// The desktop's beam chart takes a step of the elevation larger than this
// for a change of lobe.
constexpr double kLobeJumpDeg = 25;

struct Sample {
    double frequencyMHz;
    double value;
};

// The curve at `mhz`: a computed point's value, or the one between two,
// except across an infinite value or a jump, where the nearer one holds.
std::optional<double> curveAt(const std::vector<Sample>& points, double mhz,
                              double jump = INFINITY) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Sample& b = points[i];
        if (mhz == b.frequencyMHz)
            return std::isnan(b.value) ? std::nullopt : std::optional(b.value);
        if (i == 0 || mhz > b.frequencyMHz || mhz < points[i - 1].frequencyMHz)
            continue;
        const Sample& a = points[i - 1];
        if (std::isnan(a.value) || std::isnan(b.value))
            return std::nullopt;
        const double t = std::log(mhz / a.frequencyMHz) / std::log(b.frequencyMHz / a.frequencyMHz);
        if (std::isinf(a.value) || std::isinf(b.value) || std::abs(b.value - a.value) > jump)
            return t < 0.5 ? a.value : b.value;
        return a.value + t * (b.value - a.value);
    }
    return std::nullopt;
}

// The true minus sign, as the charts write numbers.
std::string withMinus(std::string text) {
    if (!text.empty() && text[0] == '-')
        text.replace(0, 1, "\u2212");
    return text;
}

std::string fixed(double value, int decimals, const Separators& sep) {
    if (std::isinf(value))
        return value > 0 ? "\u221e" : "\u2212\u221e";
    return withMinus(fixedText(value, decimals, sep));
}

// Four significant digits, but never a whole digit rounded away.
std::string mhzText(double mhz, const Separators& sep) {
    const int whole = mhz == 0 ? 1 : static_cast<int>(std::floor(std::log10(std::abs(mhz)))) + 1;
    return withMinus(readableText(mhz, std::clamp(std::max(4, whole), 1, 17), sep)) + " MHz";
}

std::vector<Sample> samples(const nec::Sweep& sweep,
                            const std::function<double(const nec::SweepPoint&)>& value) {
    std::vector<Sample> out;
    for (const nec::SweepPoint& p : sweep.points)
        out.push_back({p.frequencyMHz, value(p)});
    return out;
}

std::optional<double> horizonAt(const nec::Sweep& sweep, double mhz) {
    return curveAt(
        samples(sweep, [](const nec::SweepPoint& p) { return p.beam ? p.beam->horizonDbi : NAN; }),
        mhz);
}

std::string impedanceText(double r, double x, const Separators& sep) {
    return "R " + fixed(r, 1, sep) + " \u03a9, X " + fixed(x, 1, sep) + " \u03a9";
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

} // namespace

double returnLossOfSwr(double swr) {
    if (std::isnan(swr))
        return swr;
    if (!(swr > 1))
        return INFINITY;
    return std::isinf(swr) ? 0 : -20 * std::log10((swr - 1) / (swr + 1));
}

std::string swrReading(const study::Prediction& prediction, double mhz, bool returnLoss,
                       const Separators& sep) {
    const auto match = [returnLoss](double swr) { return returnLoss ? returnLossOfSwr(swr) : swr; };
    const auto predicted = curveAt(
        samples(prediction.sweep, [&](const nec::SweepPoint& p) { return match(p.swr); }), mhz);
    std::optional<double> measured, radio;
    if (prediction.measured) {
        std::vector<Sample> curve;
        for (const auto& [f, swr] : prediction.measured->swr)
            curve.push_back({f, match(swr)});
        measured = curveAt(curve, mhz);
    }
    const bool radioEnd = !prediction.radioEnd.empty();
    if (radioEnd) {
        std::vector<Sample> curve;
        for (const study::FeedPoint& f : prediction.radioEnd)
            curve.push_back({f.frequencyMHz, match(f.radioSwr)});
        radio = curveAt(curve, mhz);
    }
    // Which curve each match belongs to, in the desktop chart's words.
    const auto said = [&](const std::string& who, double v) {
        const std::string lead = who.empty() ? "" : who + " ";
        return returnLoss ? lead + "return loss " + fixed(v, 1, sep) + " dB"
                          : lead + "SWR " + fixed(v, 2, sep);
    };
    const bool anyMeasured = prediction.measured && !prediction.measured->swr.empty();
    const auto horizon = horizonAt(prediction.sweep, mhz);
    std::vector<std::string> parts;
    if (predicted)
        parts.push_back(said(radioEnd ? "antenna" : anyMeasured ? "predicted" : "", *predicted));
    if (radio)
        parts.push_back(said("radio end", *radio));
    if (measured)
        parts.push_back(said("measured", *measured));
    if (horizon)
        parts.push_back(fixed(*horizon, 1, sep) + " dBi at the horizon");
    return parts.empty() ? std::string() : mhzText(mhz, sep) + ": " + joined(parts);
}

std::string impedanceReading(const study::Prediction& prediction, double mhz,
                             const Separators& sep) {
    const auto r = curveAt(
        samples(prediction.sweep, [](const nec::SweepPoint& p) { return p.impedance.real(); }),
        mhz);
    const auto x = curveAt(
        samples(prediction.sweep, [](const nec::SweepPoint& p) { return p.impedance.imag(); }),
        mhz);
    if (!r || !x)
        return {};
    return mhzText(mhz, sep) + ": " + impedanceText(*r, *x, sep);
}

std::string smithReading(const study::Prediction& prediction, std::size_t index,
                         const Separators& sep) {
    const std::vector<nec::SweepPoint>& points = prediction.sweep.points;
    if (index >= points.size())
        return {};
    const nec::SweepPoint& p = points[index];
    const double ref = prediction.plan.referenceOhms;
    const double gamma = std::abs((p.impedance - ref) / (p.impedance + ref));
    const double swr = gamma >= 1 ? INFINITY : (1 + gamma) / (1 - gamma);
    return mhzText(p.frequencyMHz, sep) + ": " +
           impedanceText(p.impedance.real(), p.impedance.imag(), sep) + ", SWR " +
           fixed(swr, 2, sep);
}

// Linear in dBi between neighbouring directions, as the curve is drawn; a
// null on either side reads as the nearer one.
std::string patternReading(const nec::ElevationCut& cut, double elevationDeg,
                           const Separators& sep) {
    std::vector<Sample> rising; // elevation in place of frequency, linear
    for (auto s = cut.samples.rbegin(); s != cut.samples.rend(); ++s)
        rising.push_back({90 - s->thetaDeg, s->gainDbi});
    std::optional<double> dbi;
    for (std::size_t i = 0; i < rising.size() && !dbi; ++i) {
        const Sample& b = rising[i];
        if (elevationDeg == b.frequencyMHz) {
            dbi = b.value;
        } else if (i > 0 && elevationDeg < b.frequencyMHz &&
                   elevationDeg > rising[i - 1].frequencyMHz) {
            const Sample& a = rising[i - 1];
            const double t = (elevationDeg - a.frequencyMHz) / (b.frequencyMHz - a.frequencyMHz);
            dbi = !std::isfinite(a.value) || !std::isfinite(b.value)
                      ? (t < 0.5 ? a.value : b.value)
                      : a.value + t * (b.value - a.value);
        }
    }
    if (!dbi || std::isnan(*dbi))
        return {};
    std::string gain = std::isinf(*dbi) ? "a null" : fixedText(*dbi, 1, sep) + " dBi";
    // A true minus sign, and none on a gain that rounds to zero.
    if (gain[0] == '-')
        gain = gain.find_first_of("123456789") != std::string::npos ? "\u2212" + gain.substr(1)
                                                                    : gain.substr(1);
    return mhzText(cut.frequencyMHz, sep) + ", " +
           withMinus(readableText(std::round(elevationDeg), 4, sep)) + "\u00b0 elevation: " + gain;
}

std::string beamReading(const nec::Sweep& sweep, double mhz, const Separators& sep) {
    const auto horizon = horizonAt(sweep, mhz);
    std::optional<double> peak, elevation;
    const std::vector<nec::SweepPoint>& p = sweep.points;
    bool jumped = false;
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (!p[i - 1].beam || !p[i].beam || !(mhz > p[i - 1].frequencyMHz) ||
            !(mhz < p[i].frequencyMHz) ||
            !(std::abs(p[i].beam->peakElevationDeg - p[i - 1].beam->peakElevationDeg) >
              kLobeJumpDeg))
            continue;
        // A change of lobe: the nearer point's lobe.
        const nec::SweepPoint& nearer =
            mhz * mhz < p[i - 1].frequencyMHz * p[i].frequencyMHz ? p[i - 1] : p[i];
        peak = nearer.beam->peakDbi;
        elevation = nearer.beam->peakElevationDeg;
        jumped = true;
        break;
    }
    if (!jumped) {
        peak = curveAt(
            samples(sweep, [](const nec::SweepPoint& s) { return s.beam ? s.beam->peakDbi : NAN; }),
            mhz);
        elevation = curveAt(samples(sweep,
                                    [](const nec::SweepPoint& s) {
                                        return s.beam ? s.beam->peakElevationDeg : NAN;
                                    }),
                            mhz);
    }
    if (!horizon && !peak)
        return {};
    std::vector<std::string> parts;
    if (horizon)
        parts.push_back(fixed(*horizon, 1, sep) + " dBi at the horizon");
    if (peak && elevation)
        parts.push_back("strongest lobe " + fixed(*peak, 1, sep) + " dBi at " +
                        fixed(*elevation, 0, sep) + "\u00b0");
    return mhzText(mhz, sep) + ": " + joined(parts);
}

} // namespace discone::web
