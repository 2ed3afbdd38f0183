// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Time of one press of the calculate button's calculation, default inputs.
#include "calc/calculation.h"

#include <benchmark/benchmark.h>

namespace {

void runDefaultCalculation(benchmark::State& state)
{
    const std::map<std::string, std::string> texts
        = {{"TxtWind", "0.4"}, {"TxtSpace", "6"}, {"TxtDead", "0.3"}, {"txtfy", "235"},
           {"TxtF", "215"},    {"TxtFv", "125"},  {"Txtb", "200"},    {"Txth", "400"},
           {"Txttf", "10"},    {"Txttw", "6"},    {"TxtHeight", "9"}, {"TxtSSpace", "6"}};
    std::size_t written = 0;
    const calc::ResultSink sink
        = [&](const std::string& box, const std::string& text) { written += box.size() + text.size(); };
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::runCalculation(texts, calc::SimplySupported, sink));
    benchmark::DoNotOptimize(written);
}
BENCHMARK(runDefaultCalculation);

} // namespace

BENCHMARK_MAIN();
