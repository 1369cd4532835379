// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model's results as the chart library's charts: the sweep's SWR with
// its gain at the horizon and a measured curve beside it, the sweep's beam,
// its impedance over frequency and on a Smith chart, and the elevation
// patterns, each under the caller's title, for the reader the caller
// describes (separators, ITU region, reference impedance).
#pragma once

#include "charts.h"
#include "numtext.h"
#include "pattern.h"
#include "study.h"
#include "sweep.h"

#include <utility>
#include <vector>

namespace discone::plot {

// Who reads the chart: numbers are written with their separators, and the
// amateur bands of their ITU region (1 to 3; 0 for not known: what all
// three share) are marked.
struct Reader {
    Separators separators;
    int region = 0;
    double referenceOhms = nec::kReferenceOhms; // 50 or 75
    MatchScale scale = MatchScale::Swr;
};

// The amateur bands of `region` between the two frequencies.
std::vector<BandMark> bandMarks(int region, double lowMHz, double highMHz);

// `measured` holds (MHz, SWR) pairs; empty for none. The predicted SWR is
// against the reader's reference.
SwrChart sweepChart(const nec::Sweep& sweep, const QString& title,
                    const std::vector<std::pair<double, double>>& measured = {},
                    const Reader& reader = {});

// The points of the sweep that have a beam.
BeamChart beamChart(const nec::Sweep& sweep, const QString& title, const Reader& reader = {});

ImpedanceChart impedanceChart(const nec::Sweep& sweep, const QString& title,
                              const Reader& reader = {});

// `measured` holds (MHz, ohms) pairs; empty for none.
SmithChart smithChart(const nec::Sweep& sweep, const QString& title,
                      const std::vector<std::pair<double, std::complex<double>>>& measured = {},
                      const Reader& reader = {});

PatternChart patternChart(const std::vector<nec::ElevationCut>& cuts, const QString& title,
                          const Reader& reader = {});

// The prediction's charts under its title, against its reference, with the
// measurement beside it and its warning over the SWR chart. The reader's
// reference is the prediction's. Where the prediction has a feed line, the
// SWR chart draws the SWR at the radio beside the antenna's, named "at the
// radio, 12.5 m of RG-213/U", and the measurement as taken at the radio.
SwrChart swrChart(const study::Prediction& prediction, Reader reader);
BeamChart beamChart(const study::Prediction& prediction, Reader reader);
ImpedanceChart impedanceChart(const study::Prediction& prediction, Reader reader);
SmithChart smithChart(const study::Prediction& prediction, const study::Measurement* measurement,
                      Reader reader);

} // namespace discone::plot

// The names the windows and the program call them by.
namespace discone::ui {
using plot::beamChart;
using plot::patternChart;
using plot::sweepChart;
} // namespace discone::ui
