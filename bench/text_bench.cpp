// Cost of formatting the report's numbers: ordinary amounts, percentages, and huge values that
// must not take a slow path through long digit strings.

#include <benchmark/benchmark.h>

#include "text/number_format.h"

namespace {

void BM_FormatAmount(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brakefell::FormatNumber(1234.5 + ++i * 7.77, u"###,###,###,###"));
    }
}
BENCHMARK(BM_FormatAmount);

void BM_FormatPercent(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brakefell::FormatNumber(++i * 0.0013, u"0.0%"));
    }
}
BENCHMARK(BM_FormatPercent);

void BM_FormatHugeValue(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brakefell::FormatNumber(1e300 / (++i % 1000 + 1), u"#,##0.00"));
    }
}
BENCHMARK(BM_FormatHugeValue);

}  // namespace
