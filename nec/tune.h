// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Tuning the design to the band: the classic formula cuts the antenna so
// that its SWR drops below 2 only some way above the frequency it is cut
// for (about 1.13 times with 16 wires of 2 mm, more with fewer or thinner
// wires). Tuning finds, with the model, the design frequency F' whose
// antenna has its SWR first drop below 2 at the frequency the user wants.
//
// A discone scaled with its wires has the same curve against frequency over
// design frequency, so one sweep of the design at the target frequency
// gives a first F'; the wires do not scale with it, so short sweeps up to
// a little above the target, the target one of their points, put F' right:
// its SWR is below 2 at the target, and first drops below 2 within 0.5 %
// below it. A last whole sweep gives how far up it stays below 2.
#pragma once

#include "engine.h"
#include "model.h"

#include "portable.h"
#include <stdexcept>

namespace discone::nec {

struct Tuning {
    double targetMHz = 0;     // where the SWR is to drop below 2
    float designMHz = 0;      // F', to 5 significant digits
    double firstBelowMHz = 0; // where F''s SWR first drops below 2: within 0.5 % below the target
    double staysBelowUpToMHz = 0; // how far up it stays below 2, up to ten times F'
    int sweeps = 0;
};

// The wires never bring the SWR below 2 near the design frequency: the
// message is one line that says so and suggests more or thicker wires.
class NeverBelow : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws NeverBelow, ModelError (wires the model cannot take), NecError, or
// Cancelled once `stop` is requested.
Tuning tune(double targetMHz, const ModelOptions& options, const Engine& engine,
            StopToken stop = {}, const Progress& progress = {});

} // namespace discone::nec
