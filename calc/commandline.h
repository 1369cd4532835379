// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's command line: the program's arguments in, the texts for
// standard output and standard error and the exit status out. It reads and
// writes nothing itself, and the locale's separators are passed in, so the
// same path serves the program and the fuzz target.
//
//   discone --inches FREQ | --cm FREQ [model options] | --help | --version
//
// FREQ follows as the next argument (even when it starts with '-') or after
// '='. A calculation prints one "key<TAB>text" line per dimension, the texts
// exactly those the window shows; a failed one prints one line naming the
// kind of failure and what is wrong with FREQ. The model options ask for the
// antenna's NEC-2 model and its predicted SWR; the program passes in the
// runner that does that work, so this library stays free of it.
#pragma once

#include "dimensions.h"
#include "errors.h"
#include "formatter.h"
#include "numtext.h"

#include <functional>
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

// What the model options ask for; the defaults are those of the options.
struct ModelRequest {
    bool deck = false;         // --nec: print the NEC-2 deck
    bool sweep = false;        // --swr: print the SWR table
    std::string plotFile;      // --plot FILE: draw the SWR, empty for none
    int radials = 16;          // --radials N: wires in the disc and in the cone
    double wireDiameterMm = 2; // --wire-diameter MM
    double highestMHz = 0;     // --to MHZ: 0 for ten times the frequency
    int points = 101;          // --points N
    bool any() const { return deck || sweep || !plotFile.empty(); }
};

// Does what a ModelRequest asks for a calculated design: gets the request,
// the numbers and the unit; returns what to print and the status. Its `out` follows the dimension
// lines, which are printed only when neither the deck nor the sweep is asked for.
using ModelRunner =
    std::function<CommandLineResult(const ModelRequest&, const DisconeDimensions&, Unit)>;

// `args` are the arguments after the program's name. Without a runner the
// model options are still checked, and asking for a model is an error.
CommandLineResult runCommandLine(std::span<const std::string_view> args, const Separators& sep,
                                 const ModelRunner& runner = {});

// True when `arg` is one of the command line's own options (with or without
// an attached value) or "--": the program is then a command-line calculator.
bool isCommandLineOption(std::string_view arg);

// One line for the user, "discone: " and the kind of failure, then what is
// wrong with `given` (the frequency text as typed, quoted with control
// characters escaped), ended by a newline.
std::string calculationErrorLine(const CalculationError& error, std::string_view given);

// `text` in single quotes, with control characters and backslashes escaped
// as in C ("\t", "\x1b"), so a message stays on one line.
std::string quoted(std::string_view text);

} // namespace discone
