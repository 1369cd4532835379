// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A stand-in NEC-2 engine, for the tests and the fuzz target: it answers a
// job with the input impedance at each of its frequencies, taken from a
// function of the frequency, and the pattern it asked for from a function of
// the frequency and the direction; or it fails, or hangs until it is asked
// to stop, as a test needs.
#pragma once

#include "engine.h"

#include <atomic>
#include <chrono>
#include <complex>
#include <functional>
#include <thread>

namespace discone::test {

class FakeEngine : public nec::Engine {
public:
    enum class Behaviour { Answer, Fail, Hang };

    explicit FakeEngine(Behaviour behaviour = Behaviour::Answer) : behaviour_(behaviour) {}

    // The antenna's impedance at a frequency in MHz; 50 ohms unless set.
    std::function<std::complex<double>(double)> ohms = [](double) { return 50.0; };
    // Its gain in dBi at a frequency and theta in degrees, the same at every
    // azimuth; an isotropic antenna, which radiates all it is fed, unless set.
    std::function<double(double, double)> gainDbi = [](double, double) { return 0.0; };

    nec::JobResults run(const nec::EngineJob& job, StopToken stop) const override {
        ++runs;
        if (behaviour_ == Behaviour::Fail)
            throw nec::NecError("nec2c failed with exit status 1: the stand-in fails");
        if (behaviour_ == Behaviour::Hang) {
            while (!stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            throw nec::Cancelled();
        }
        nec::JobResults results;
        double f = job.frequencies.startMHz;
        for (int i = 0; i < job.frequencies.count; ++i, f *= job.frequencies.ratio) {
            nec::FrequencyResult r{f, ohms(f), {}};
            const nec::PatternRequest& p = job.pattern;
            for (int k = 0; p.wanted() && k < p.phiCount; ++k) {
                nec::PatternCut cut{k * p.phiStepDeg, {}};
                const int samples = static_cast<int>(std::lround(180 / p.thetaStepDeg)) + 1;
                for (int j = 0; j < samples; ++j)
                    cut.samples.push_back({j * p.thetaStepDeg, gainDbi(f, j * p.thetaStepDeg)});
                r.cuts.push_back(std::move(cut));
            }
            results.push_back(std::move(r));
        }
        return results;
    }

    // Runs so far, from any thread.
    mutable std::atomic<int> runs{0};

private:
    Behaviour behaviour_;
};

} // namespace discone::test
