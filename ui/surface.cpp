#include "surface.h"

#include "linepixels.h"

#include <QPaintEvent>
#include <QPainter>

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
    update();
}

void Surface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    if (!picture_.isNull()) {
        // Nearest neighbour: at a scale factor of 2 every pixel becomes a
        // sharp 2 x 2 block rather than a blur.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        // One rectangle of the paint region at a time: through the whole
        // region (the window minus its opaque children) Qt blends the picture
        // span by span on worker threads, and starting those threads costs
        // the first frame more than the copy itself; within a rectangle it
        // copies the rows.
        for (const QRect& part : event->region()) {
            painter.setClipRect(part);
            painter.drawImage(QPoint(0, 0), picture_);
        }
        painter.setClipping(false);
    }
    // One logical pixel per point, so lines keep their width when scaled.
    const QColor ink = palette().color(QPalette::WindowText);
    for (const LineShape* shape : findChildren<LineShape*>(Qt::FindDirectChildrenOnly)) {
        for (const QPoint& p : linePixels(shape->line()))
            painter.fillRect(QRect(p, QSize(1, 1)), ink);
    }
}

} // namespace discone::ui
