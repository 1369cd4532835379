// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The running program: the record of the last frequency that calculated,
// `Module1`, and the window registry, one slot per window kind, filled on
// first use. It lives as long as the program; the windows reach it through
// the reference each is built with. Showing a window builds it if it is not
// open (closing discards a window's controls, so it comes back with the texts
// of its table), then shows it modeless with no owner and brings it to the
// front with the focus.
#pragma once

#include "dimensions.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace discone::ui {

enum class WindowKind { Form1, Info, Web };

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Deletes the windows still open, which refer to the program.
    ~Program();

    // Shows the main window, as at the program's start.
    QWidget* start() { return showWindow(WindowKind::Form1); }

    // Shows the window of the given kind, building it first if it is not
    // open. Returns the window.
    QWidget* showWindow(WindowKind kind);

    // The open window of the given kind, or nullptr.
    QWidget* openWindow(WindowKind kind) const;

    // The last frequency that calculated and its dimensions; zero at start,
    // replaced only by a calculation that succeeds, and kept when every
    // window closes.
    DisconeDimensions Module1;

private:
    // A closed window deletes itself, which empties its slot.
    std::map<WindowKind, QPointer<QWidget>> windows_;
};

} // namespace discone::ui
