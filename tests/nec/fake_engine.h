// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A stand-in for nec2c, for the tests and the fuzz target: it answers a deck
// with the input impedance nec2c would print at each frequency of the deck's
// FR card, taken from a function of the frequency, or fails, or hangs until it
// is asked to stop, as a test needs.
#pragma once

#include "engine.h"

#include <atomic>
#include <complex>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace discone::test {

class FakeEngine : public nec::Engine {
public:
    enum class Behaviour { Answer, Fail, Hang };

    explicit FakeEngine(Behaviour behaviour = Behaviour::Answer) : behaviour_(behaviour) {}

    // The antenna's impedance at a frequency in MHz; 50 ohms unless set.
    std::function<std::complex<double>(double)> ohms = [](double) { return 50.0; };
    // Its gain in dBi at a frequency and theta in degrees, for decks with an
    // RP card; an isotropic antenna, which radiates all it is fed, unless set.
    std::function<double(double, double)> gainDbi = [](double, double) { return 0.0; };

    std::string run(const std::string& deck, const nec::RunLimits&,
                    StopToken stop) const override {
        ++runs;
        if (behaviour_ == Behaviour::Fail)
            throw nec::NecError("nec2c failed with exit status 1: the stand-in fails");
        if (behaviour_ == Behaviour::Hang) {
            while (!stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            throw nec::Cancelled();
        }
        return output(deck);
    }

    // Runs so far, from any thread.
    mutable std::atomic<int> runs{0};

private:
    // The frequencies of the deck's FR card, stepped by a ratio (type 1) or
    // by an increment (type 0), each with the pattern of its RP card.
    std::string output(const std::string& deck) const {
        std::istringstream cards(deck);
        int type = 0, count = 0, directions = 0, unused = 0;
        double start = 0, step = 0, theta0 = 0, phi0 = 0, thetaStep = 0;
        for (std::string card; std::getline(cards, card);) {
            std::istringstream fields(card.substr(std::min<std::size_t>(3, card.size())));
            if (card.rfind("FR ", 0) == 0)
                fields >> type >> count >> unused >> unused >> start >> step;
            if (card.rfind("RP ", 0) == 0)
                fields >> unused >> directions >> unused >> unused >> theta0 >> phi0 >> thetaStep;
        }
        std::string out = "  NUMERICAL ELECTROMAGNETICS CODE (stand-in)\n";
        double f = start;
        for (int i = 0; i < count; ++i) {
            const std::complex<double> y = 1.0 / ohms(f);
            char text[400];
            std::snprintf(text, sizeof text,
                          "\n  FREQUENCY : %11.4E MHz\n"
                          "  --------- ANTENNA INPUT PARAMETERS ---------\n"
                          "  TAG   SEG   VOLTAGE   CURRENT   IMPEDANCE   ADMITTANCE   POWER\n"
                          "  No:   No:  REAL IMAG  REAL IMAG  REAL IMAG  REAL IMAG   WATTS\n"
                          "    1     1 1.0E+00 0.0E+00 0 0 0 0 %.10E %.10E 0\n\n",
                          f, y.real(), y.imag());
            out += text;
            if (directions > 0) {
                out += "  ---------- RADIATION PATTERNS -----------\n\n heading\n heading\n "
                       "heading\n";
                for (int d = 0; d < directions; ++d) {
                    const double theta = theta0 + d * thetaStep;
                    std::snprintf(text, sizeof text, " %8.2f 0.00 0 0 %8.2f 0 0 LINEAR 0 0 0 0\n",
                                  theta, gainDbi(f, theta));
                    out += text;
                }
                out += "\n";
            }
            f = type == 1 ? f * step : f + step;
        }
        return out;
    }

    Behaviour behaviour_;
};

} // namespace discone::test
