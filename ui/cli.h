// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started with arguments: the calculator's command line, with
// the user's locale, and no windows, no display and no application object.
#pragma once

namespace discone::ui {

// Runs the command line of argv[1..argc-1], writes its output and returns
// the exit status.
int commandLineMain(int argc, char** argv);

} // namespace discone::ui
