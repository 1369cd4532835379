// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The surface of a window or picture box: a container that paints its
// background colour, a picture unscaled at its top-left corner (cut off where
// the box is smaller), and its line controls, all beneath its child controls.
// Lines are plain objects, named like every control, that their surface paints.
// A picture box that the Tab key brings the focus to shows a dotted focus
// rectangle inside its edge; focus from a click or from the window opening
// shows none, so the windows look as drawn.
#pragma once

#include "bitmap.h"

#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QLine>
#include <QWidget>

#include <vector>

namespace discone::ui {

class LineShape : public QObject {
    Q_OBJECT
public:
    // End points in pixels of the container, both of them drawn.
    LineShape(const QLine& line, QWidget* container);
    QLine line() const { return line_; }

private:
    QLine line_;
};

// The pixels a one-pixel line covers from one end point to the other, both
// included, as a classic line control draws them.
std::vector<QPoint> linePixels(const QLine& line);

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

    // A null image leaves only the background.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // What a screen reader is told the surface is: a window, a dialog or a
    // picture.
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role accessibleRole() const { return role_; }

    // A bitmap shown as the picture, its rows turned into pixels as they
    // are painted; a null bitmap leaves only the background.
    void setBitmap(const Bitmap& bitmap);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBitmap(QPainter& painter, const QRegion& region) const;

    QColor background_;
    QImage picture_;
    QAccessible::Role role_ = QAccessible::Client;
    bool focusCue_ = false; // the focus came from the Tab key
    Bitmap bitmap_;
};

} // namespace discone::ui
