// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry.h"

#include "interrupts.h"
#include "nec2c.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace discone::cli {

namespace {

// Writes all of `text`; returns 0 or the error.
int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Points done of all on standard error, once the sweep has taken a second,
// and only where someone watches it: never into a pipe or a file.
class ProgressLine {
public:
    ProgressLine() : shown_(::isatty(STDERR_FILENO) == 1) {}
    void operator()(int done, int total) {
        const std::lock_guard lock(mutex_);
        if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
            return;
        written_ = true;
        writeAll(STDERR_FILENO, "\rdiscone: SWR at " + std::to_string(done) + " of " +
                                    std::to_string(total) + " frequencies");
    }
    // Clears the line, so that what follows starts on an empty one.
    void clear() {
        const std::lock_guard lock(mutex_);
        if (written_)
            writeAll(STDERR_FILENO, "\r\033[K");
        written_ = false;
    }

private:
    std::mutex mutex_;
    bool shown_;
    bool written_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace

int commandLineMain(std::span<const std::string_view> args, const Separators& sep, int (*region)(),
                    const Pictures* pictures) {
    const nec::Nec2c engine;
    const DiskFiles files;
    ProgressLine progress;
    int interrupted = 0;
    Result result;
    {
        InterruptWatch interrupts;
        Context context{sep,
                        &engine,
                        pictures,
                        &files,
                        interrupts.token(),
                        [&progress](int done, int total) { progress(done, total); },
                        region};
        result = run(args, context);
        progress.clear();
        interrupted = interrupts.signal();
    }
    if (interrupted != 0)
        InterruptWatch::endAs(interrupted);
    if (const int error = writeAll(STDOUT_FILENO, result.out)) {
        writeAll(STDERR_FILENO, std::string("discone: the output cannot be written: ") +
                                    std::strerror(error) + "\n");
        return kExitFailure;
    }
    writeAll(STDERR_FILENO, result.err);
    return result.status;
}

} // namespace discone::cli
