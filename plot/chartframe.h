// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The frame every chart shares, so that each chart draws only what is its
// own. A Frame opens a chart (the painter saved, the background, the
// title), draws the empty state and the legend, and closes it again. Over
// it, the frequency frame lays out one or more panels above one
// logarithmic frequency axis and draws what they share: the amateur bands,
// the value and frequency grids with their labels and axis titles, the
// captions, guide lines such as SWR 2, the design frequency and the
// panels' frames. Its geometry then places the chart's curves.
#pragma once

#include "charts.h"
#include "chartstyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

namespace discone::plot::frame {

struct LegendEntry {
    QString name;
    QColor colour;
};

class Frame {
public:
    Frame(QPainter& painter, const QRectF& area, const QString& title);
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    QPainter& painter;
    const QRectF area;
    const style::Sizes sizes;
    const QFontMetricsF metrics;
    const double line; // a line of label text
    const double gap;
    const double top; // under the title

    // A chart with nothing to draw: its title and `note` in the middle.
    void drawEmpty(const QString& note) const;
    // The entries in a row from `at`; returns the row's height.
    double drawLegendRow(const QPointF& at, const std::vector<LegendEntry>& entries) const;
    // The entries in a box in the top right corner of `panel`.
    QRectF legendBox(const QRectF& panel, const std::vector<LegendEntry>& entries) const;
    void drawLegendBox(const QRectF& panel, const std::vector<LegendEntry>& entries) const;
};

// A value axis in whole steps.
struct ValueAxis {
    double low = 0, high = 1, step = 1;
    bool downward = false; // values grow downwards, as return loss does
    double y(const QRectF& panel, double value) const;
    double valueAt(const QRectF& panel, double y) const;
};

// About `most` whole steps of the first of `steps` that fits, always with
// 0, and a quarter step's room at either end so a curve there stays off
// the frame.
ValueAxis roomyAxis(double lowest, double highest, std::initializer_list<double> steps,
                    int most = 6);

// A level line across a panel, its label over its right end.
struct Guide {
    double value;
    QString label;
    QColor colour;
    Qt::PenStyle style = Qt::DashLine;
};

struct Panel {
    ValueAxis axis;
    QString title;        // upright on the left
    double share = 1;     // of the height the panels share
    QString caption;      // inside, top left
    QString captionAbove; // over the panel, under the one above
    std::vector<Guide> guides;
};

struct FrequencyFrame {
    double lowMHz = 1, highMHz = 10;
    double designMHz = 0; // 0: none; else marked with its value
    std::vector<Panel> panels;
    std::vector<BandMark> bands;
    Separators separators;
    std::vector<LegendEntry> legendRow; // over the panels; empty: none
    // In the first panel's top right corner, drawn by the chart over its
    // curves; the frame keeps its labels out of the way.
    std::vector<LegendEntry> legendBox;
    QStringList notes; // over the panels, in `notesColour`
    QColor notesColour = style::kGoodSwr;
    double roomOverPanels = 0; // for marks over the top edge
};

class FrequencyGeometry {
public:
    FrequencyGeometry() = default; // nothing drawn: every point is outside
    FrequencyGeometry(std::vector<QRectF> panels, std::vector<ValueAxis> axes, double lowMHz,
                      double highMHz);

    bool empty() const { return panels_.empty(); }
    std::size_t panelCount() const { return panels_.size(); }
    const QRectF& panel(std::size_t i) const { return panels_[i]; }
    const ValueAxis& axis(std::size_t i) const { return axes_[i]; }
    double lowMHz() const { return lowMHz_; }
    double highMHz() const { return highMHz_; }

    double x(double mhz) const;
    double mhzAt(double x) const;
    double y(std::size_t panel, double value) const {
        return axes_[panel].y(panels_[panel], value);
    }
    // The panel under `point`, if any.
    std::optional<std::size_t> panelAt(const QPointF& point) const;

private:
    std::vector<QRectF> panels_;
    std::vector<ValueAxis> axes_;
    double lowMHz_ = 1, highMHz_ = 10;
};

// Draws everything but the curves, notes first and the panels' frames
// last.
FrequencyGeometry drawFrequencyFrame(const Frame& frame, const FrequencyFrame& layout);

// The points `at` joined, cut to `box`; a missing point breaks the line,
// and a point with no neighbour to join gets a dot. The painter's pen.
void drawCurve(QPainter& painter, const std::vector<std::optional<QPointF>>& at, const QRectF& box);

} // namespace discone::plot::frame
