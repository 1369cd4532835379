// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface.h"

#include "linepixels.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace discone::ui {

LineShape::LineShape(const QLine& line, QWidget* container) : QObject(container), line_(line) {}

std::vector<QPoint> linePixels(const QLine& line) {
    std::vector<QPoint> pixels;
    forEachLinePixel(line.x1(), line.y1(), line.x2(), line.y2(),
                     [&](int x, int y) { pixels.emplace_back(x, y); });
    return pixels;
}

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackground(const QColor& colour) {
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    update();
}

void Surface::setPicture(const QImage& picture) {
    picture_ = picture;
    bitmap_ = {};
    update();
}

void Surface::setBitmap(const Bitmap& bitmap) {
    bitmap_ = bitmap;
    picture_ = {};
    update();
}

void Surface::focusInEvent(QFocusEvent* event) {
    // Opening a window also hands out the first focus as Tab focus; only a
    // Tab key press marks the window as changing focus by keyboard. Coming
    // back to an active window keeps what was shown before.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        focusCue_ = window()->testAttribute(Qt::WA_KeyboardFocusChange);
        break;
    case Qt::ActiveWindowFocusReason:
        break;
    default:
        focusCue_ = false;
    }
    QWidget::focusInEvent(event);
}

void Surface::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        focusCue_ = false;
    QWidget::focusOutEvent(event);
}

void Surface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Nearest neighbour: at a scale factor of 2 every pixel becomes a sharp
    // 2 x 2 block rather than a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One rectangle of the paint region at a time. The region is the box
    // less its opaque children; through it, Qt builds a span list of the
    // whole region and blends pictures span by span on worker threads, whose
    // start costs the first frame more than the copy itself. Within a
    // rectangle it fills and copies rows. The rectangles do not overlap, so
    // background, picture and lines can each be painted over all of them in
    // turn.
    const QRegion region = event->region();
    for (const QRect& part : region) {
        painter.setClipRect(part);
        painter.fillRect(part, background_);
        if (!picture_.isNull())
            painter.drawImage(QPoint(0, 0), picture_);
    }
    paintBitmap(painter, region);

    std::vector<QPoint> ink;
    for (const LineShape* shape : findChildren<LineShape*>(Qt::FindDirectChildrenOnly)) {
        const std::vector<QPoint> pixels = linePixels(shape->line());
        ink.insert(ink.end(), pixels.begin(), pixels.end());
    }
    const QColor inkColour = palette().color(QPalette::WindowText);
    for (const QRect& part : region) {
        painter.setClipRect(part);
        // One logical pixel per point, so lines keep their width when scaled.
        for (const QPoint& p : ink) {
            if (part.contains(p))
                painter.fillRect(QRect(p, QSize(1, 1)), inkColour);
        }
    }
    painter.setClipping(false);
    if (focusCue_ && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        option.backgroundColor = background_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// A strip of rows at a time through one small image: the bitmap is never
// held as a whole 32-bit image, which costs more to fault in than the rows
// cost to convert as they are painted.
void Surface::paintBitmap(QPainter& painter, const QRegion& region) const {
    constexpr int kStripRows = 32;
    const QRect rows = region.boundingRect() & QRect(QPoint(0, 0), bitmap_.size());
    if (bitmap_.isNull() || rows.isEmpty())
        return;
    QImage strip(bitmap_.size().width(), kStripRows, QImage::Format_RGB32);
    for (int top = rows.top(); top <= rows.bottom(); top += kStripRows) {
        const QRect band(0, top, strip.width(), std::min(kStripRows, rows.bottom() + 1 - top));
        bitmap_.readRows(top, strip);
        for (const QRect& part : region) {
            if (!part.intersects(band))
                continue;
            painter.setClipRect(part & band);
            painter.drawImage(band.topLeft(), strip, QRect(QPoint(0, 0), band.size()));
        }
    }
}

} // namespace discone::ui
