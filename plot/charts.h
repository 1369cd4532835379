// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the charts draw, as plain numbers: an SWR chart (the predicted SWR
// or return loss over frequency, optionally a measured one beside it and
// the gain at the horizon under it), a beam chart (the gains and the tilt
// of the beam over frequency), an impedance chart (resistance and
// reactance over frequency), a Smith chart of the impedance, and a pattern
// chart (elevation cuts of the radiation pattern at a few frequencies).
// Callers fill these from whatever model or measurement they have; the
// drawing knows nothing of where they came from. Each holds the user's
// number separators, since the drawing reads no locale.
#pragma once

#include "numtext.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace discone::plot {

// An amateur band shaded on a frequency axis, with its name ("2 m").
struct BandMark {
    QString name;
    double lowMHz = 0;
    double highMHz = 0;
};

// How the SWR chart shows the match: as SWR, or as return loss in dB
// (-20 log10 |reflection|), growing downwards as analysers draw it.
enum class MatchScale { Swr, ReturnLoss };

struct SwrPoint {
    double frequencyMHz = 0;
    double swr = 1; // +inf for total reflection
};

struct GainPoint {
    double frequencyMHz = 0;
    double dbi = 0; // -inf for a null
};

struct SwrChart {
    QString title;                      // already in the user's words
    double designMHz = 0;               // the antenna's design frequency, marked with its value
    std::vector<SwrPoint> predicted;    // rising frequency; sets the frequency axis
    std::vector<SwrPoint> measured;     // rising frequency; empty: none
    std::vector<GainPoint> horizonGain; // rising frequency; empty: no gain panel
    MatchScale scale = MatchScale::Swr;
    double referenceOhms = 50; // what the SWR is against, named on its axis
    std::vector<BandMark> bands = {};
    Separators separators = {};
    QStringList notes = {}; // said over the chart, such as a measurement outside the sweep
    // The predicted SWR at the radio through a feed line, rising frequency,
    // and its name in the legend; empty: none. With it, the measured curve
    // is taken as measured at the radio.
    std::vector<SwrPoint> radioEnd = {};
    QString radioEndName = {};
};

struct BeamPoint {
    double frequencyMHz = 0;
    double horizonDbi = 0;       // -inf for a null
    double peakDbi = 0;          // the strongest lobe's gain
    double peakElevationDeg = 0; // where it points; negative below the horizon
};

struct BeamChart {
    QString title;
    double designMHz = 0;
    std::vector<BeamPoint> points; // rising frequency
    std::vector<BandMark> bands = {};
    Separators separators = {};
};

struct ImpedancePoint {
    double frequencyMHz = 0;
    double resistance = 0; // ohms
    double reactance = 0;  // ohms
};

// Resistance and reactance over the logarithmic frequency axis.
struct ImpedanceChart {
    QString title;
    double designMHz = 0;
    double referenceOhms = 50;          // marked on the axis
    std::vector<ImpedancePoint> points; // rising frequency
    std::vector<BandMark> bands = {};
    Separators separators = {};
};

// The impedance on a Smith chart normalised to the reference.
struct SmithChart {
    QString title;
    double designMHz = 0;
    double referenceOhms = 50;             // 50 or 75
    std::vector<ImpedancePoint> predicted; // rising frequency
    std::vector<ImpedancePoint> measured;  // rising frequency; empty: none
    Separators separators = {};
};

struct PatternPoint {
    double elevationDeg = 0; // -90 straight down, 0 the horizon, +90 straight up
    double dbi = 0;          // -inf for a null
};

// One elevation cut; the antenna is round, so one cut stands for every
// azimuth and is drawn on both sides of the vertical axis.
struct PatternCut {
    double frequencyMHz = 0;
    std::vector<PatternPoint> points; // rising elevation
};

struct PatternChart {
    QString title;
    std::vector<PatternCut> cuts; // up to eight are told apart by colour
    Separators separators = {};
};

} // namespace discone::plot
