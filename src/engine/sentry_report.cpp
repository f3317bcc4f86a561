#include "engine/sentry_report.h"

#include "engine/damage_over_time.h"
#include "engine/kill_time.h"
#include "engine/per_second.h"
#include "engine/rotation.h"
#include "engine/sentry_brackets.h"
#include "engine/sentry_breakpoints.h"
#include "engine/share_list.h"

namespace brakefell {
namespace {
constexpr int kBreakpointBox = 6;
constexpr qsizetype kCycleReportCapacity = 1024;
}  // namespace

void WriteSentryReport(const CharacterSheet& sheet, const CharacterMultipliers& m, Edition edition,
                       const ShownBlocks& shown, EngineState& state, CalculationReport& report,
                       FigureGuard& guard) {
    ResultBoxText& breakpoints = report.txtResult[kBreakpointBox];
    breakpoints.visible = true;
    ReportWriter breakpointText(guard);
    WriteBreakpointBlock(breakpointText, sheet, edition);
    breakpoints.text = breakpointText.take();

    // The rotation and its sums come before the damage over time, which the totals include.
    const Rotation rotation = ApplyRotation(state.hitTable, m, sheet);
    const DamageOverTime dot = ComputeDamageOverTime(sheet, m);
    report.fraMoreDamageVisible = WriteDamageOverTimeBlocks(dot, report.txtResult, guard);

    ReportWriter out(guard, kCycleReportCapacity);
    WriteBracketHeader(out, m.SentryAttackSpeed);
    out.lineEnd();
    if (!rotation.defined) {
        out.text(kNoRotationNotice);
    } else {
        const PerSecondFigures figures = SumPerSecond(state, shown, rotation, dot, sheet);
        WritePerSecondLines(out, figures, shown.HasCompanionSlot);
        WriteShareBlock(out, state, shown, rotation, figures, dot);
        WriteKillTimeLines(
            out, EstimateKillTimes(figures.SentryElitePerSecond, figures.CompanionElitePerSecond,
                                   dot.DotElitePerSecond, SentryCooldown(sheet)));
    }
    report.txtBowCycleResult = out.take();
}

}  // namespace brakefell
