// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ways a calculation can fail. The library names only the kind and, for
// a text that could not be read, that text; each front end (the windows, the
// command line) tells the user in its own words.
#pragma once

#include <stdexcept>
#include <string>

namespace discone {

enum class ErrorKind {
    TypeMismatch,  // a text that is not a number was read as one
    Overflow,      // out of range on reading, or an overflowing/invalid step
    DivisionByZero // a step divided by zero
};

// The kind in lower case ("type mismatch", "overflow", "division by zero").
const char* kindName(ErrorKind kind) noexcept;

class CalculationError : public std::runtime_error {
public:
    explicit CalculationError(ErrorKind kind, std::string text = {})
        : std::runtime_error(kindName(kind)), kind_(kind), text_(std::move(text)) {}
    ErrorKind kind() const noexcept { return kind_; }
    // The text that could not be read as a number; empty for a failed step.
    const std::string& text() const noexcept { return text_; }

private:
    ErrorKind kind_;
    std::string text_;
};

} // namespace discone
