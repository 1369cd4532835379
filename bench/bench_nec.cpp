// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model in nec2c, wall-clock time including starting nec2c: the default
// SWR sweep (16 rods of 2 mm, 146 MHz to 1460 MHz, 101 points) with the
// pattern cuts each point's beam and average gain come from, the same
// without them, and tuning the default design to its band.
#include "design.h"
#include "nec2c.h"
#include "sweep.h"
#include "tune.h"

#include <benchmark/benchmark.h>

namespace {

void sweep(benchmark::State& state, bool pattern) {
    const auto dims = discone::test::design(146);
    const discone::nec::Nec2c engine;
    discone::nec::SweepOptions options;
    options.pattern = pattern;
    for (auto _ : state) {
        auto result = discone::nec::runSweep(dims, options, engine);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(sweep, defaultSweep, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);
BENCHMARK_CAPTURE(sweep, withoutPattern, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);

void tuneDefault(benchmark::State& state) {
    const discone::nec::Nec2c engine;
    for (auto _ : state) {
        auto result = discone::nec::tune(146, {}, engine);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(tuneDefault)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace
