// The analyses for the default character on the shipped catalogue: the whole stat-value table, a
// 1,000-point sweep, the optimiser over the runes (and over runes, gems and passives), and the
// readings of a full history.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/history_readings.h"
#include "analysis/optimizer.h"
#include "analysis/stat_values.h"
#include "analysis/sweep.h"
#include "desktop_adapters/desktop_platform.h"
#include "desktop_adapters/optimizer_threads.h"
#include "profile/share_code.h"
#include "session/calculator_session.h"
#include "shipped_catalogue.h"
#include "text/strings.h"

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

// The 200 builds of a full history, each another main stat, read over the inputs of now as the
// history tab reads them whenever its entries change.
void BM_ReadHistory200(benchmark::State& bench) {
    DesktopPlatform desktop;
    NobodyThere nobody;
    const std::string folder = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    CalculatorSession session(Edition::Full, ProgramFolders{folder, folder}, desktop.platform(),
                              nobody);
    session.startUp(
        {.cataloguePath = BRAKEFELL_SOURCE_DIR "/data/Gloamstalker007.txt", .loadLastRun = false});
    FormState& form = session.form();
    std::vector<HistoryEntry> entries;
    for (int i = 0; i < CalculationHistory::kMostEntries; ++i) {
        form.setText(u"txtMainStat", Utf16OfUtf8(std::to_string(8000 + 10 * i)));
        entries.push_back(
            {i, *BuildOfShareCode(desktop.deflate, ShareCodeOf(desktop.deflate, form))});
    }
    form.setText(u"txtMainStat", u"8830");
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ReadHistory(entries, form));
    }
}
BENCHMARK(BM_ReadHistory200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brakefell
