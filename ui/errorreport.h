// The program's one top-level place for run-time errors. Every event handler
// is connected through guarded(), which catches a RuntimeError, shows its
// message in a message box titled "DISCONE" and lets the program run on:
// the handler stops where it failed, and nothing else changes.
#pragma once

#include "runtime_error.h"

#include <QString>

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
template <class Handler> auto guarded(Handler handler) {
    return [handler = std::move(handler)](auto&&... args) {
        try {
            handler(std::forward<decltype(args)>(args)...);
        } catch (const RuntimeError& error) {
            reportRuntimeError(error);
        }
    };
}

} // namespace discone::ui
