// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "interrupts.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace discone::cli {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A handler may only do what is safe in a signal handler: note the signal
// and wake the watcher thread through a pipe.
volatile std::sig_atomic_t received = 0;
int wakeUp = -1;

extern "C" void onSignal(int signal) {
    const int saved = errno;
    if (received == 0)
        received = signal;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto ignored = ::write(wakeUp, &byte, 1);
    errno = saved;
}

} // namespace

InterruptWatch::InterruptWatch() {
    if (::pipe(pipe_) != 0)
        return; // without the pipe the signals keep their usual effect
    for (int fd : pipe_)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(pipe_[1], F_SETFL, ::fcntl(pipe_[1], F_GETFL) | O_NONBLOCK);
    received = 0;
    wakeUp = pipe_[1];
    watcher_ = std::jthread([this] {
        unsigned char byte = 0;
        for (;;) {
            const ssize_t n = ::read(pipe_[0], &byte, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0 || byte == 0)
                return;
            stop_.request_stop();
        }
    });
    for (int i = 0; i < 3; ++i) {
        struct sigaction action {};
        action.sa_handler = onSignal;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        if (::sigaction(kSignals[i], nullptr, &previous_[i]) == 0 &&
            previous_[i].sa_handler != SIG_IGN)
            watched_[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

InterruptWatch::~InterruptWatch() {
    for (int i = 0; i < 3; ++i)
        if (watched_[i])
            ::sigaction(kSignals[i], &previous_[i], nullptr);
    if (pipe_[1] < 0)
        return;
    const unsigned char quit = 0;
    while (::write(pipe_[1], &quit, 1) < 0 && errno == EINTR) {
    }
    if (watcher_.joinable())
        watcher_.join();
    wakeUp = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

int InterruptWatch::signal() const {
    return received;
}

void InterruptWatch::endAs(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal); // only if the signal did not end the process
}

} // namespace discone::cli
