// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the page's charts read out at a frequency, in the desktop charts'
// words (plot/readout.cpp and ui/chartviews.cpp, which are Qt's and not
// built here): the SWR or return loss of the antenna, the radio end and the
// measurement, and the gain at the horizon; the gains and the strongest
// lobe's elevation; the impedance; a point of the Smith chart; the pattern's
// gain at an elevation. Between computed points the curves are interpolated on
// the logarithmic frequency scale the charts draw.
#pragma once

#include "study.h"

#include <string>

namespace discone::web {

// -20 log10 |reflection| of an SWR; infinite for a perfect match, 0 for
// total reflection.
double returnLossOfSwr(double swr);

// "146 MHz: SWR 1.80, 2.1 dBi at the horizon", or "return loss 10.9 dB";
// with a feed line "antenna SWR 1.80, radio end SWR 1.52, ..."; empty
// outside the sweep.
std::string swrReading(const study::Prediction& prediction, double mhz, bool returnLoss,
                       const Separators& sep);

// "146 MHz: R 48.2 Ω, X −3.1 Ω".
std::string impedanceReading(const study::Prediction& prediction, double mhz,
                             const Separators& sep);

// The computed point `index`: "146 MHz: R 48.2 Ω, X −3.1 Ω, SWR 1.08".
std::string smithReading(const study::Prediction& prediction, std::size_t index,
                         const Separators& sep);

// "146 MHz, 10° elevation: 2.1 dBi", or "a null".
std::string patternReading(const nec::ElevationCut& cut, double elevationDeg,
                           const Separators& sep);

// "146 MHz: 2.1 dBi at the horizon, strongest lobe 2.3 dBi at 4°".
std::string beamReading(const nec::Sweep& sweep, double mhz, const Separators& sep);

} // namespace discone::web
