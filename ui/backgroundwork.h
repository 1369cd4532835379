// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Work a window hands off the UI thread, such as a sweep through nec2c: one
// job at a time, each on a std::jthread of its own. Starting a job asks the
// one before it to stop, and so does cancel(); the object's end asks every
// job to stop and waits for it (the engine kills nec2c within about 50 ms of
// a stop). What a job reports, returns or throws is posted back to the
// object's thread and handed on there only while the job is the current
// one, so a superseded job's news never reaches the window. A failure comes
// as one line in the user's words.
#pragma once

#include "numtext.h"
#include "separators.h"

#include <QObject>
#include <QString>

#include "portable.h"
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <utility>

namespace discone::ui {

// How a job ended without a result.
struct Ending {
    bool cancelled = false;
    QString message; // the failure, in the user's words; empty when cancelled
};

class BackgroundWork : public QObject {
    Q_OBJECT
public:
    using Progress = std::function<void(int done, int total)>;

    BackgroundWork() = default;
    ~BackgroundWork() override;

    // Runs `work(stop_token, progress)` on a new thread. Back on this
    // object's thread, progressed() follows each report, then `done(result)`
    // gets what the work returned, or `ended` how it stopped. `work` must hold
    // copies of what it uses.
    template <class Work, class Done>
    void start(Work work, Done done, std::function<void(const Ending&)> ended);

    // Asks the current job to stop and ends it now: its `ended` hears that it
    // was cancelled, and nothing more of it arrives.
    void cancel();

    // A job's outcome is still to come.
    bool busy() const { return current_ != 0; }

signals:
    void progressed(int done, int total);

private:
    using News = std::function<void()>;
    using Ended = std::function<void(const Ending&)>;
    // Hands the job's result to `done`, or its ending to `ended`.
    using Outcome = std::function<void(const Ended& ended)>;

    std::uint64_t begin(Ended ended);
    // From the job's thread: `news` runs here if the job is still current.
    void post(std::uint64_t job, News news);
    // From the job's thread, last: the outcome, then the thread is joined.
    void finish(std::uint64_t job, Outcome outcome);
    // How a job that threw `error` ended, in the user's words.
    static Ending failure(std::exception_ptr error, const Separators& separators);

    std::uint64_t last_ = 0, current_ = 0;
    Ended ended_;
    std::map<std::uint64_t, std::jthread> threads_;
};

template <class Work, class Done>
void BackgroundWork::start(Work work, Done done, std::function<void(const Ending&)> ended) {
    const std::uint64_t job = begin(std::move(ended));
    auto run = [this, job, work = std::move(work), done = std::move(done),
                separators = systemSeparators()](StopToken stop) mutable {
        const Progress progress = [this, job](int part, int total) {
            post(job, [this, part, total] { emit progressed(part, total); });
        };
        Outcome outcome;
        try {
            auto result = std::make_shared<decltype(work(stop, progress))>(work(stop, progress));
            outcome = [done = std::move(done), result](const Ended&) { done(std::move(*result)); };
        } catch (...) {
            outcome = [how = failure(std::current_exception(), separators)](const Ended& ended) {
                if (ended)
                    ended(how);
            };
        }
        finish(job, std::move(outcome));
    };
    threads_.emplace(job, std::jthread(std::move(run)));
}

} // namespace discone::ui
