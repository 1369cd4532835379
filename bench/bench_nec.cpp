// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The default SWR sweep in nec2c: 16 wires of 2 mm, 146 MHz to 1460 MHz, 101
// points, wall-clock time including starting nec2c.
#include "design.h"
#include "nec2c.h"
#include "sweep.h"

#include <benchmark/benchmark.h>

namespace {

void defaultSweep(benchmark::State& state) {
    const auto dims = discone::test::design(146);
    const discone::nec::Nec2c engine;
    for (auto _ : state) {
        auto sweep = discone::nec::runSweep(dims, {}, engine);
        benchmark::DoNotOptimize(sweep);
    }
}
BENCHMARK(defaultSweep)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace
