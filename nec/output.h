// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading NEC-2's printed output: the input impedance at each frequency,
// and the radiation pattern where the deck asked for one.
#pragma once

#include "engine.h"

#include <string>
#include <vector>

namespace discone::nec {

// The results in the order the engine computed them, each frequency's
// pattern (where the deck has an RP card) as one cut per azimuth; NEC-2's
// -999.99 for no gain at all is -inf. Throws NecError if there are none, a
// table cannot be read, or the engine reported an error.
JobResults parseOutput(const std::string& output);

} // namespace discone::nec
