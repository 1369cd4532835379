// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "poolengine.h"

#include "deck.h"
#include "nec2c.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace discone::web {
namespace {

// Module.discone is web/study.js's pool: start(decks) gives a run's number
// (-1 once the page has stopped the study), next(run) a promise of the
// index of the next deck done (-1 cancelled, -2 failed), take(run, index)
// that deck's output (index -1: the failure), stop(run) ends the run.
// clang-format off
EM_JS(int, poolStart, (const char* const* decks, int count), {
    const list = [];
    for (let i = 0; i < count; ++i)
        list.push(UTF8ToString(HEAPU32[(decks >> 2) + i]));
    return Module.discone.start(list);
});

EM_ASYNC_JS(int, poolNext, (int run), {
    return await Module.discone.next(run);
});

EM_JS(char*, poolTake, (int run, int index), {
    const text = Module.discone.take(run, index);
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(void, poolStop, (int run), {
    Module.discone.stop(run);
});
// clang-format on

std::string take(int run, int index) {
    const std::unique_ptr<char, decltype(&std::free)> text(poolTake(run, index), &std::free);
    return text.get();
}

// Ends the run however runAll leaves, so that no worker goes on with it.
struct RunEnd {
    int run;
    ~RunEnd() { poolStop(run); }
};

} // namespace

nec::JobResults PoolEngine::run(const nec::EngineJob& job, StopToken stop) const {
    return runAll({job}, 1, stop, {}).front();
}

std::vector<nec::JobResults> PoolEngine::runAll(const std::vector<nec::EngineJob>& jobs, int,
                                                StopToken stop,
                                                const nec::Progress& progress) const {
    if (stop.stop_requested())
        throw nec::Cancelled();
    const int count = static_cast<int>(jobs.size());
    // The last job first, as callers put the slowest last: the pool hands
    // decks out in the order given.
    std::vector<std::string> decks;
    for (int k = count - 1; k >= 0; --k)
        decks.push_back(nec::jobDeck(jobs[k]));
    std::vector<const char*> texts;
    for (const std::string& deck : decks)
        texts.push_back(deck.c_str());
    const int run = poolStart(texts.data(), count);
    if (run < 0)
        throw nec::Cancelled();
    const RunEnd end{run};
    decks.clear();

    int done = 0, total = 0;
    for (const nec::EngineJob& job : jobs)
        total += job.weight;
    std::vector<nec::JobResults> results(jobs.size());
    for (int left = count; left > 0; --left) {
        const int index = poolNext(run);
        if (index == -1 || stop.stop_requested())
            throw nec::Cancelled();
        if (index < 0)
            throw nec::NecError(take(run, -1));
        const int k = count - 1 - index;
        results[k] = nec::readJobOutput(jobs[k], take(run, index));
        done += jobs[k].weight;
        if (progress)
            progress(done, total);
    }
    return results;
}

} // namespace discone::web
