#include "surface.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cstdlib>

namespace discone::ui {

LineShape::LineShape(const QLine& line, QWidget* container) : QObject(container), line_(line) {}

std::vector<QPoint> linePixels(const QLine& line) {
    // Bresenham, so the pixels are the same at every scale and with every
    // paint engine.
    int x = line.x1();
    int y = line.y1();
    const int dx = std::abs(line.x2() - x);
    const int dy = -std::abs(line.y2() - y);
    const int sx = x < line.x2() ? 1 : -1;
    const int sy = y < line.y2() ? 1 : -1;
    int err = dx + dy;
    std::vector<QPoint> pixels;
    pixels.reserve(static_cast<size_t>(std::max(dx, -dy)) + 1);
    for (;;) {
        pixels.emplace_back(x, y);
        if (x == line.x2() && y == line.y2())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
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
    painter.fillRect(event->rect(), background_);
    if (!picture_.isNull()) {
        // Nearest neighbour: at a scale factor of 2 every pixel becomes a
        // sharp 2 x 2 block rather than a blur.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    // One logical pixel per point, so lines keep their width when scaled.
    const QColor ink = palette().color(QPalette::WindowText);
    for (const LineShape* shape : findChildren<LineShape*>(Qt::FindDirectChildrenOnly)) {
        for (const QPoint& p : linePixels(shape->line()))
            painter.fillRect(QRect(p, QSize(1, 1)), ink);
    }
    if (focusCue_ && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        option.backgroundColor = background_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace discone::ui
