// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's command line: the program's arguments in, the texts for
// standard output and standard error and the exit status out. It reads and
// writes nothing itself, and the locale's separators are passed in, so the
// same path serves the program and the fuzz target.
//
//   discone --inches FREQ | --cm FREQ | --help | --version
//
// FREQ follows as the next argument (even when it starts with '-') or after
// '='. A calculation prints one "key<TAB>text" line per dimension, the texts
// exactly those the window shows; a failed one prints "discone: " and the
// window's error message on one line.
#pragma once

#include "numtext.h"

#include <span>
#include <string>
#include <string_view>

namespace discone {

// Exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitCalculationFailed = 1; // or the output could not be written
inline constexpr int kExitUsage = 2;

struct CommandLineResult {
    int status = kExitSuccess;
    std::string out; // for standard output
    std::string err; // for standard error
};

// `args` are the arguments after the program's name.
CommandLineResult runCommandLine(std::span<const std::string_view> args, const Separators& sep);

} // namespace discone
