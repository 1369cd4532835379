// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Run-time errors: the failures a command can end in. Each carries its kind
// and a message for the user; the window's top level and the command line
// report them with the same text.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace discone {

enum class ErrorKind {
    TypeMismatch,   // a text that is not a number was read as one
    Overflow,       // out of range on reading, or an overflowing/invalid step
    DivisionByZero, // a step divided by zero
    PlatformFailure // the desktop refused something (a launch, a window)
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

// The short name of a kind, as the user sees it ("Type mismatch", ...).
const char* kindName(ErrorKind kind) noexcept;

// The error with the standard message of its kind.
RuntimeError makeError(ErrorKind kind);

// What the user is told of an error: its kind, then what to do about it, the
// two joined by `paragraphBreak` (a blank line in a message box, ": " on a
// single line). A platform failure tells its own message instead.
std::string errorMessage(const RuntimeError& error, std::string_view paragraphBreak = "\n\n");

} // namespace discone
