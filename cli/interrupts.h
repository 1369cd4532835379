// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Ctrl-C (SIGINT), SIGTERM and SIGHUP while the command line works: instead
// of ending the program at once, which would leave nec2c running and a
// half-written picture behind, they ask the work to stop. The program then
// stops nec2c, removes what it started, prints nothing more, and ends as
// killed by that signal, so the shell sees 130, 143 or 129 as usual.
#pragma once

#include "portable.h"
#include <csignal>
#include <thread>

namespace discone::cli {

class InterruptWatch {
public:
    // Watches the three signals, except those ignored when the program
    // started (a shell's background job ignores SIGINT, and keeps doing so).
    InterruptWatch();
    // Gives the signals back their earlier handling.
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // Requested at the first of the signals.
    StopToken token() const { return stop_.get_token(); }
    // The first signal received, or 0.
    int signal() const;

    // Ends the process as killed by `signal`, as if it had never been caught.
    [[noreturn]] static void endAs(int signal);

private:
    StopSource stop_;
    int pipe_[2] = {-1, -1};
    struct sigaction previous_[3] = {};
    bool watched_[3] = {};
    std::jthread watcher_;
};

} // namespace discone::cli
