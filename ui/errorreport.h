// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's one top-level place for failures, in the window's words.
// Every event handler is connected through guarded(), which catches a failed
// calculation or a failure of the desktop, shows its message in a message
// box titled "DISCONE" and lets the program run on: the handler stops where
// it failed, and nothing else changes.
#pragma once

#include "errors.h"

#include <QString>

#include <concepts>
#include <functional>
#include <stdexcept>
#include <utility>

namespace discone::ui {

// The desktop refused something the program asked for (a launch, a window);
// the message says what and what the user can do instead.
class PlatformFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failures a handler can end in.
enum class FailureKind { TypeMismatch, Overflow, DivisionByZero, Platform };

struct Failure {
    FailureKind kind;
    QString message; // what the message box shows
};

Failure failureOf(const CalculationError& error);
Failure failureOf(const PlatformFailure& error);

// Shows the failure to the user (a modal message box).
void reportFailure(const Failure& failure);

// Tests replace the message box with a recorder; pass nullptr to restore it.
using FailureReporter = std::function<void(const Failure&)>;
void setFailureReporter(FailureReporter reporter);

// Wraps a handler so that a failure it raises is reported, not fatal. The
// wrapper takes only the arguments the handler takes, so a signal with more
// arguments can be connected to it.
template <class Handler> auto guarded(Handler handler) {
    return [handler = std::move(handler)]<class... Args>(
        Args && ... args) requires std::invocable<const Handler&, Args...> {
        try {
            handler(std::forward<Args>(args)...);
        } catch (const CalculationError& error) {
            reportFailure(failureOf(error));
        } catch (const PlatformFailure& error) {
            reportFailure(failureOf(error));
        }
    };
}

} // namespace discone::ui
