// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweepchart.h"

#include "bands.h"

namespace discone::plot {

std::vector<BandMark> bandMarks(int region, double lowMHz, double highMHz) {
    std::vector<BandMark> marks;
    for (const study::Band& band : study::bandsWithin(region, lowMHz, highMHz))
        marks.push_back({QString::fromStdString(band.name), band.lowMHz, band.highMHz});
    return marks;
}

namespace {

template <typename Points> std::vector<BandMark> bandsOf(const Points& points, int region) {
    if (points.empty())
        return {};
    return bandMarks(region, points.front().frequencyMHz, points.back().frequencyMHz);
}

} // namespace

SwrChart sweepChart(const nec::Sweep& sweep, const QString& title,
                    const std::vector<std::pair<double, double>>& measured, const Reader& reader) {
    SwrChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.scale = reader.scale;
    chart.referenceOhms = reader.referenceOhms;
    chart.separators = reader.separators;
    chart.predicted.reserve(sweep.points.size());
    for (const nec::SweepPoint& point : sweep.points) {
        chart.predicted.push_back(
            {point.frequencyMHz, reader.referenceOhms == nec::kReferenceOhms
                                     ? point.swr
                                     : nec::swr(point.impedance, reader.referenceOhms)});
        if (point.beam)
            chart.horizonGain.push_back({point.frequencyMHz, point.beam->horizonDbi});
    }
    for (const auto& [mhz, swr] : measured)
        chart.measured.push_back({mhz, swr});
    chart.bands = bandsOf(chart.predicted, reader.region);
    return chart;
}

BeamChart beamChart(const nec::Sweep& sweep, const QString& title, const Reader& reader) {
    BeamChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.separators = reader.separators;
    for (const nec::SweepPoint& point : sweep.points)
        if (point.beam)
            chart.points.push_back({point.frequencyMHz, point.beam->horizonDbi, point.beam->peakDbi,
                                    point.beam->peakElevationDeg});
    chart.bands = bandsOf(chart.points, reader.region);
    return chart;
}

ImpedanceChart impedanceChart(const nec::Sweep& sweep, const QString& title, const Reader& reader) {
    ImpedanceChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.referenceOhms = reader.referenceOhms;
    chart.separators = reader.separators;
    for (const nec::SweepPoint& point : sweep.points)
        chart.points.push_back(
            {point.frequencyMHz, point.impedance.real(), point.impedance.imag()});
    chart.bands = bandsOf(chart.points, reader.region);
    return chart;
}

SmithChart smithChart(const nec::Sweep& sweep, const QString& title,
                      const std::vector<std::pair<double, std::complex<double>>>& measured,
                      const Reader& reader) {
    SmithChart chart;
    chart.title = title;
    chart.designMHz = sweep.designMHz;
    chart.referenceOhms = reader.referenceOhms;
    chart.separators = reader.separators;
    for (const nec::SweepPoint& point : sweep.points)
        chart.predicted.push_back(
            {point.frequencyMHz, point.impedance.real(), point.impedance.imag()});
    for (const auto& [mhz, z] : measured)
        chart.measured.push_back({mhz, z.real(), z.imag()});
    return chart;
}

PatternChart patternChart(const std::vector<nec::ElevationCut>& cuts, const QString& title,
                          const Reader& reader) {
    PatternChart chart;
    chart.title = title;
    chart.separators = reader.separators;
    for (const nec::ElevationCut& cut : cuts) {
        PatternCut drawn{cut.frequencyMHz, {}};
        // Theta from the disc's side is 90 degrees less the elevation; the
        // drawing wants rising elevation.
        for (auto s = cut.samples.rbegin(); s != cut.samples.rend(); ++s)
            drawn.points.push_back({90 - s->thetaDeg, s->gainDbi});
        chart.cuts.push_back(std::move(drawn));
    }
    return chart;
}

SwrChart swrChart(const study::Prediction& prediction, Reader reader) {
    reader.referenceOhms = prediction.plan.referenceOhms;
    const QString title = QString::fromStdString(prediction.title);
    const auto* measured = prediction.measured ? &prediction.measured->swr : nullptr;
    SwrChart chart =
        sweepChart(prediction.sweep, title,
                   measured ? *measured : std::vector<std::pair<double, double>>{}, reader);
    if (prediction.measured && prediction.measured->warning)
        chart.notes << QString::fromStdString(*prediction.measured->warning);
    if (!prediction.radioEnd.empty() && prediction.plan.feedline) {
        const study::Feedline& line = *prediction.plan.feedline;
        for (const study::FeedPoint& point : prediction.radioEnd)
            chart.radioEnd.push_back({point.frequencyMHz, point.radioSwr});
        // The cable's short name: its maker's goes in the summary.
        const std::string_view name = line.cable->name.substr(0, line.cable->name.find(" ("));
        chart.radioEndName =
            QStringLiteral("at the radio, %1 m of %2")
                .arg(QString::fromStdString(readableText(line.metres, 4, reader.separators)),
                     QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    return chart;
}

BeamChart beamChart(const study::Prediction& prediction, Reader reader) {
    reader.referenceOhms = prediction.plan.referenceOhms;
    return beamChart(prediction.sweep, QString::fromStdString(prediction.title), reader);
}

ImpedanceChart impedanceChart(const study::Prediction& prediction, Reader reader) {
    reader.referenceOhms = prediction.plan.referenceOhms;
    return impedanceChart(prediction.sweep, QString::fromStdString(prediction.title), reader);
}

SmithChart smithChart(const study::Prediction& prediction, const study::Measurement* measurement,
                      Reader reader) {
    reader.referenceOhms = prediction.plan.referenceOhms;
    // The measured impedances within the sweep's range, as the SWR chart
    // draws them.
    std::vector<std::pair<double, std::complex<double>>> measured;
    if (measurement && !prediction.sweep.points.empty()) {
        const double low = prediction.sweep.points.front().frequencyMHz;
        const double high = prediction.sweep.points.back().frequencyMHz;
        const double r = measurement->data.referenceOhms;
        for (const nec::ReflectionPoint& p : measurement->data.points)
            if (p.frequencyMHz >= low * (1 - 1e-9) && p.frequencyMHz <= high * (1 + 1e-9) &&
                std::abs(1.0 - p.s11) > 1e-12)
                measured.emplace_back(p.frequencyMHz, r * (1.0 + p.s11) / (1.0 - p.s11));
    }
    return smithChart(prediction.sweep, QString::fromStdString(prediction.title), measured, reader);
}

} // namespace discone::plot
