// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The logarithmic frequency axis of the charts over frequency: grid lines at 1 to 9
// times each power of ten, labels at both ends of the sweep and at 1, 2 and
// 5 times a power of ten, leaving out any label that would touch another.
#pragma once

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "numtext.h"

#include <functional>
#include <vector>

namespace discone::plot::axis {

struct FrequencyTick {
    double mhz;
    bool major; // 1, 2 or 5 times a power of ten
};

struct FrequencyLabel {
    double mhz;
    QString text;
    Qt::Alignment alignment; // the ends lean inwards, the others are centred
};

std::vector<FrequencyTick> frequencyTicks(double lowMHz, double highMHz);

// Labels for the axis from `lowMHz` to `highMHz`, placed by `x` and measured
// with `metrics`, at least `gap` apart, numbers with `sep`. The two ends
// always get theirs.
std::vector<FrequencyLabel> frequencyLabels(double lowMHz, double highMHz,
                                            const std::function<double(double)>& x,
                                            const QFontMetricsF& metrics, double gap,
                                            const Separators& sep);

// Draws the labels under the panels' lowest edge `labelsTop`, a line of
// `line` pixels high, and the axis's name at the bottom of `area`, centred
// under `plotArea`, with the painter's pen and font.
void drawFrequencyLabels(QPainter& painter, double lowMHz, double highMHz,
                         const std::function<double(double)>& x, const QFontMetricsF& metrics,
                         double gap, double line, double labelsTop, const QRectF& plotArea,
                         const QRectF& area, const Separators& sep);

} // namespace discone::plot::axis
