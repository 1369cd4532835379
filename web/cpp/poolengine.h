// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's NEC-2 engine for the study: every job's deck handed at once to
// the page's pool of nec2c workers (web/engine.js, through web/study.js),
// each output read back as it comes, so that the study runs as it does on
// the desktop. The wait for the pool is asynchronous JavaScript; Asyncify
// unwinds the study's C++ stack while the page waits and winds it up again
// when a deck is done, so the page stays responsive.
#pragma once

#include "engine.h"

namespace discone::web {

class PoolEngine : public nec::Engine {
public:
    nec::JobResults run(const nec::EngineJob& job, StopToken stop) const override;

    // The pool runs as many decks at once as the browser has processor
    // threads, whatever `atOnce` says. Throws Cancelled once the page stops
    // the study, and NecError for the first deck that fails, stopping the
    // rest.
    std::vector<nec::JobResults> runAll(const std::vector<nec::EngineJob>& jobs, int atOnce,
                                        StopToken stop,
                                        const nec::Progress& progress) const override;
};

} // namespace discone::web
