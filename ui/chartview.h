// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's charts on screen: the chart library draws them to
// the widget's size, once per change of chart or size, into a picture that
// the widget then shows, so moving the mouse repaints only the read-out over
// it. Without a chart a view shows a line of text in its place. The SWR view
// reads off the frequency and the value under the mouse.
#pragma once

#include "charts.h"
#include "swrchart.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace discone::ui {

class ChartView : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRectF&)>;

    explicit ChartView(QWidget* parent = nullptr);

    // nullptr: no chart, the placeholder instead.
    void setDrawing(Drawing drawing);
    void setPlaceholder(const QString& text);
    bool hasChart() const { return bool(drawing_); }

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Drawn over the chart at each paint.
    virtual void paintOver(QPainter&) {}

private:
    Drawing drawing_;
    QString placeholder_;
    QPixmap picture_; // the chart at the widget's size; null when it must be drawn again
};

class SwrView : public ChartView {
    Q_OBJECT
public:
    explicit SwrView(QWidget* parent = nullptr);

    void setChart(const plot::SwrChart& chart);
    void clearChart();

    // What the chart reads at a point of the widget, in the user's words,
    // such as "412.3 MHz: SWR 1.52"; empty off the panels or before the chart
    // is drawn.
    QString readingAt(const QPointF& point) const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintOver(QPainter& painter) override;

private:
    plot::SwrGeometry geometry_; // of the chart as last drawn
    std::optional<QPointF> mouse_;
};

} // namespace discone::ui
