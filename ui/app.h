// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start of the program: the classic look for the whole application, then the
// main window. main() and the start-up probe share these steps.
#pragma once

class QWidget;

namespace discone::ui {

// After the QApplication exists: the classic widget style, the classic
// faces, and the program icon for every window.
void prepareApplication();

// Builds and shows the main window; returns it.
QWidget* startProgram();

} // namespace discone::ui
