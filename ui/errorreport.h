// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's one top-level place for run-time errors. Every event handler
// is connected through guarded(), which catches a RuntimeError, shows its
// message in a message box titled "DISCONE" and lets the program run on:
// the handler stops where it failed, and nothing else changes.
#pragma once

#include "runtime_error.h"

#include <QString>

#include <concepts>
#include <functional>
#include <utility>

namespace discone::ui {

// Shows the error to the user (a modal message box).
void reportRuntimeError(const RuntimeError& error);

// The text shown for an error: its kind and what the user can do about it.
QString runtimeErrorText(const RuntimeError& error);

// Tests replace the message box with a recorder; pass nullptr to restore it.
using ErrorReporter = std::function<void(const RuntimeError&)>;
void setErrorReporter(ErrorReporter reporter);

// Wraps a handler so that a run-time error it raises is reported, not fatal.
// The wrapper takes only the arguments the handler takes, so a signal with
// more arguments can be connected to it.
template <class Handler> auto guarded(Handler handler) {
    return [handler = std::move(handler)]<class... Args>(
        Args && ... args) requires std::invocable<const Handler&, Args...> {
        try {
            handler(std::forward<Args>(args)...);
        } catch (const RuntimeError& error) {
            reportRuntimeError(error);
        }
    };
}

} // namespace discone::ui
