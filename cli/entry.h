// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program started with command-line arguments: the command line with
// nec2c as its engine, the user's interrupts watched, the sweep's progress
// shown on a terminal, and its output written and checked. Needs no display
// and no application object.
#pragma once

#include "commandline.h"

#include <span>
#include <string_view>

namespace discone::cli {

// Runs `args` (after the program's name) and returns the exit status; ends
// the process as killed by the signal when one interrupts it. `region`
// gives the user's ITU region from the locale's country (1 to 3, 0 where
// it names none).
int commandLineMain(std::span<const std::string_view> args, const Separators& sep, int (*region)(),
                    const Pictures* pictures);

} // namespace discone::cli
