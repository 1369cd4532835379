// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's charts on screen: the chart library draws them to
// the widget's size, once per change of chart or size, into a picture that
// the widget then shows, so moving the mouse repaints only the read-out over
// it. Without a chart a view shows a line of text in its place.
//
// The chart views read their curves: under the mouse, or stepped through
// the computed points with the arrow keys (Home and End to the ends) while
// the view has focus, a hairline, a marker on each curve and a box say what
// the curves hold there. Each new reading is sent as readingChanged, for
// the window's read-out line and screen readers. A click on the SWR chart,
// or Enter there, chooses the frequency of the elevation pattern.
//
// The views keep a small size hint, so that in a window too short for all
// the views give up their height before anything else does.
#pragma once

#include "chartframe.h"
#include "charts.h"
#include "patternchart.h"
#include "separators.h"
#include "smithchart.h"
#include "sweepchart.h"
#include "swrchart.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace discone::ui {

// The charts the views show are for this user: the system locale's
// separators and the amateur bands of its country's ITU region.
template <typename Chart, typename Points> void forThisUser(Chart& chart, const Points& points) {
    chart.separators = systemSeparators();
    if (!points.empty())
        chart.bands = plot::bandMarks(systemRegion(), points.front().frequencyMHz,
                                      points.back().frequencyMHz);
}

template <typename Points> std::vector<double> frequenciesOf(const Points& points) {
    std::vector<double> mhz;
    for (const auto& p : points)
        mhz.push_back(p.frequencyMHz);
    return mhz;
}

class ChartView : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRectF&)>;

    explicit ChartView(QWidget* parent = nullptr);

    // nullptr: no chart, the placeholder instead.
    void setDrawing(Drawing drawing);
    void setPlaceholder(const QString& text);
    const QString& placeholder() const { return placeholder_; }
    bool hasChart() const { return bool(drawing_); }

    QSize sizeHint() const override { return {480, 150}; }
    QSize minimumSizeHint() const override { return {240, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Drawn over the chart at each paint.
    virtual void paintOver(QPainter&) {}
    // The chart drawn now, if it must be, so that its geometry is known.
    void ensureDrawn();

private:
    Drawing drawing_;
    QString placeholder_;
    QPixmap picture_; // the chart at the widget's size; null when it must be drawn again
};

// A chart view with a read-out. The cursor is a place along the curves: a
// frequency, or on the Smith chart a point's index.
class ReadoutView : public ChartView {
    Q_OBJECT
public:
    explicit ReadoutView(QWidget* parent = nullptr);

    // The reading at the cursor in the user's words; empty without one.
    QString reading() const { return reading_; }
    std::optional<double> cursor() const { return cursor_; }

signals:
    void readingChanged(const QString& reading);

protected:
    struct Marker {
        QPointF at;
        QColor colour;
    };
    // The cursor's stops, rising: the computed points.
    virtual std::vector<double> stops() const = 0;
    // The cursor for the mouse at `point`; none off the chart.
    virtual std::optional<double> cursorAt(const QPointF& point) const = 0;
    virtual QString textAt(double cursor) const = 0;
    virtual std::vector<Marker> markersAt(double cursor) const = 0;
    // The hairline through the cursor, if the chart has one.
    virtual std::optional<QLineF> hairlineAt(double) const { return std::nullopt; }

    // A new chart (nullptr: none), with no cursor. The drawing must set the
    // geometry the read-out uses.
    void showChart(Drawing drawing);
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintOver(QPainter& painter) override;

private:
    void setCursor(std::optional<double> cursor);

    std::optional<double> cursor_;
    std::optional<QPointF> mouse_;
    QString reading_;
};

class SwrView : public ReadoutView {
    Q_OBJECT
public:
    explicit SwrView(QWidget* parent = nullptr);

    // The user's separators and ITU region come from the system's locale.
    void setChart(const plot::SwrChart& chart);
    void clearChart();
    const plot::SwrChart& chart() const { return chart_; }

    // What the curves read in the column of a point of the widget, in the
    // user's words, such as "175.7 MHz: SWR 1.56, 1.69 dBi at the horizon";
    // empty off the panels or before the chart is drawn.
    QString readingAt(const QPointF& point) const;

signals:
    // A left click over the panels, or Enter or Space at the cursor.
    void frequencyChosen(double mhz);

protected:
    std::vector<double> stops() const override;
    std::optional<double> cursorAt(const QPointF& point) const override;
    QString textAt(double mhz) const override;
    std::vector<Marker> markersAt(double mhz) const override;
    std::optional<QLineF> hairlineAt(double mhz) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    plot::SwrChart chart_;
    plot::SwrGeometry geometry_; // of the chart as last drawn
};

class BeamView : public ReadoutView {
    Q_OBJECT
public:
    explicit BeamView(QWidget* parent = nullptr);
    void setChart(const plot::BeamChart& chart);
    void clearChart();
    const plot::BeamChart& chart() const { return chart_; }

protected:
    std::vector<double> stops() const override;
    std::optional<double> cursorAt(const QPointF& point) const override;
    QString textAt(double mhz) const override;
    std::vector<Marker> markersAt(double mhz) const override;
    std::optional<QLineF> hairlineAt(double mhz) const override;

private:
    plot::BeamChart chart_;
    plot::frame::FrequencyGeometry geometry_;
};

class ImpedanceView : public ReadoutView {
    Q_OBJECT
public:
    explicit ImpedanceView(QWidget* parent = nullptr);
    void setChart(const plot::ImpedanceChart& chart);
    void clearChart();
    const plot::ImpedanceChart& chart() const { return chart_; }

protected:
    std::vector<double> stops() const override;
    std::optional<double> cursorAt(const QPointF& point) const override;
    QString textAt(double mhz) const override;
    std::vector<Marker> markersAt(double mhz) const override;
    std::optional<QLineF> hairlineAt(double mhz) const override;

private:
    plot::ImpedanceChart chart_;
    plot::frame::FrequencyGeometry geometry_;
};

// Reads the computed point nearest the mouse.
class SmithView : public ReadoutView {
    Q_OBJECT
public:
    explicit SmithView(QWidget* parent = nullptr);
    void setChart(const plot::SmithChart& chart);
    void clearChart();
    const plot::SmithChart& chart() const { return chart_; }

protected:
    std::vector<double> stops() const override;
    std::optional<double> cursorAt(const QPointF& point) const override;
    QString textAt(double index) const override;
    std::vector<Marker> markersAt(double index) const override;

private:
    plot::SmithChart chart_;
    plot::SmithGeometry geometry_;
};

// The elevation pattern at one frequency, read along the elevation: the
// cursor is an elevation in degrees, its stops the computed directions.
class PatternView : public ReadoutView {
    Q_OBJECT
public:
    explicit PatternView(QWidget* parent = nullptr);
    void setChart(const plot::PatternChart& chart);
    void clearChart();
    const plot::PatternChart& chart() const { return chart_; }

protected:
    std::vector<double> stops() const override;
    std::optional<double> cursorAt(const QPointF& point) const override;
    QString textAt(double elevation) const override;
    std::vector<Marker> markersAt(double elevation) const override;
    std::optional<QLineF> hairlineAt(double elevation) const override;

private:
    // The first cut's gain at an elevation, between its computed directions.
    std::optional<double> gainAt(double elevation) const;

    plot::PatternChart chart_;
    plot::PatternGeometry geometry_;
};

} // namespace discone::ui
