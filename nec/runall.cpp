// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Several jobs on an engine that runs in this process, one run per core: the
// sweep's sub-bands and the pattern's frequencies. A WebAssembly build
// without threads runs them one after another: std::async's threads would
// never start there, and its wait would never return.
#include "engine.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <mutex>
#include <thread>

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define DISCONE_SERIAL_RUNS 1
#endif

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
    std::exception_ptr failure;
    const auto collect = [&failure](const auto& wait) {
        try {
            wait();
        } catch (const Cancelled&) {
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    };
#if defined(DISCONE_SERIAL_RUNS)
    static_cast<void>(atOnce);
    collect(worker);
#else
    std::vector<std::future<void>> workers;
    for (int i = 0; i < std::min<int>(atOnce, static_cast<int>(jobs.size())); ++i)
        workers.push_back(std::async(std::launch::async, worker));
    for (auto& w : workers)
        collect([&w] { w.get(); });
#endif
    if (stop.stop_requested())
        throw Cancelled();
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

} // namespace discone::nec
