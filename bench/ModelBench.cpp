// Cost of the three calculation steps behind the main window's buttons. Each
// is about a hundred floating-point operations and should stay far below a
// microsecond.

#include "SedimentModel.h"
#include "StartedModel.h"

#include <benchmark/benchmark.h>

namespace {

using siltmere::test::startedModel;

void BM_CalcCriticalLoads(benchmark::State& state)
{
    auto model = startedModel();
    for (auto _ : state) {
        model.Calc_CriticalLoads();
        benchmark::DoNotOptimize(model.strRow(siltmere::kSubestuaries));
    }
}
BENCHMARK(BM_CalcCriticalLoads);

void BM_LookupExceedances(benchmark::State& state)
{
    auto model = startedModel();
    for (auto _ : state) {
        model.Lookup_Exceedances(model.strBaseline);
        model.Lookup_Exceedances(model.ScenarioTable());
        benchmark::DoNotOptimize(model.strRow(siltmere::kSubestuaries));
    }
}
BENCHMARK(BM_LookupExceedances);

void BM_CalcPctIncrease(benchmark::State& state)
{
    auto model = startedModel();
    for (auto _ : state) {
        model.Calc_PctIncrease(20.0);
        benchmark::DoNotOptimize(model.PctFlag(6));
    }
}
BENCHMARK(BM_CalcPctIncrease);

} // namespace
