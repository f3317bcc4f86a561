#include "engine/calculation.h"

#include "editions/report_texts.h"
#include "engine/character_multipliers.h"
#include "engine/hit_table.h"
#include "engine/input_checks.h"
#include "engine/report_writer.h"
#include "engine/sentry_brackets.h"
#include "engine/sentry_report.h"
#include "engine/slot_blocks.h"

namespace brakefell {
namespace {

constexpr qsizetype kTraceCapacity = 8192;

// A refused calculation shows nothing: every box hidden and empty, the cycle box emptied too.
CalculationReport Refused() {
    CalculationReport report;
    report.txtBowCycleResult = QString();
    report.refusal = QString::fromUtf8(kCalculationRefused);
    return report;
}

}  // namespace

CalculationReport Calculate(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition, EngineState& state) {
    if (!InputsCalculable(sheet, catalogue)) {
        return Refused();
    }
    const CharacterMultipliers m = DeriveCharacterMultipliers(sheet);
    // No bracket describes a sentry slower than the slowest one; the fastest bracket's rotation
    // would be a plainly wrong answer.
    if (m.SentryFiredMode && BelowSentryBrackets(m.SentryAttackSpeed)) {
        return Refused();
    }

    // A refused calculation shows no blocks, so the shown lists go back to what they were. The
    // hit table keeps finite figures only (see FillSkillHitTable); it is rewritten by every
    // calculation anyway.
    const std::vector<std::int16_t> shownSkill = state.ShownSkill;
    const std::vector<std::int16_t> shownRune = state.ShownRune;
    CalculationReport report;
    FigureGuard guard;
    ReportWriter trace(guard, kTraceCapacity);
    FillSkillHitTable(catalogue, m, state.hitTable, trace);
    report.Text1 = trace.take();

    const ShownBlocks shown = WriteSlotBlocks(sheet, catalogue, m, ReportTextsOf(edition),
                                              report.txtResult, state, guard);
    if (m.SentryFiredMode) {
        WriteSentryReport(sheet, m, edition, shown, state, report, guard);
    }

    if (!guard.allFinite()) {
        state.ShownSkill = shownSkill;
        state.ShownRune = shownRune;
        return Refused();
    }
    return report;
}

void SetSkillUsesPerCycle(SkillHitTable& table, int skill, double value) {
    if (skill < 0 || skill >= kSkillCount) {
        return;  // not a catalogue skill
    }
    for (RuneHitRecord& rune : table[skill].Runes) {
        rune.MainUsesPerCycle = value;
        rune.ExtraUsesPerCycle = value;
    }
}

}  // namespace brakefell
