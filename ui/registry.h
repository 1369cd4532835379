// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window registry: one slot per window kind, filled on first use. Showing
// a window builds it if it is not open (closing discards a window's
// controls, so it comes back with the texts of its table), then shows it
// modeless with no owner and brings it to the front with the focus.
#pragma once

class QWidget;

namespace discone::ui {

enum class WindowKind { Form1, Info, Web };

// Shows the window of the given kind, building it first if it is not open.
// Returns the window.
QWidget* showWindow(WindowKind kind);

// The open window of the given kind, or nullptr.
QWidget* openWindow(WindowKind kind);

// Builders of the three windows, each from its own table of controls. The
// windows delete themselves when closed.
QWidget* createForm1();
QWidget* createInfo();
QWidget* createWeb();

} // namespace discone::ui
