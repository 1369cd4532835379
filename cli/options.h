// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command line's options: one table that gives each option its name,
// the value it takes, its limits, its default and its help, read by the
// parser, by --help (and so by the manual page made from it) and by the fuzz
// target. The study's settings (--radials, --wire-diameter, ...) come into
// it from the study's own table, which the windows' fields read too. Also
// the options Qt takes for the windows, which the program must tell apart
// from its own.
#pragma once

#include "settings.h"

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace discone::cli {

enum class OptionId {
    Inches,
    Cm,
    Help,
    Version,
    Nec,
    Swr,
    Plot,
    Smith,
    Sheet,
    Radials,
    WireDiameter,
    To,
    Points,
    Pattern,
    At,
    S1p,
    Measured,
    Tune,
    Z0,
    Feedline,
};

// What follows an option.
enum class ValueKind {
    None,
    Frequency, // FREQ, read as the window reads its input box
    File,      // a file name
    Whole,     // digits only, from low to high
    Decimal,   // digits with at most one decimal separator and an exponent, from low
    List,      // such numbers with a point, separated by commas
    Text,      // read by the study (a cable and its length)
};

enum class Section { Calculation, Model };

struct OptionRow {
    OptionId id;
    std::string_view name;      // "--radials"
    std::string_view shortName; // "-h", or empty
    std::string_view metavar;   // "N", or empty for no value
    ValueKind kind;
    Section section;
    double low = -INFINITY, high = INFINITY; // limits, both included
    double byDefault = NAN;                  // NAN: none, or given in `help`
    std::string_view help;                   // one sentence without the limits and default
    std::optional<study::Setting> setting;   // the study's setting it gives
};

std::span<const OptionRow> options();

// The row of "--name" or of a short name, or nullptr.
const OptionRow* findOption(std::string_view name);
const OptionRow& option(OptionId id);

// "--radials N", or "-h, --help", as the help lists it.
std::string synopsis(const OptionRow& row);

// True when the arguments are only Qt's own options and their values (or
// there are none): the program then opens its windows.
bool opensWindows(std::span<const std::string_view> args);

// True when `arg` is one of Qt's options, such as "-platform" or "-reverse";
// `takesValue` tells whether the next argument is its value.
bool isWindowOption(std::string_view arg, bool& takesValue);

} // namespace discone::cli
