// Speed of one calculation of the default span.
#include "app/model/calculationinputassembly.h"
#include "engine/calculation.h"
#include "engine/catenarycrosscheck.h"

#include <benchmark/benchmark.h>

static void engineRunOfDefaultSpan(benchmark::State &state)
{
    const engine::CalculationInput input = app::defaultCalculationInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::runCalculation(input));
}
BENCHMARK(engineRunOfDefaultSpan)->Unit(benchmark::kMicrosecond);

// The exact elastic-catenary cross-check alone: the reference state solved
// for the control sag, then the other twelve load states for its length
// (target under 100 µs).
static void catenaryCrossCheckOfDefaultSpan(benchmark::State &state)
{
    engine::CalculationResult result = engine::runCalculation(app::defaultCalculationInput());
    for (auto _ : state) {
        engine::crossCheckByCatenary(result.span, result);
        benchmark::DoNotOptimize(result.catenary);
    }
}
BENCHMARK(catenaryCrossCheckOfDefaultSpan)->Unit(benchmark::kMicrosecond);
