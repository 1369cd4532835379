// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Several jobs on an engine that runs in this process, one run per core: the
// sweep's sub-bands and the pattern's frequencies.
#include "engine.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <mutex>
#include <thread>

namespace discone::nec {

std::vector<JobResults> Engine::runAll(const std::vector<EngineJob>& jobs, int atOnce,
                                       StopToken stop, const Progress& progress) const {
    if (atOnce <= 0)
        atOnce = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    StopSource abandon;
    const StopCallback forward(stop, [&abandon] { abandon.request_stop(); });
    std::vector<JobResults> results(jobs.size());
    std::atomic<int> next = static_cast<int>(jobs.size()) - 1;
    std::mutex reporting;
    int done = 0, total = 0;
    for (const EngineJob& job : jobs)
        total += job.weight;
    const auto worker = [&] {
        try {
            for (int k; (k = next--) >= 0;) {
                if (abandon.stop_requested())
                    throw Cancelled();
                results[k] = run(jobs[k], abandon.get_token());
                const std::lock_guard lock(reporting);
                done += jobs[k].weight;
                if (progress && !abandon.stop_requested())
                    progress(done, total);
            }
        } catch (...) {
            abandon.request_stop();
            throw;
        }
    };
    std::vector<std::future<void>> workers;
    for (int i = 0; i < std::min<int>(atOnce, static_cast<int>(jobs.size())); ++i)
        workers.push_back(std::async(std::launch::async, worker));
    std::exception_ptr failure;
    for (auto& w : workers) {
        try {
            w.get();
        } catch (const Cancelled&) {
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (stop.stop_requested())
        throw Cancelled();
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

} // namespace discone::nec
