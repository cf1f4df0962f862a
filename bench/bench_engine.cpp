// Speed of one calculation of the default span.
#include "app/calculationinputassembly.h"
#include "engine/calculation.h"

#include <benchmark/benchmark.h>

static void engineRunOfDefaultSpan(benchmark::State &state)
{
    const engine::CalculationInput input = app::defaultCalculationInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::runCalculation(input));
}
BENCHMARK(engineRunOfDefaultSpan)->Unit(benchmark::kMicrosecond);
