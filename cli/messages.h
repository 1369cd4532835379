// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command line's own messages: a usage error with its hint, and a
// failure in one line, both starting with the program's name.
#pragma once

#include "commandline.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace discone::cli {

// Concatenation by appending (GCC 12 warns falsely, -Wrestrict, on some
// operator+ chains of std::string at -O3).
inline std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

inline Result usageError(std::initializer_list<std::string_view> problem) {
    return {
        kExitUsage,
        {},
        joined({"discone: ", joined(problem), "\nTry 'discone --help' for more information.\n"}),
        false};
}

// A message from below (nec2c's words, a file's name already made
// printable) kept on one line: control characters escaped as \xNN.
std::string oneLine(std::string_view message);

inline Result failure(int status, std::string_view message) {
    return {status, {}, joined({"discone: ", oneLine(message), "\n"}), false};
}

// The model's work once the design is calculated: the deck, the sweep with
// its table, Touchstone file and picture, the patterns, or the tuning.
Result runModel(const Request& request, const DisconeDimensions& dimensions,
                const Context& context);

// The seven "key<TAB>text" lines.
std::string dimensionLines(const ResultTexts& texts);

} // namespace discone::cli
