// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Benchmarks of the calculation library: each whole command (read the input
// text, run the model, write the seven texts) in either unit, and the
// number-text primitives.
#include "commands.h"
#include "numtext.h"

#include <benchmark/benchmark.h>

namespace {

const discone::Separators kEnglish{".", ","};

void BM_inchesTexts(benchmark::State& state) {
    for (auto _ : state) {
        auto texts = discone::inchesTexts("146", kEnglish);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_inchesTexts);

void BM_centimetreTexts(benchmark::State& state) {
    for (auto _ : state) {
        auto texts = discone::centimetreTexts("146", kEnglish);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_centimetreTexts);

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
