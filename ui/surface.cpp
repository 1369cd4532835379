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
    std::vector<QPoint> ink;
    for (const LineShape* shape : findChildren<LineShape*>(Qt::FindDirectChildrenOnly)) {
        const std::vector<QPoint> pixels = linePixels(shape->line());
        ink.insert(ink.end(), pixels.begin(), pixels.end());
    }
    const QColor inkColour = palette().color(QPalette::WindowText);

    QPainter painter(this);
    // Nearest neighbour: at a scale factor of 2 every pixel becomes a sharp
    // 2 x 2 block rather than a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One rectangle of the paint region at a time. The region is the box
    // less its opaque children; painting through it, Qt builds a span list
    // of the whole region (about 100 KB for the main window) and blends the
    // picture span by span on worker threads, whose start costs the first
    // frame more than the copy itself. Within a rectangle it fills and
    // copies rows.
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.fillRect(part, background_);
        if (!picture_.isNull())
            painter.drawImage(QPoint(0, 0), picture_);
        // One logical pixel per point, so lines keep their width when scaled.
        for (const QPoint& p : ink) {
            if (part.contains(p))
                painter.fillRect(QRect(p, QSize(1, 1)), inkColour);
        }
    }
}

} // namespace discone::ui
