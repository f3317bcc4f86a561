// One press of "계산" for the default character: the whole calculation with its report, in both
// editions, and the same through the form's controls.
#include <benchmark/benchmark.h>

#include "engine/compute_figures.h"
#include "engine/report/calculation.h"
#include "form/form_state.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "session/run_calculation.h"
#include "shipped_catalogue.h"
#include "text/strings.h"

namespace brakefell {
namespace {

// Every rune deals damage; a few are multi-hit with an extra hit, so every block kind is built.
SkillCatalogue BuiltInCatalogue() {
    SkillCatalogue catalogue;
    for (int s = 0; s < kSkillCount; ++s) {
        catalogue[s].name = u"기술 " + IntegerText(s);
        for (int r = 0; r < kRuneCount; ++r) {
            RuneRecord& rune = catalogue[s].runes[r];
            rune.name = u"룬 " + IntegerText(r);
            rune.hasDamage = true;
            rune.mainCoefficient = 1.5 + 0.25 * r;
            rune.elementCode = static_cast<std::int16_t>(1 + r);
            rune.isMultiHit = r == 5 || r == 4;
            rune.extraCoefficient = rune.isMultiHit ? 0.6 : 0;
            rune.extraIsRocket = r == 4;
        }
    }
    return catalogue;
}

// The shipped catalogue when it loads, else the one above.
const SkillCatalogue& BenchCatalogue() {
    static const SkillCatalogue catalogue = bench::ShippedCatalogue().value_or(BuiltInCatalogue());
    return catalogue;
}

// The figures alone: every number of the report, no text. No figure depends on the edition; both
// names stay so that runs compare with those from before.
void BM_ComputeFigures(benchmark::State& bench, Edition /*edition*/) {
    const SkillCatalogue& catalogue = BenchCatalogue();
    const CharacterSheet sheet;  // the default character
    for (auto _ : bench) {
        BuildFigures figures = ComputeFigures(sheet, catalogue);
        benchmark::DoNotOptimize(figures);
    }
}
BENCHMARK_CAPTURE(BM_ComputeFigures, full, Edition::Full);
BENCHMARK_CAPTURE(BM_ComputeFigures, lite, Edition::Lite);

// A whole calculation with its report.
void BM_Calculate(benchmark::State& bench, Edition edition) {
    const SkillCatalogue& catalogue = BenchCatalogue();
    const CharacterSheet sheet;
    for (auto _ : bench) {
        CalculationReport report = Calculate(sheet, catalogue, edition);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK_CAPTURE(BM_Calculate, full, Edition::Full);
BENCHMARK_CAPTURE(BM_Calculate, lite, Edition::Lite);

// "계산" on the form: reading the controls, calculating, writing the boxes.
void BM_RunCalculationOnTheForm(benchmark::State& bench) {
    FormState form(BenchCatalogue());
    FillStartUpLists(form);
    FillSkillSlots(form);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(RunCalculation(form, Edition::Full));
    }
}
BENCHMARK(BM_RunCalculationOnTheForm);

}  // namespace
}  // namespace brakefell
