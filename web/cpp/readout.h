// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the page's charts read out at a frequency, in the desktop charts'
// words (plot/readout.cpp, which is Qt's and not built here): the SWR, the
// measured SWR and the gain at the horizon; the gains and the strongest
// lobe's elevation. Between computed points the curves are interpolated on
// the logarithmic frequency scale the charts draw.
#pragma once

#include "study.h"

#include <string>

namespace discone::web {

// "146 MHz: SWR 1.80, 2.1 dBi at the horizon"; empty outside the sweep.
std::string swrReading(const study::Prediction& prediction, double mhz, const Separators& sep);

// "146 MHz: 2.1 dBi at the horizon, strongest lobe 2.3 dBi at 4°".
std::string beamReading(const nec::Sweep& sweep, double mhz, const Separators& sep);

} // namespace discone::web
