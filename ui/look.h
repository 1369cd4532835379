// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The classic look of the windows: the light palette every window sets for
// itself (so a dark desktop theme cannot turn the windows' texts white on the
// green ground), the sans-serif faces of the classic form, sized in pixels at
// 96 dpi, and the line pitch a classic text box gives them.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QStringList>

namespace discone::ui {

// A font of the layout tables: the classic face at a point size, 8.25 unless
// given, with the styles named.
struct FontStyle {
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Points at 96 dpi, as whole pixels: 8.25 pt is 11 px, 13.5 pt is 18 px.
int pointsToPixels(double points);

// Registers the faces of Debian's fonts-wine package with the application
// (they are not known to fontconfig). Safe to call more than once.
void loadClassicFonts();

// The faces tried in turn for every text of the windows.
QStringList classicFamilies();

QFont classicFont(const FontStyle& style);

// Vertical metrics the way the classic toolkit measured a face: the ascent
// and cell height from the face's Windows metrics, where it has them. Qt's
// own metrics for the same face are often a few pixels smaller.
struct CellMetrics {
    int ascent = 0;
    int height = 0;
};
CellMetrics classicCellMetrics(const QFont& font);

// The standard light palette of a classic desktop: black text, white boxes,
// light-grey button and dialog faces.
QPalette classicPalette();

} // namespace discone::ui
