// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Builds a window from its one table of controls. Each container (the window itself, a picture box)
// has its own list of controls, front to back as the layout lists them, and its own list of line
// controls. Positions and sizes are in twips, 15 to the pixel; a control inside a picture box is
// placed relative to the box's top-left corner.
#pragma once

#include "look.h"
#include "surface.h"

#include <QAccessible>
#include <QRgb>
#include <QWidget>

#include <span>

namespace discone::ui {

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// A link is a label that opens a web address.
enum class Kind { Button, TextBox, PictureBox, Label, Link };
enum class Lines { Single, Multi };
enum class Border { None, Standard };

// Shorthands that keep the windows' tables readable as aligned columns.
// In a colour column: the light palette's colour for that kind of control.
constexpr QRgb kDefaultColour = 0;
// In a font column: the classic face at 8.25 points, without styles.
constexpr FontStyle kDefaultFont{};
constexpr Lines kSingleLine = Lines::Single;
constexpr Lines kMultiLine = Lines::Multi;
constexpr Border kNoBorder = Border::None;
constexpr Border kWithBorder = Border::Standard;

struct ControlRow {
    const char* name;
    Kind kind;
    int left, top, width, height; // twips
    int tabIndex;
    QRgb background;
    QRgb textColour;
    FontStyle font;
    Lines lines;
    Border border;
    const char* text; // initial text or caption; "\r\n" breaks a line
    const char* accessibleName = nullptr;
    const char* picture = nullptr; // resource of a picture box
    const char* cursor = nullptr;  // resource of a mouse pointer
};

struct LineRow {
    const char* name;
    int x1, y1, x2, y2; // twips
};

struct ContainerTable {
    const char* name; // nullptr: the window itself
    std::span<const ControlRow> controls;
    std::span<const LineRow> lines;
};

struct WindowTable {
    const char* name;
    const char* title;
    int width, height; // client area, twips
    QRgb background;
    std::span<const ContainerTable> containers;   // the window first
    QAccessible::Role role = QAccessible::Window; // or Dialog, for screen readers
};

// Makes `window` a top-level window holding every control of the table, in
// the light palette, deleted when closed. Tab visits the controls that take
// the focus in ascending tab index. Picture boxes are named graphics to
// screen readers.
void buildWindow(Surface* window, const WindowTable& table);

// The control of that name and type in a window being built, for the
// window's class to keep a typed pointer to; nullptr if the table has none.
template <class Widget> Widget* findControl(const QWidget* window, const char* name) {
    return window->findChild<Widget*>(QLatin1String(name));
}

} // namespace discone::ui
