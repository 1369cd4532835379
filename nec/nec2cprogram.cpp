// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2cprogram.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace discone::nec {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kTick{50};               // how soon a stop request is seen
constexpr std::size_t kMessageBytes = 64 << 10; // of standard error, kept for messages

[[noreturn]] void fail(const std::string& what, int error) {
    throw NecError(what + ": " + std::strerror(error));
}

// A spawn call's result: 0, or the error it returns.
void check(int result, const char* what) {
    if (result != 0)
        fail(std::string("cannot start nec2c (") + what + ")", result);
}

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool open() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

struct Pipe {
    Descriptor read, write;
};

// Pipes and spawning go one at a time where a pipe cannot be made
// close-on-exec at once, so that no other child of this program inherits
// the ends of another's pipes (it would hold them open).
std::mutex spawning;

Pipe makePipe() {
    int fds[2];
#if defined(__linux__) || defined(__FreeBSD__) || defined(__NetBSD__) || defined(__OpenBSD__)
    if (::pipe2(fds, O_CLOEXEC) != 0)
        fail("cannot make a pipe for nec2c", errno);
#else
    if (::pipe(fds) != 0)
        fail("cannot make a pipe for nec2c", errno);
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
#endif
    return {Descriptor(fds[0]), Descriptor(fds[1])};
}

void setNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0)
        fail("cannot watch nec2c", errno);
}

// The running nec2c and its process group: killed with everything it
// started, and reaped, unless it ended by itself.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (ended_)
            return;
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // True once nec2c has ended; its status is then known.
    bool ended() {
        if (ended_)
            return true;
        // Seen without reaping it: until it is reaped, its process id and
        // group cannot be given to anyone else, so whatever it started can
        // still be killed through the group.
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
            info.si_pid != pid_)
            return false;
        ::kill(-pid_, SIGKILL);
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
        return true;
    }
    int status() const { return status_; }

private:
    pid_t pid_;
    bool ended_ = false;
    int status_ = 0;
};

// While it lives, a write into a pipe nec2c has closed fails with EPIPE in
// this thread instead of ending the program with SIGPIPE.
class BrokenPipeAsError {
public:
    BrokenPipeAsError() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~BrokenPipeAsError() {
        sigset_t pending;
        int taken = 0;
        if (!sigismember(&previous_, SIGPIPE) && sigpending(&pending) == 0 &&
            sigismember(&pending, SIGPIPE))
            sigwait(&pipe_, &taken);
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    BrokenPipeAsError(const BrokenPipeAsError&) = delete;
    BrokenPipeAsError& operator=(const BrokenPipeAsError&) = delete;

private:
    sigset_t pipe_, previous_;
};

// The first line with text, to quote in a message.
std::string firstLine(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const auto first = text.find_first_not_of(" \t\r", start);
        if (first < end) {
            auto last = text.find_last_not_of(" \t\r", end - 1);
            return text.substr(first, std::min<std::size_t>(last + 1 - first, 160));
        }
        start = end + 1;
    }
    return {};
}

std::string seconds(milliseconds time) {
    const auto tenths = (time.count() + 50) / 100;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") +
           " s";
}

std::string megabytes(std::size_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

// Reads what is there; false at the end of the pipe.
bool readSome(int fd, std::string& into, std::size_t keep) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (into.size() < keep)
                into.append(buffer, std::min<std::size_t>(n, keep - into.size()));
            continue;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return true;
        fail("cannot read nec2c's output", errno);
    }
}

} // namespace

std::string Nec2cProgram::run(const std::string& deck, const RunLimits& limits,
                              StopToken stop) const {
    if (stop.stop_requested())
        throw Cancelled();
    const BrokenPipeAsError brokenPipe;
    Pipe input, output, errors;
    pid_t pid = 0;
    {
        std::lock_guard lock(spawning);
        input = makePipe();
        output = makePipe();
        errors = makePipe();

        posix_spawn_file_actions_t actions;
        check(posix_spawn_file_actions_init(&actions), "file actions");
        posix_spawnattr_t attributes;
        if (const int error = posix_spawnattr_init(&attributes)) {
            posix_spawn_file_actions_destroy(&actions);
            check(error, "attributes");
        }
        int result = posix_spawn_file_actions_adddup2(&actions, input.read.get(), 0);
        if (result == 0)
            result = posix_spawn_file_actions_adddup2(&actions, output.write.get(), 1);
        if (result == 0)
            result = posix_spawn_file_actions_adddup2(&actions, errors.write.get(), 2);
        // The default signal dispositions and no blocked signals, whatever
        // this program does with its own, and a process group of its own.
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE})
            sigaddset(&defaults, s);
        if (result == 0)
            result = posix_spawnattr_setsigmask(&attributes, &none);
        if (result == 0)
            result = posix_spawnattr_setsigdefault(&attributes, &defaults);
        if (result == 0)
            result = posix_spawnattr_setpgroup(&attributes, 0);
        if (result == 0)
            result = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK |
                                                               POSIX_SPAWN_SETSIGDEF |
                                                               POSIX_SPAWN_SETPGROUP);
        std::string program = program_, in = "-i/dev/stdin", out = "-o/dev/stdout";
        char* argv[] = {program.data(), in.data(), out.data(), nullptr};
        if (result == 0)
            result = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (result == ENOENT)
            throw NecError(program_ + " was not found on PATH: install the nec2c package");
        check(result, "spawn");
    }
    Child child(pid);
    input.read.close();
    output.write.close();
    errors.write.close();
    for (const Descriptor* fd : {&input.write, &output.read, &errors.read})
        setNonBlocking(fd->get());

    const auto deadline = Clock::now() + limits.time;
    std::string text, messages;
    std::size_t written = 0;
    int idle = 1; // milliseconds
    if (deck.empty())
        input.write.close();
    for (;;) {
        if (stop.stop_requested())
            throw Cancelled();
        if (child.ended()) {
            // What it wrote before it ended is in the pipes; anything that
            // still holds them open is not nec2c.
            if (output.read.open())
                readSome(output.read.get(), text, limits.outputBytes + 1);
            if (errors.read.open())
                readSome(errors.read.get(), messages, kMessageBytes);
            break;
        }
        const auto now = Clock::now();
        if (now >= deadline)
            throw NecError("nec2c did not finish within its time limit of " + seconds(limits.time) +
                           " and was stopped");
        pollfd fds[3];
        nfds_t count = 0;
        for (const Descriptor* fd : {&input.write, &output.read, &errors.read})
            if (fd->open())
                fds[count++] = {fd->get(),
                                static_cast<short>(fd == &input.write ? POLLOUT : POLLIN), 0};
        const auto wait = std::min(kTick, std::chrono::ceil<milliseconds>(deadline - now));
        if (count == 0) {
            // Both pipes closed: nec2c is ending, which takes a moment, or
            // lives on without them; look again soon, then less often.
            ::poll(nullptr, 0, static_cast<int>(std::min(wait, milliseconds(idle)).count()));
            idle = std::min(2 * idle, static_cast<int>(kTick.count()));
            continue;
        }
        if (::poll(fds, count, static_cast<int>(wait.count())) < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot watch nec2c", errno);
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (fds[i].revents == 0)
                continue;
            if (fds[i].fd == input.write.get()) {
                const ssize_t n =
                    ::write(input.write.get(), deck.data() + written, deck.size() - written);
                if (n > 0)
                    written += static_cast<std::size_t>(n);
                // nec2c stopped reading, or the deck is all there.
                if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == deck.size())
                    input.write.close();
            } else if (fds[i].fd == output.read.get()) {
                if (!readSome(output.read.get(), text, limits.outputBytes + 1))
                    output.read.close();
            } else if (!readSome(errors.read.get(), messages, kMessageBytes)) {
                errors.read.close();
            }
        }
        if (text.size() > limits.outputBytes)
            throw NecError("nec2c wrote more than its limit of " + megabytes(limits.outputBytes) +
                           " of output and was stopped");
    }
    if (text.size() > limits.outputBytes)
        throw NecError("nec2c wrote more than its limit of " + megabytes(limits.outputBytes) +
                       " of output and was stopped");

    const int status = child.status();
    const std::string said = firstLine(messages);
    if (WIFSIGNALED(status))
        throw NecError("nec2c was ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
                       strsignal(WTERMSIG(status)) + ")" + (said.empty() ? "" : ": " + said));
    if (WEXITSTATUS(status) == 127 && text.empty())
        throw NecError(program_ + " could not be run: install the nec2c package" +
                       (said.empty() ? "" : " (" + said + ")"));
    if (WEXITSTATUS(status) != 0)
        throw NecError("nec2c failed with exit status " + std::to_string(WEXITSTATUS(status)) +
                       (said.empty() ? std::string() : ": " + said));
    if (text.empty())
        throw NecError("nec2c wrote no output" + (said.empty() ? "" : ": " + said));
    return text;
}

} // namespace discone::nec
