// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartview.h"

#include "separators.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace discone::ui {

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

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (drawing_) {
        if (picture_.isNull()) {
            const qreal ratio = devicePixelRatioF();
            picture_ = QPixmap(size() * ratio);
            picture_.setDevicePixelRatio(ratio);
            QPainter chart(&picture_);
            drawing_(chart, QRectF(QPointF(0, 0), QSizeF(size())));
        }
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

SwrView::SwrView(QWidget* parent) : ChartView(parent) {
    setMouseTracking(true);
}

void SwrView::setChart(const plot::SwrChart& chart) {
    setDrawing([this, chart](QPainter& painter, const QRectF& area) {
        geometry_ = plot::drawSwrChart(painter, area, chart);
    });
}

void SwrView::clearChart() {
    geometry_ = {};
    setDrawing(nullptr);
}

QString SwrView::readingAt(const QPointF& point) const {
    if (!hasChart())
        return {};
    const plot::SwrReading reading = geometry_.readingAt(point);
    const Separators sep = systemSeparators();
    const QString mhz = QString::fromStdString(significantText(reading.frequencyMHz, 4, sep));
    switch (reading.panel) {
    case plot::SwrPanel::Swr:
        return QStringLiteral("%1 MHz: SWR %2")
            .arg(mhz, QString::fromStdString(fixedText(reading.value, 2, sep)));
    case plot::SwrPanel::Gain:
        return QStringLiteral("%1 MHz: %2 dBi")
            .arg(mhz, QString::fromStdString(fixedText(reading.value, 1, sep)));
    case plot::SwrPanel::None:
        break;
    }
    return {};
}

void SwrView::mouseMoveEvent(QMouseEvent* event) {
    mouse_ = event->position();
    update();
    ChartView::mouseMoveEvent(event);
}

void SwrView::leaveEvent(QEvent* event) {
    mouse_.reset();
    update();
    ChartView::leaveEvent(event);
}

// A hairline through the panels at the mouse, and what it reads beside it.
void SwrView::paintOver(QPainter& painter) {
    const QString reading = mouse_ ? readingAt(*mouse_) : QString();
    if (reading.isEmpty())
        return;
    const QRectF& swr = geometry_.swrPanel();
    const QRectF& gain = geometry_.gainPanel();
    const double x = mouse_->x();
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
    painter.drawLine(QPointF(x, swr.top()),
                     QPointF(x, gain.isEmpty() ? swr.bottom() : gain.bottom()));

    const QPoint at = mouse_->toPoint();
    QRect box = fontMetrics().boundingRect(reading).adjusted(-5, -3, 5, 3);
    box.moveBottomLeft(at + QPoint(12, -12));
    if (box.right() > width() - 4)
        box.moveRight(at.x() - 12);
    if (box.top() < 4)
        box.moveTop(at.y() + 12);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, reading);
}

} // namespace discone::ui
