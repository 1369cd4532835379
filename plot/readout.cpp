// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readout.h"

#include "beamchart.h"
#include "chartstyle.h"
#include "swrchart.h"

#include <QStringList>

#include <cmath>
#include <complex>

namespace discone::plot {

namespace {

QString mhzText(double mhz, const Separators& sep) {
    return style::number(mhz, sep, 4) + QStringLiteral(" MHz");
}

// With a fixed number of decimals, as the prediction's summary writes its
// numbers, and the chart's true minus sign.
QString fixed(double value, int decimals, const Separators& sep) {
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
    QString text = QString::fromStdString(fixedText(value, decimals, sep));
    if (text.startsWith(u'-'))
        text[0] = QChar(0x2212);
    return text;
}

} // namespace

SwrReadout readSwrChart(const SwrChart& chart, double mhz) {
    const bool db = chart.scale == MatchScale::ReturnLoss;
    const auto match = [db](const SwrPoint& p) { return db ? returnLossDb(p.swr) : p.swr; };
    return {mhz, curveAt(chart.predicted, mhz, match), curveAt(chart.measured, mhz, match),
            curveAt(chart.horizonGain, mhz, [](const GainPoint& p) { return p.dbi; })};
}

QString describe(const SwrChart& chart, const SwrReadout& r) {
    const Separators& sep = chart.separators;
    const bool db = chart.scale == MatchScale::ReturnLoss;
    const auto match = [&](double v) {
        return db ? QStringLiteral("return loss %1 dB").arg(fixed(v, 1, sep))
                  : QStringLiteral("SWR %1").arg(fixed(v, 2, sep));
    };
    QStringList parts;
    if (r.predicted)
        parts << (chart.measured.empty() ? QString() : QStringLiteral("predicted ")) +
                     match(*r.predicted);
    if (r.measured)
        parts << QStringLiteral("measured ") + match(*r.measured);
    if (r.horizonDbi)
        parts << QStringLiteral("%1 dBi at the horizon").arg(fixed(*r.horizonDbi, 1, sep));
    if (parts.isEmpty())
        return {};
    return mhzText(r.frequencyMHz, sep) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

BeamReadout readBeamChart(const BeamChart& chart, double mhz) {
    const std::vector<BeamPoint>& p = chart.points;
    // A jump of the elevation is a change of lobe: so is the peak's gain
    // across it.
    BeamReadout r{mhz, curveAt(p, mhz, [](const BeamPoint& b) { return b.horizonDbi; }), {}, {}};
    for (std::size_t i = 1; i < p.size(); ++i)
        if (mhz > p[i - 1].frequencyMHz && mhz < p[i].frequencyMHz &&
            isLobeJump(p[i - 1].peakElevationDeg, p[i].peakElevationDeg)) {
            const BeamPoint& nearer =
                mhz * mhz < p[i - 1].frequencyMHz * p[i].frequencyMHz ? p[i - 1] : p[i];
            r.peakDbi = nearer.peakDbi;
            r.peakElevationDeg = nearer.peakElevationDeg;
            return r;
        }
    r.peakDbi = curveAt(p, mhz, [](const BeamPoint& b) { return b.peakDbi; });
    r.peakElevationDeg = curveAt(p, mhz, [](const BeamPoint& b) { return b.peakElevationDeg; });
    return r;
}

QString describe(const BeamChart& chart, const BeamReadout& r) {
    const Separators& sep = chart.separators;
    if (!r.horizonDbi && !r.peakDbi)
        return {};
    QStringList parts;
    if (r.horizonDbi)
        parts << QStringLiteral("%1 dBi at the horizon").arg(fixed(*r.horizonDbi, 1, sep));
    if (r.peakDbi && r.peakElevationDeg)
        parts << QStringLiteral("strongest lobe %1 dBi at %2°")
                     .arg(fixed(*r.peakDbi, 1, sep), fixed(*r.peakElevationDeg, 0, sep));
    return mhzText(r.frequencyMHz, sep) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

ImpedanceReadout readImpedanceChart(const ImpedanceChart& chart, double mhz) {
    return {mhz, curveAt(chart.points, mhz, [](const ImpedancePoint& p) { return p.resistance; }),
            curveAt(chart.points, mhz, [](const ImpedancePoint& p) { return p.reactance; })};
}

namespace {

QString impedanceText(double r, double x, const Separators& sep) {
    return QStringLiteral("R %1 Ω, X %2 Ω").arg(fixed(r, 1, sep), fixed(x, 1, sep));
}

} // namespace

QString describe(const ImpedanceChart& chart, const ImpedanceReadout& r) {
    if (!r.resistance || !r.reactance)
        return {};
    return mhzText(r.frequencyMHz, chart.separators) + QStringLiteral(": ") +
           impedanceText(*r.resistance, *r.reactance, chart.separators);
}

QString describe(const SmithChart& chart, std::size_t index) {
    if (index >= chart.predicted.size())
        return {};
    const ImpedancePoint& p = chart.predicted[index];
    const Separators& sep = chart.separators;
    const std::complex<double> z(p.resistance, p.reactance);
    const double gamma = std::abs((z - chart.referenceOhms) / (z + chart.referenceOhms));
    const double swr = gamma >= 1 ? INFINITY : (1 + gamma) / (1 - gamma);
    return mhzText(p.frequencyMHz, sep) + QStringLiteral(": ") +
           impedanceText(p.resistance, p.reactance, sep) +
           QStringLiteral(", SWR %1").arg(fixed(swr, 2, sep));
}

} // namespace discone::plot
