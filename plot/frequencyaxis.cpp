// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequencyaxis.h"

#include "chartstyle.h"

#include <algorithm>
#include <cmath>

namespace discone::plot::axis {

namespace {

bool same(double a, double b) {
    return std::abs(a - b) <= 1e-3 * std::max(std::abs(a), std::abs(b));
}

// 1 first, then 5, then 2, then the rest: the order labels are tried in.
int rank(double mhz) {
    const double step = mhz / std::pow(10.0, std::floor(std::log10(mhz) + 1e-9));
    for (const auto& [value, order] : {std::pair{1.0, 0}, {5.0, 1}, {2.0, 2}})
        if (same(step, value))
            return order;
    return 3;
}

} // namespace

std::vector<FrequencyTick> frequencyTicks(double lowMHz, double highMHz) {
    std::vector<FrequencyTick> ticks;
    if (!(lowMHz > 0) || !(highMHz >= lowMHz))
        return ticks;
    for (double decade = std::pow(10.0, std::floor(std::log10(lowMHz))); decade <= highMHz;
         decade *= 10)
        for (int step = 1; step <= 9; ++step)
            if (const double f = step * decade; f >= lowMHz * 0.999 && f <= highMHz * 1.001)
                ticks.push_back({f, step == 1 || step == 2 || step == 5});
    return ticks;
}

std::vector<FrequencyLabel> frequencyLabels(double lowMHz, double highMHz,
                                            const std::function<double(double)>& x,
                                            const QFontMetricsF& metrics, double gap,
                                            const Separators& sep) {
    std::vector<FrequencyLabel> labels;
    std::vector<std::pair<double, double>> taken; // left and right edge of each label
    const auto tryPlace = [&](double mhz, Qt::Alignment alignment, bool always) {
        const QString text = style::number(mhz, sep);
        const double width = metrics.horizontalAdvance(text);
        const double at = x(mhz);
        const double left = alignment == Qt::AlignLeft    ? at
                            : alignment == Qt::AlignRight ? at - width
                                                          : at - width / 2;
        const double right = left + width;
        for (const auto& [l, r] : taken)
            if (!always && left < r + gap && right > l - gap)
                return;
        taken.emplace_back(left, right);
        labels.push_back({mhz, text, alignment});
    };
    tryPlace(lowMHz, Qt::AlignLeft, true);
    if (!same(highMHz, lowMHz))
        tryPlace(highMHz, Qt::AlignRight, true);

    std::vector<FrequencyTick> ticks = frequencyTicks(lowMHz, highMHz);
    std::erase_if(
        ticks, [&](const FrequencyTick& t) { return same(t.mhz, lowMHz) || same(t.mhz, highMHz); });
    // A short sweep with no 1, 2 or 5 inside gets its other ticks labelled.
    const bool anyMajor = std::ranges::any_of(ticks, &FrequencyTick::major);
    std::ranges::stable_sort(ticks, {}, [](const FrequencyTick& t) { return rank(t.mhz); });
    for (const FrequencyTick& t : ticks)
        if (t.major || !anyMajor)
            tryPlace(t.mhz, Qt::AlignHCenter, false);
    return labels;
}

void drawFrequencyLabels(QPainter& painter, double lowMHz, double highMHz,
                         const std::function<double(double)>& x, const QFontMetricsF& metrics,
                         double gap, double line, double labelsTop, const QRectF& plotArea,
                         const QRectF& area, const Separators& sep) {
    for (const FrequencyLabel& label : frequencyLabels(lowMHz, highMHz, x, metrics, 2 * gap, sep)) {
        const double width = metrics.horizontalAdvance(label.text) + 2, at = x(label.mhz);
        const double left = label.alignment == Qt::AlignLeft    ? at
                            : label.alignment == Qt::AlignRight ? at - width
                                                                : at - width / 2;
        painter.drawText(QRectF(left, labelsTop + gap, width, line), Qt::AlignCenter, label.text);
    }
    painter.drawText(QRectF(plotArea.left(), area.bottom() - gap - line, plotArea.width(), line),
                     Qt::AlignCenter, QStringLiteral("frequency (MHz, logarithmic)"));
}

} // namespace discone::plot::axis
