// The analyses for the default character on the shipped catalogue: the whole stat-value table, a
// 1,000-point sweep, and the optimiser over the runes (and over runes, gems and passives).
#include <benchmark/benchmark.h>

#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "desktop_adapters/optimizer_threads.h"
#include "shipped_catalogue.h"

namespace brakefell {
namespace {

const SkillCatalogue& Shipped() {
    static const SkillCatalogue catalogue = bench::ShippedCatalogue().value_or(SkillCatalogue{});
    return catalogue;
}

const MetricProbe& DpsProbe() {
    static const MetricProbe probe(Shipped(), *MetricNamed(u"dps"));
    return probe;
}

void BM_StatValues(benchmark::State& bench) {
    const CharacterSheet sheet;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ComputeStatValues(sheet, DpsProbe()));
    }
}
BENCHMARK(BM_StatValues)->Unit(benchmark::kMillisecond);

void BM_Sweep1000(benchmark::State& bench) {
    const CharacterSheet sheet;
    const SweepRequest request{FindNumberBox(u"txtAttackSpeed"), 0, 99.9, 0.1};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ComputeSweep(sheet, request, DpsProbe()));
    }
}
BENCHMARK(BM_Sweep1000)->Unit(benchmark::kMillisecond);

void BM_OptimizeRunes(benchmark::State& bench) {
    const CharacterSheet sheet;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(OptimizeOnThreads(sheet, DpsProbe(), {.runes = true}, 10));
    }
}
BENCHMARK(BM_OptimizeRunes)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OptimizeAllThree(benchmark::State& bench) {
    const CharacterSheet sheet;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(OptimizeOnThreads(
            sheet, DpsProbe(), {.runes = true, .gems = true, .passives = true}, 10));
    }
}
BENCHMARK(BM_OptimizeAllThree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
}  // namespace brakefell
