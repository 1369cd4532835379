// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Benchmarks of the calculation library: each whole command (read the input
// text, run the model, write the seven texts) in either unit, and the
// number-text primitives.
#include "formatter.h"
#include "numtext.h"

#include <benchmark/benchmark.h>

namespace {

const discone::Separators kEnglish{".", ","};

// The whole command, from the input text to the seven texts, in either unit.
void BM_resultTexts(benchmark::State& state) {
    const auto unit = static_cast<discone::Unit>(state.range(0));
    for (auto _ : state) {
        auto texts = discone::resultTexts(unit, "146", kEnglish);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_resultTexts)
    ->Arg(static_cast<int>(discone::Unit::Inches))
    ->Arg(static_cast<int>(discone::Unit::Centimetres));

void BM_calculateDimensions(benchmark::State& state) {
    float f = 146.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        auto d = discone::calculateDimensions(f);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_calculateDimensions);

void BM_singleText(benchmark::State& state) {
    float value = 19.410959f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = discone::singleText(value, kEnglish);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_singleText);

void BM_doubleText(benchmark::State& state) {
    double value = 56.9376631546020490;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = discone::doubleText(value, kEnglish);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_doubleText);

void BM_readSingle(benchmark::State& state) {
    for (auto _ : state) {
        float value = discone::readSingle(" 146 ", kEnglish);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_readSingle);

void BM_roundToPlaces(benchmark::State& state) {
    float value = 0.2017476f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = discone::roundToPlaces(value, 2, kEnglish);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_roundToPlaces);

} // namespace
