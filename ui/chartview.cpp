// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartview.h"

#include "bands.h"
#include "beamchart.h"
#include "impedancechart.h"
#include "readout.h"
#include "separators.h"
#include "sweepchart.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace discone::ui {

namespace {

// The charts shown here are for this user: the system locale's separators
// and the amateur bands of its country's ITU region.
template <typename Chart, typename Points> void forThisUser(Chart& chart, const Points& points) {
    chart.separators = systemSeparators();
    const QString country = QLocale::territoryToCode(QLocale::system().territory());
    const int region = study::regionOfCountry(country.toStdString()).value_or(0);
    if (!points.empty())
        chart.bands =
            plot::bandMarks(region, points.front().frequencyMHz, points.back().frequencyMHz);
}

template <typename Points> std::vector<double> frequenciesOf(const Points& points) {
    std::vector<double> mhz;
    for (const auto& p : points)
        mhz.push_back(p.frequencyMHz);
    return mhz;
}

// The frequency under `point` where it is over a panel.
std::optional<double> columnAt(const plot::frame::FrequencyGeometry& g, const QPointF& point) {
    if (g.empty() || !g.panelAt(point))
        return std::nullopt;
    return g.mhzAt(point.x());
}

QLineF hairline(const plot::frame::FrequencyGeometry& g, double mhz) {
    const double x = g.x(mhz);
    return {QPointF(x, g.panel(0).top()), QPointF(x, g.panel(g.panelCount() - 1).bottom())};
}

} // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    // A Tab stop, so that keyboard and screen reader users meet the chart
    // and hear its description.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    picture_ = {};
    update();
}

void ChartView::setPlaceholder(const QString& text) {
    placeholder_ = text;
    if (!drawing_)
        update();
}

void ChartView::resizeEvent(QResizeEvent* event) {
    picture_ = {};
    QWidget::resizeEvent(event);
}

void ChartView::ensureDrawn() {
    if (!drawing_ || !picture_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    picture_ = QPixmap(size() * ratio);
    picture_.setDevicePixelRatio(ratio);
    QPainter chart(&picture_);
    drawing_(chart, QRectF(QPointF(0, 0), QSizeF(size())));
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (drawing_) {
        ensureDrawn();
        painter.drawPixmap(0, 0, picture_);
        paintOver(painter);
    } else {
        painter.fillRect(rect(), palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         placeholder_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

ReadoutView::ReadoutView(QWidget* parent) : ChartView(parent) {
    setMouseTracking(true);
}

void ReadoutView::showChart(Drawing drawing) {
    mouse_.reset();
    setCursor(std::nullopt);
    setDrawing(std::move(drawing));
}

void ReadoutView::setCursor(std::optional<double> cursor) {
    cursor_ = cursor;
    const QString text = cursor ? textAt(*cursor) : QString();
    if (text != reading_) {
        reading_ = text;
        emit readingChanged(reading_);
    }
    update();
}

void ReadoutView::mouseMoveEvent(QMouseEvent* event) {
    ensureDrawn();
    mouse_ = event->position();
    setCursor(cursorAt(*mouse_));
    ChartView::mouseMoveEvent(event);
}

void ReadoutView::leaveEvent(QEvent* event) {
    mouse_.reset();
    setCursor(std::nullopt);
    ChartView::leaveEvent(event);
}

// Left and Right step to the computed point before or after the cursor,
// Home and End to the ends; with no cursor yet, Right and Home start at the
// first point, Left and End at the last.
void ReadoutView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!hasChart() || (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Home &&
                        key != Qt::Key_End)) {
        ChartView::keyPressEvent(event);
        return;
    }
    ensureDrawn();
    const std::vector<double> at = stops();
    if (at.empty())
        return;
    std::optional<double> next;
    if (key == Qt::Key_Home || (key == Qt::Key_Right && !cursor_))
        next = at.front();
    else if (key == Qt::Key_End || (key == Qt::Key_Left && !cursor_))
        next = at.back();
    else if (key == Qt::Key_Right) {
        const auto it = std::ranges::upper_bound(at, *cursor_ * (1 + 1e-12));
        next = it == at.end() ? at.back() : *it;
    } else {
        const auto it = std::ranges::lower_bound(at, *cursor_ * (1 - 1e-12));
        next = it == at.begin() ? at.front() : *(it - 1);
    }
    mouse_.reset();
    setCursor(next);
}

// The hairline, a ring on each curve, and the reading in a box beside them,
// by the mouse or, from the keyboard, at the top of the chart.
void ReadoutView::paintOver(QPainter& painter) {
    if (!cursor_ || reading_.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const std::optional<QLineF> line = hairlineAt(*cursor_);
    if (line) {
        painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
        painter.drawLine(*line);
    }
    const std::vector<Marker> markers = markersAt(*cursor_);
    for (const Marker& m : markers) {
        painter.setPen(QPen(m.colour, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(m.at, 4.5, 4.5);
    }
    QPointF anchor = mouse_             ? *mouse_
                     : line             ? line->p1() + QPointF(0, 20)
                     : !markers.empty() ? markers.front().at
                                        : QPointF(width() / 2.0, height() / 2.0);
    if (!mouse_ && line)
        anchor.setX(line->p1().x());
    const QPoint at = anchor.toPoint();
    QRect box = fontMetrics().boundingRect(reading_).adjusted(-5, -3, 5, 3);
    box.moveBottomLeft(at + QPoint(12, mouse_ ? -12 : box.height()));
    if (box.right() > width() - 4)
        box.moveRight(at.x() - 12);
    box.moveLeft(std::clamp(box.left(), 4, std::max(4, width() - 4 - box.width())));
    if (box.top() < 4)
        box.moveTop(at.y() + 12);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, reading_);
    painter.restore();
}

SwrView::SwrView(QWidget* parent) : ReadoutView(parent) {}

void SwrView::setChart(const plot::SwrChart& chart) {
    chart_ = chart;
    forThisUser(chart_, chart_.predicted);
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawSwrChart(painter, area, chart_);
    });
}

void SwrView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

QString SwrView::readingAt(const QPointF& point) const {
    const std::optional<double> mhz = cursorAt(point);
    return mhz ? textAt(*mhz) : QString();
}

std::vector<double> SwrView::stops() const {
    return frequenciesOf(chart_.predicted);
}

std::optional<double> SwrView::cursorAt(const QPointF& point) const {
    if (!hasChart() || geometry_.readingAt(point).panel == plot::SwrPanel::None)
        return std::nullopt;
    return geometry_.frequencyAt(point.x());
}

QString SwrView::textAt(double mhz) const {
    return plot::describe(chart_, plot::readSwrChart(chart_, mhz));
}

std::vector<ReadoutView::Marker> SwrView::markersAt(double mhz) const {
    const plot::SwrReadout r = plot::readSwrChart(chart_, mhz);
    const bool db = chart_.scale == plot::MatchScale::ReturnLoss;
    const QRectF& swr = geometry_.swrPanel();
    const auto matchY = [&](double v) {
        return std::clamp(db ? geometry_.yReturnLoss(v) : geometry_.ySwr(v), swr.top(),
                          swr.bottom());
    };
    const double x = geometry_.x(mhz);
    std::vector<Marker> markers;
    if (r.measured)
        markers.push_back({QPointF(x, matchY(*r.measured)), plot::style::kMeasured});
    if (r.predicted)
        markers.push_back({QPointF(x, matchY(*r.predicted)), plot::style::kPredicted});
    if (r.horizonDbi)
        markers.push_back(
            {QPointF(x, std::clamp(geometry_.yDbi(*r.horizonDbi), geometry_.gainPanel().top(),
                                   geometry_.gainPanel().bottom())),
             plot::style::kPredicted});
    return markers;
}

std::optional<QLineF> SwrView::hairlineAt(double mhz) const {
    const double x = geometry_.x(mhz);
    const QRectF& gain = geometry_.gainPanel();
    return QLineF(QPointF(x, geometry_.swrPanel().top()),
                  QPointF(x, gain.isEmpty() ? geometry_.swrPanel().bottom() : gain.bottom()));
}

BeamView::BeamView(QWidget* parent) : ReadoutView(parent) {}

void BeamView::setChart(const plot::BeamChart& chart) {
    chart_ = chart;
    forThisUser(chart_, chart_.points);
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawBeamChart(painter, area, chart_);
    });
}

void BeamView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> BeamView::stops() const {
    return frequenciesOf(chart_.points);
}

std::optional<double> BeamView::cursorAt(const QPointF& point) const {
    return columnAt(geometry_, point);
}

QString BeamView::textAt(double mhz) const {
    return plot::describe(chart_, plot::readBeamChart(chart_, mhz));
}

std::vector<ReadoutView::Marker> BeamView::markersAt(double mhz) const {
    const plot::BeamReadout r = plot::readBeamChart(chart_, mhz);
    const auto at = [&](std::size_t panel, double v) {
        const plot::frame::ValueAxis& a = geometry_.axis(panel);
        return QPointF(geometry_.x(mhz), geometry_.y(panel, std::clamp(v, a.low, a.high)));
    };
    const QColor peak(130, 50, 170);
    std::vector<Marker> markers;
    if (r.horizonDbi)
        markers.push_back({at(0, *r.horizonDbi), plot::style::kPredicted});
    if (r.peakDbi)
        markers.push_back({at(0, *r.peakDbi), peak});
    if (r.peakElevationDeg)
        markers.push_back({at(1, *r.peakElevationDeg), peak});
    return markers;
}

std::optional<QLineF> BeamView::hairlineAt(double mhz) const {
    return hairline(geometry_, mhz);
}

ImpedanceView::ImpedanceView(QWidget* parent) : ReadoutView(parent) {}

void ImpedanceView::setChart(const plot::ImpedanceChart& chart) {
    chart_ = chart;
    forThisUser(chart_, chart_.points);
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawImpedanceChart(painter, area, chart_);
    });
}

void ImpedanceView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> ImpedanceView::stops() const {
    return frequenciesOf(chart_.points);
}

std::optional<double> ImpedanceView::cursorAt(const QPointF& point) const {
    return columnAt(geometry_, point);
}

QString ImpedanceView::textAt(double mhz) const {
    return plot::describe(chart_, plot::readImpedanceChart(chart_, mhz));
}

std::vector<ReadoutView::Marker> ImpedanceView::markersAt(double mhz) const {
    const plot::ImpedanceReadout r = plot::readImpedanceChart(chart_, mhz);
    const plot::frame::ValueAxis& a = geometry_.axis(0);
    const auto at = [&](double v) {
        return QPointF(geometry_.x(mhz), geometry_.y(0, std::clamp(v, a.low, a.high)));
    };
    std::vector<Marker> markers;
    if (r.resistance)
        markers.push_back({at(*r.resistance), plot::kResistance});
    if (r.reactance)
        markers.push_back({at(*r.reactance), plot::kReactance});
    return markers;
}

std::optional<QLineF> ImpedanceView::hairlineAt(double mhz) const {
    return hairline(geometry_, mhz);
}

SmithView::SmithView(QWidget* parent) : ReadoutView(parent) {}

void SmithView::setChart(const plot::SmithChart& chart) {
    chart_ = chart;
    chart_.separators = systemSeparators();
    showChart([this](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawSmithChart(painter, area, chart_);
    });
}

void SmithView::clearChart() {
    chart_ = {};
    showChart(nullptr);
}

std::vector<double> SmithView::stops() const {
    std::vector<double> indices(chart_.predicted.size());
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = double(i);
    return indices;
}

std::optional<double> SmithView::cursorAt(const QPointF& point) const {
    if (geometry_.empty() || !geometry_.impedanceAt(point))
        return std::nullopt;
    std::optional<double> nearest;
    double best = INFINITY;
    for (std::size_t i = 0; i < chart_.predicted.size(); ++i) {
        const plot::ImpedancePoint& p = chart_.predicted[i];
        const QPointF at = geometry_.point({p.resistance, p.reactance});
        if (const double d = std::hypot(at.x() - point.x(), at.y() - point.y()); d < best) {
            best = d;
            nearest = double(i);
        }
    }
    return nearest;
}

QString SmithView::textAt(double index) const {
    return plot::describe(chart_, std::size_t(index));
}

std::vector<ReadoutView::Marker> SmithView::markersAt(double index) const {
    if (geometry_.empty() || index >= double(chart_.predicted.size()))
        return {};
    const plot::ImpedancePoint& p = chart_.predicted[std::size_t(index)];
    return {{geometry_.point({p.resistance, p.reactance}), plot::style::kPredicted}};
}

} // namespace discone::ui
