// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgroundwork.h"

#include "engine.h"
#include "errorreport.h"
#include "model.h"
#include "savefile.h"

namespace discone::ui {

BackgroundWork::~BackgroundWork() {
    // All asked at once, so the waits overlap.
    for (auto& [job, thread] : threads_)
        thread.request_stop();
    threads_.clear();
}

std::uint64_t BackgroundWork::begin(Ended ended) {
    if (const auto running = threads_.find(current_); running != threads_.end())
        running->second.request_stop();
    ended_ = std::move(ended);
    current_ = ++last_;
    return current_;
}

void BackgroundWork::cancel() {
    if (current_ == 0)
        return;
    if (const auto running = threads_.find(current_); running != threads_.end())
        running->second.request_stop();
    current_ = 0;
    if (const Ended ended = std::exchange(ended_, nullptr))
        ended({true, {}});
}

void BackgroundWork::post(std::uint64_t job, News news) {
    QMetaObject::invokeMethod(
        this,
        [this, job, news = std::move(news)] {
            if (job == current_)
                news();
        },
        Qt::QueuedConnection);
}

void BackgroundWork::finish(std::uint64_t job, Outcome outcome) {
    QMetaObject::invokeMethod(
        this,
        [this, job, outcome = std::move(outcome)] {
            // The thread has nothing left to do but return.
            threads_.erase(job);
            if (job != current_)
                return;
            current_ = 0;
            outcome(std::exchange(ended_, nullptr));
        },
        Qt::QueuedConnection);
}

Ending BackgroundWork::failure(std::exception_ptr error, const Separators& separators) {
    try {
        std::rethrow_exception(error);
    } catch (const nec::Cancelled&) {
        return {true, {}};
    } catch (const SaveCancelled&) {
        return {true, {}};
    } catch (const nec::ModelError& e) {
        return {false, QString::fromStdString(e.message(separators))};
    } catch (const CalculationError& e) {
        return {false, failureOf(e).message};
    } catch (const std::exception& e) {
        // NecError, NeverBelow, FileError, TouchstoneError: one line each.
        return {false, QString::fromStdString(e.what())};
    } catch (...) {
        return {false, QStringLiteral("the work stopped with an unknown failure")};
    }
}

} // namespace discone::ui
