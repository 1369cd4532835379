// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedline.h"

#include "numtext.h"
#include "touchstone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace discone::study {

namespace {

// The makers' nominal (typical) matched loss, as each sheet prints it; where
// each figure was read is in docs/feedline.md. No cable goes in without its
// sheet's figures: RG-6 is missing because none were found.

// Belden 8259, RG-58 type, "Product: 8259 Technical Data", nominal
// attenuation, dB/100 ft.
constexpr std::array<SheetPoint, 9> kBelden8259{{{1, 0.4},
                                                 {10, 1.5},
                                                 {50, 3.7},
                                                 {100, 5.4},
                                                 {200, 8.1},
                                                 {400, 12.4},
                                                 {700, 17.7},
                                                 {900, 21.1},
                                                 {1000, 22.8}}};

// Belden 9258, RG-8X type, "Product: 9258 Technical Data", nominal
// attenuation, dB/100 ft.
constexpr std::array<SheetPoint, 9> kBelden9258{{{1, 0.3},
                                                 {10, 0.9},
                                                 {50, 2.1},
                                                 {100, 3.1},
                                                 {200, 4.5},
                                                 {400, 6.6},
                                                 {700, 9.1},
                                                 {900, 10.7},
                                                 {1000, 11.2}}};

// Belden 8267, RG-213/U type, "Product: 8267 Technical Data", nominal
// attenuation, dB/100 ft.
constexpr std::array<SheetPoint, 10> kBelden8267{{{1, 0.17},
                                                  {10, 0.55},
                                                  {50, 1.3},
                                                  {100, 1.9},
                                                  {200, 2.7},
                                                  {400, 4.1},
                                                  {700, 6.5},
                                                  {900, 7.6},
                                                  {1000, 8.0},
                                                  {4000, 21.5}}};

// Times Microwave Systems LMR-400 data sheet, typical attenuation by
// frequency band, dB/100 ft.
constexpr std::array<SheetPoint, 10> kLmr400{{{50, 0.9},
                                              {150, 1.5},
                                              {220, 1.9},
                                              {450, 2.7},
                                              {900, 3.9},
                                              {1500, 5.1},
                                              {1800, 5.7},
                                              {2000, 6.0},
                                              {2500, 6.8},
                                              {5800, 10.8}}};

// SSB-Electronic Ecoflex 10 data sheet, attenuation, dB/100 m.
constexpr std::array<SheetPoint, 18> kEcoflex10{{{50, 2.8},
                                                 {100, 4.0},
                                                 {144, 4.9},
                                                 {200, 5.8},
                                                 {300, 7.3},
                                                 {432, 8.9},
                                                 {500, 9.6},
                                                 {800, 12.5},
                                                 {1000, 14.2},
                                                 {1296, 16.5},
                                                 {1500, 17.9},
                                                 {1800, 19.9},
                                                 {2000, 21.2},
                                                 {2400, 23.6},
                                                 {3000, 27.0},
                                                 {4000, 32.2},
                                                 {5000, 37.0},
                                                 {6000, 41.5}}};

// SSB-Electronic Aircell 7 data sheet, attenuation, dB/100 m.
constexpr std::array<SheetPoint, 18> kAircell7{{{50, 4.52},
                                                {100, 6.28},
                                                {144, 7.6},
                                                {200, 9.04},
                                                {300, 11.2},
                                                {432, 13.6},
                                                {500, 14.72},
                                                {800, 19.0},
                                                {1000, 21.52},
                                                {1296, 24.84},
                                                {1500, 27.08},
                                                {1800, 30.0},
                                                {2000, 31.88},
                                                {2400, 35.6},
                                                {3000, 40.88},
                                                {4000, 49.12},
                                                {5000, 57.04},
                                                {6000, 64.9}}};

constexpr SheetUnit kFeet = SheetUnit::DbPer100Feet;
constexpr SheetUnit kMetres = SheetUnit::DbPer100Metres;

constexpr std::array<Cable, 6> kCables{{
    {"rg58", "RG-58 (Belden 8259)", 50, 0.66, kFeet, kBelden8259},
    {"rg8x", "RG-8X (Belden 9258)", 50, 0.82, kFeet, kBelden9258},
    {"rg213", "RG-213/U (Belden 8267)", 50, 0.66, kFeet, kBelden8267},
    {"lmr400", "LMR-400 (Times Microwave)", 50, 0.85, kFeet, kLmr400},
    {"ecoflex10", "Ecoflex 10 (SSB-Electronic)", 50, 0.85, kMetres, kEcoflex10},
    {"aircell7", "Aircell 7 (SSB-Electronic)", 50, 0.83, kMetres, kAircell7},
}};

constexpr double kMetresPerFoot = 0.3048;
// dB per neper: 20 / ln 10.
constexpr double kDbPerNeper = 20 / std::numbers::ln10;

double dbPer100m(const Cable& cable, double loss) {
    return cable.unit == SheetUnit::DbPer100Feet ? loss / kMetresPerFoot : loss;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The user's text for a one-line message: control characters as \xNN.
std::string quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xf];
        } else {
            out += c;
        }
    }
    return out + "'";
}

void checkFrequency(double frequencyMHz) {
    if (!(frequencyMHz > 0) || !std::isfinite(frequencyMHz))
        throw std::invalid_argument("the frequency must be positive and finite");
}

} // namespace

std::span<const Cable> cables() {
    return kCables;
}

const Cable* findCable(std::string_view id) {
    for (const Cable& cable : kCables) {
        if (std::ranges::equal(id, cable.id, {}, lower, lower))
            return &cable;
    }
    return nullptr;
}

std::string knownCableIds() {
    std::string ids;
    for (const Cable& cable : kCables)
        ids += (ids.empty() ? "" : ", ") + std::string(cable.id);
    return ids;
}

LossLaw fittedLossLaw(const Cable& cable) {
    // Relative residuals (a sqrt(f) + b f - L) / L: the normal equations of
    // u1 = sqrt(f)/L, u2 = f/L against 1.
    double s11 = 0, s12 = 0, s22 = 0, r1 = 0, r2 = 0;
    for (const SheetPoint& p : cable.sheet) {
        const double loss = dbPer100m(cable, p.loss);
        const double u1 = std::sqrt(p.frequencyMHz) / loss, u2 = p.frequencyMHz / loss;
        s11 += u1 * u1, s12 += u1 * u2, s22 += u2 * u2, r1 += u1, r2 += u2;
    }
    const double det = s11 * s22 - s12 * s12;
    LossLaw law{(r1 * s22 - s12 * r2) / det, (s11 * r2 - s12 * r1) / det};
    // A negative term has no physical meaning: fit the other one alone.
    if (law.b < 0)
        law = {r1 / s11, 0};
    else if (law.a < 0)
        law = {0, r2 / s22};
    return law;
}

Attenuation attenuation(const Cable& cable, double frequencyMHz) {
    checkFrequency(frequencyMHz);
    const std::span<const SheetPoint> sheet = cable.sheet;
    const SheetPoint& first = sheet.front();
    const SheetPoint& last = sheet.back();
    if (frequencyMHz < first.frequencyMHz || frequencyMHz > last.frequencyMHz) {
        const SheetPoint& end = frequencyMHz < first.frequencyMHz ? first : last;
        const LossLaw law = fittedLossLaw(cable);
        const auto value = [&](double f) { return law.a * std::sqrt(f) + law.b * f; };
        return {dbPer100m(cable, end.loss) * value(frequencyMHz) / value(end.frequencyMHz), true};
    }
    // The last point whose frequency is not above f, and the one after it.
    const auto next = std::ranges::upper_bound(sheet, frequencyMHz, {}, &SheetPoint::frequencyMHz);
    if (next == sheet.end())
        return {dbPer100m(cable, last.loss), false};
    const SheetPoint& low = *(next - 1);
    const SheetPoint& high = *next;
    const double slope =
        std::log(high.loss / low.loss) / std::log(high.frequencyMHz / low.frequencyMHz);
    const double loss = low.loss * std::pow(frequencyMHz / low.frequencyMHz, slope);
    return {dbPer100m(cable, loss), false};
}

std::complex<double> lineInput(std::complex<double> load, double z0, double alphaNepersPerMetre,
                               double betaRadiansPerMetre, double metres) {
    // The tanh form rewritten with reflections, which stays finite where
    // tanh(gamma l) does not (a lossless line a quarter wave long).
    const std::complex<double> gammaLength{alphaNepersPerMetre * metres,
                                           betaRadiansPerMetre * metres};
    const std::complex<double> atInput = nec::reflection(load, z0) * std::exp(-2.0 * gammaLength);
    return z0 * (1.0 + atInput) / (1.0 - atInput);
}

double lineLossDb(std::complex<double> load, double z0, double alphaNepersPerMetre, double metres) {
    const double g2 = std::norm(nec::reflection(load, z0));
    if (!(g2 < 1))
        return INFINITY;
    const double twoAlphaL = 2 * alphaNepersPerMetre * metres;
    // 10 log10 of (1 - g2 e^(-2 twoAlphaL)) / ((1 - g2) e^(-twoAlphaL)).
    return 10 * std::log10((1 - g2 * std::exp(-2 * twoAlphaL)) / (1 - g2)) +
           twoAlphaL * kDbPerNeper / 2;
}

double returnLossDb(std::complex<double> impedance, double referenceOhms) {
    const double g = std::abs(nec::reflection(impedance, referenceOhms));
    return g > 0 ? -20 * std::log10(g) : INFINITY;
}

FeedPoint throughFeedline(const Feedline& line, double frequencyMHz,
                          std::complex<double> antennaOhms, double referenceOhms) {
    if (line.cable == nullptr)
        throw std::invalid_argument("a feed line needs a cable");
    const Cable& cable = *line.cable;
    const Attenuation loss = attenuation(cable, frequencyMHz);
    const double alpha = loss.dbPer100m / (100 * kDbPerNeper);
    const double beta =
        2 * std::numbers::pi * frequencyMHz * 1e6 / (cable.velocityFactor * kSpeedOfLight);
    const double z0 = cable.impedanceOhms;

    FeedPoint p;
    p.frequencyMHz = frequencyMHz;
    p.antennaOhms = antennaOhms;
    p.radioOhms = lineInput(antennaOhms, z0, alpha, beta, line.metres);
    p.antennaSwr = nec::reflectionSwr(nec::reflection(antennaOhms, referenceOhms));
    p.radioSwr = nec::reflectionSwr(nec::reflection(p.radioOhms, referenceOhms));
    p.radioReturnLossDb = returnLossDb(p.radioOhms, referenceOhms);
    p.matchedLossDb = loss.dbPer100m * line.metres / 100;
    p.totalLossDb = lineLossDb(antennaOhms, z0, alpha, line.metres);
    p.beyondSheet = loss.beyondSheet;
    return p;
}

std::vector<FeedPoint> throughFeedline(const Feedline& line,
                                       std::span<const nec::SweepPoint> antenna,
                                       double referenceOhms) {
    std::vector<FeedPoint> points;
    points.reserve(antenna.size());
    for (const nec::SweepPoint& p : antenna)
        points.push_back(throughFeedline(line, p.frequencyMHz, p.impedance, referenceOhms));
    return points;
}

Feedline parseFeedline(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        throw FeedlineError(
            "feed line " + quoted(text) +
            " needs TYPE:METRES, such as rg213:12.5; known cables: " + knownCableIds());
    const std::string_view type = text.substr(0, colon);
    const std::string_view length = text.substr(colon + 1);
    const Cable* cable = findCable(type);
    if (cable == nullptr)
        throw FeedlineError("unknown cable " + quoted(type) + "; known: " + knownCableIds());
    // A point is the decimal separator in every locale: the readers'
    // separators must not turn "12,5" into 125.
    const std::optional<double> metres = readPlainNumber(length, Separators{".", ""});
    if (!metres || *metres > kMaximumFeedlineMetres)
        throw FeedlineError("length " + quoted(length) +
                            " is not a number of metres from 0 to 1000, such as 12.5");
    return {cable, *metres};
}

} // namespace discone::study
