// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The look the charts share: text and line sizes that follow the size of the
// rectangle drawn into, the colours, and how numbers are written on them
// with the separators the caller hands in.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "numtext.h"

namespace discone::plot::style {

inline const QColor kBackground = Qt::white;
inline const QColor kGrid(220, 220, 220);
inline const QColor kMinorGrid(238, 238, 238);
inline const QColor kText = Qt::black;
inline const QColor kPredicted(0, 60, 180);
inline const QColor kMeasured(230, 110, 0);
inline const QColor kRadioEnd(150, 0, 150);
inline const QColor kGoodSwr(200, 0, 0);
inline const QColor kDesign(0, 130, 0);
inline const QColor kBand(252, 240, 200);    // an amateur band's span
inline const QColor kBandText(140, 100, 20); // and its name

// Text and line sizes for one rectangle: a 960 × 600 chart gets 14-pixel
// text; smaller and larger ones scale, within what stays readable.
struct Sizes {
    explicit Sizes(const QRectF& area);
    double text;   // pixel size of labels
    double line;   // grid and frame
    double curve;  // the curves
    QFont font;    // labels
    QFont heading; // the title
    double gap() const { return text * 0.45; }
};

// Written by calc's readableText: up to `digits` significant digits (but
// every whole digit), no exponent, no digit groups (which would crowd the
// axes), the user's decimal separator, and a true minus sign: "146",
// "12873", "3.5", "−12".
QString number(double value, const Separators& sep, int digits = 4);

// The colour of the n-th pattern cut; eight are told apart.
QColor cutColour(int index);

// Draws `text` rotated a quarter turn left, centred on `centre`.
void drawUpwardText(QPainter& painter, const QPointF& centre, const QString& text);

// The title centred at the top of `area`; returns the height it took.
double drawTitle(QPainter& painter, const QRectF& area, const Sizes& sizes, const QString& title);

} // namespace discone::plot::style
