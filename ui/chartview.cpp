// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartview.h"

#include "bands.h"
#include "beamchart.h"
#include "chartstyle.h"
#include "impedancechart.h"
#include "readout.h"
#include "separators.h"
#include "sweepchart.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace discone::ui {

namespace {

// As the read-out writes its numbers: fixed decimals, a true minus sign.
QString fixed(double value, int decimals, const Separators& sep) {
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("∞") : QStringLiteral("−∞");
    QString text = QString::fromStdString(fixedText(value, decimals, sep));
    if (text.startsWith(u'-'))
        return text.contains(QRegularExpression(QStringLiteral("[1-9]")))
                   ? QChar(0x2212) + text.mid(1)
                   : text.mid(1); // no sign on what rounds to zero
    return text;
}

double matchOf(const plot::SwrChart& chart, double swr) {
    return chart.scale == plot::MatchScale::ReturnLoss ? plot::returnLossDb(swr) : swr;
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
    const plot::SwrReadout r = plot::readSwrChart(chart_, mhz);
    if (chart_.radioEnd.empty())
        return plot::describe(chart_, r);
    // Which end each match belongs to, in the chart's own words.
    const Separators& sep = chart_.separators;
    const auto match = [&](const QString& who, double v) {
        return chart_.scale == plot::MatchScale::ReturnLoss
                   ? QStringLiteral("%1 return loss %2 dB").arg(who, fixed(v, 1, sep))
                   : QStringLiteral("%1 SWR %2").arg(who, fixed(v, 2, sep));
    };
    QStringList parts;
    if (r.predicted)
        parts << match(QStringLiteral("antenna"), *r.predicted);
    if (const auto radio = plot::curveAt(chart_.radioEnd, mhz, [this](const plot::SwrPoint& p) {
            return matchOf(chart_, p.swr);
        }))
        parts << match(QStringLiteral("radio end"), *radio);
    if (r.measured)
        parts << match(QStringLiteral("measured"), *r.measured);
    if (r.horizonDbi)
        parts << QStringLiteral("%1 dBi at the horizon").arg(fixed(*r.horizonDbi, 1, sep));
    if (parts.isEmpty())
        return {};
    return plot::style::number(mhz, sep, 4) + QStringLiteral(" MHz: ") +
           parts.join(QStringLiteral(", "));
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
    if (const auto radio = plot::curveAt(chart_.radioEnd, mhz, [this](const plot::SwrPoint& p) {
            return matchOf(chart_, p.swr);
        }))
        markers.push_back({QPointF(x, matchY(*radio)), plot::style::kRadioEnd});
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

void SwrView::mouseReleaseEvent(QMouseEvent* event) {
    ensureDrawn();
    if (event->button() == Qt::LeftButton)
        if (const auto mhz = cursorAt(event->position()))
            emit frequencyChosen(*mhz);
    ReadoutView::mouseReleaseEvent(event);
}

void SwrView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (cursor() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        emit frequencyChosen(*cursor());
    else
        ReadoutView::keyPressEvent(event);
}

} // namespace discone::ui
