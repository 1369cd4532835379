// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The coaxial cable between the antenna and the radio: a table of common
// cables with their makers' matched-loss figures, the loss at any frequency
// (log-log between the sheet's points, the conductor-plus-dielectric law
// beyond them), the impedance, SWR and losses a lossy line of a given length
// shows at the radio end, and the command line's TYPE:METRES. Plain C++; the
// sources of the figures and the approximations are in docs/feedline.md.
#pragma once

#include "sweep.h"

#include <complex>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace discone::study {

inline constexpr double kSpeedOfLight = 299792458; // m/s
inline constexpr double kMaximumFeedlineMetres = 1000;

// The unit a data sheet gives its loss in, kept so the table reads as the
// sheet prints it.
enum class SheetUnit { DbPer100Feet, DbPer100Metres };

struct SheetPoint {
    double frequencyMHz = 0;
    double loss = 0; // matched loss in the sheet's unit
};

struct Cable {
    std::string_view id;       // for the command line: "rg213"
    std::string_view name;     // for people: "RG-213/U (Belden 8267)"
    double impedanceOhms = 50; // nominal, taken as real
    double velocityFactor = 0.66;
    SheetUnit unit = SheetUnit::DbPer100Feet;
    std::span<const SheetPoint> sheet; // rising frequency, at least two points
};

// Every cable the program knows, in the order the messages list them.
std::span<const Cable> cables();

// The cable with this id in any case; nullptr if there is none.
const Cable* findCable(std::string_view id);

// "rg58, rg8x, ..." for messages.
std::string knownCableIds();

// Matched loss at one frequency, in dB per 100 m. Between the sheet's lowest
// and highest frequency: log-log between the neighbouring points, so the
// sheet's own figures come back. Outside: the law a sqrt(f) + b f fitted to
// all the points, scaled to meet the nearest end point, and beyondSheet set
// so the caller can say so.
struct Attenuation {
    double dbPer100m = 0;
    bool beyondSheet = false;
};

// Throws std::invalid_argument for a frequency that is not positive and finite.
Attenuation attenuation(const Cable& cable, double frequencyMHz);

// The least-squares fit of dB/100 m = a sqrt(f) + b f (f in MHz) to the
// sheet, each point weighted by its own size so that small figures count as
// much as large ones; a and b are not negative.
struct LossLaw {
    double a = 0;
    double b = 0;
};

LossLaw fittedLossLaw(const Cable& cable);

// The impedance at the input of `metres` of line of real characteristic
// impedance z0, attenuation alpha (nepers per metre) and phase constant beta
// (radians per metre), terminated by `load`:
// Z0 (ZL + Z0 tanh(gamma l)) / (Z0 + ZL tanh(gamma l)), gamma = alpha + j beta.
std::complex<double> lineInput(std::complex<double> load, double z0, double alphaNepersPerMetre,
                               double betaRadiansPerMetre, double metres);

// The line's loss with this load, from the power into the line and the power
// into the load: 10 log10((1 - |G|^2 e^(-4 alpha l)) / ((1 - |G|^2) e^(-2 alpha l)))
// with G the load's reflection against z0. Equals the matched loss for a
// matched load; infinite for a load that takes no power.
double lineLossDb(std::complex<double> load, double z0, double alphaNepersPerMetre, double metres);

// -20 log10 |G| against the reference; infinite for a perfect match.
double returnLossDb(std::complex<double> impedance, double referenceOhms);

// One frequency seen through the feed line.
struct FeedPoint {
    double frequencyMHz = 0;
    std::complex<double> antennaOhms;
    std::complex<double> radioOhms;
    double antennaSwr = 0; // against the reference; infinite for total reflection
    double radioSwr = 0;   // against the reference; infinite for total reflection
    double radioReturnLossDb = 0;
    double matchedLossDb = 0; // the cable's loss over its length into its own impedance
    double totalLossDb = 0;   // its loss with this antenna
    bool beyondSheet = false; // the loss is extrapolated
};

struct Feedline {
    const Cable* cable = nullptr;
    double metres = 0;
};

// Throws std::invalid_argument for a frequency that is not positive and
// finite, or a line without a cable.
FeedPoint throughFeedline(const Feedline& line, double frequencyMHz,
                          std::complex<double> antennaOhms,
                          double referenceOhms = nec::kReferenceOhms);

// The whole sweep, point by point, in the sweep's order.
std::vector<FeedPoint> throughFeedline(const Feedline& line,
                                       std::span<const nec::SweepPoint> antenna,
                                       double referenceOhms = nec::kReferenceOhms);

// A TYPE:METRES that cannot be read; what() is one line.
class FeedlineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// TYPE:METRES, such as "rg213:12.5": a known id in any case, a colon, and
// metres from 0 to kMaximumFeedlineMetres written as digits with at most one
// decimal point and an optional exponent (no sign, blanks or commas).
Feedline parseFeedline(std::string_view text);

} // namespace discone::study
