// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The study's settings as one table: each with the command line's name for
// it, the unit, how it is read, its limits and default, its help, and the
// words that say what it takes. The command line's options, its --help and
// manual page, the fuzz target and the prediction window's fields all come
// from here, and each setting's own limits are checked here only; the limits
// that depend on the design are the model's (model.h) and the study's plan.
#pragma once

#include "numtext.h"

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace discone::study {

enum class Setting {
    Radials,
    WireDiameter,
    Highest,
    Points,
    ReferenceOhms,
    Feedline,
    PatternAt,
};

enum class Reading {
    Whole,   // digits only
    Decimal, // digits with at most one decimal separator (the locale's or a point) and an exponent
    List,    // plain numbers with a point, separated by commas
    Text,    // read by the setting's own parser (a cable and its length)
};

struct SettingDescriptor {
    Setting id;
    std::string_view option;  // the command line's name, "--radials"
    std::string_view metavar; // its value's name in the help, "N"
    std::string_view unit;    // "mm", "MHz", "ohms", or empty
    Reading reading;
    double low = -INFINITY, high = INFINITY; // both included, unless aboveLow
    bool aboveLow = false;                   // low itself is refused
    double byDefault = NAN;                  // NAN: none, or one that depends on the design
    std::string_view help;                   // one sentence without the limits and the default
};

std::span<const SettingDescriptor> settings();
const SettingDescriptor& setting(Setting id);

// The value of `text` for a Whole or Decimal setting, read strictly and
// within its limits, or nothing.
std::optional<double> readSetting(const SettingDescriptor& row, std::string_view text,
                                  const Separators& sep);

// What a setting takes, for messages: "a whole number from 3 to 64", "a
// number of at least 0.05", "a number above zero".
std::string wanted(const SettingDescriptor& row, const Separators& sep);

} // namespace discone::study
