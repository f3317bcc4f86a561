#include "engine/calculation.h"

#include <cmath>

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

bool RecordFinite(const RuneHitRecord& r) {
    for (const double value :
         {r.MainNormalMin, r.MainNormalMax, r.MainNormalAvg, r.MainNormalExpected, r.MainEliteMin,
          r.MainEliteMax, r.MainEliteAvg, r.MainEliteExpected, r.MainUsesPerCycle, r.ExtraNormalMin,
          r.ExtraNormalMax, r.ExtraNormalAvg, r.ExtraNormalExpected, r.ExtraEliteMin,
          r.ExtraEliteMax, r.ExtraEliteAvg, r.ExtraEliteExpected, r.ExtraUsesPerCycle}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

bool TableFinite(const SkillHitTable& table) {
    for (const SkillHitEntry& skill : table) {
        for (const RuneHitRecord& rune : skill.Runes) {
            if (!RecordFinite(rune)) {
                return false;
            }
        }
    }
    return true;
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

    // Work on a copy so that a refused calculation leaves the tables as they were.
    EngineState work = state;
    CalculationReport report;
    FigureGuard guard;
    ReportWriter trace(guard, kTraceCapacity);
    FillSkillHitTable(catalogue, m, work.hitTable, trace);
    report.Text1 = trace.take();

    const ShownBlocks shown =
        WriteSlotBlocks(sheet, catalogue, m, ReportTextsOf(edition), report.txtResult, work, guard);
    if (m.SentryFiredMode) {
        WriteSentryReport(sheet, m, edition, shown, work, report, guard);
    }

    if (!guard.allFinite() || !TableFinite(work.hitTable)) {
        return Refused();
    }
    state = std::move(work);
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
