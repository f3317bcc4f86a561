#include "engine/report/write_report.h"

#include "editions/report_texts.h"
#include "engine/report/hit_blocks.h"
#include "engine/report/sentry_texts.h"
#include "engine/report/trace.h"

namespace brakefell {
namespace {

constexpr std::size_t kTraceCapacity = 8192;
constexpr std::size_t kBlockCapacity = 1024;  // characters of one block, with room to spare
constexpr std::size_t kCycleReportCapacity = 1024;

CalculationReport Refused(Refusal why) {
    CalculationReport report;
    report.totals = std::u16string();
    report.refusal = why;
    return report;
}

void WriteSentryBoxes(const BuildFigures& f, Edition edition, CalculationReport& report) {
    ResultBoxText& breakpoints = report.resultBoxes[kBreakpointBox];
    breakpoints.visible = true;
    ReportWriter breakpointText;
    WriteBreakpointBlock(breakpointText, f.speed, edition);
    breakpoints.text = breakpointText.take();

    const DamageOverTimeFigures& dot = f.damageOverTime;
    if (dot.bleedShown) {
        ReportWriter out;
        WriteBleedGemBlock(out, dot);
        report.resultBoxes[kBleedGemBox] = {true, out.take()};
    }
    if (dot.poisonShown) {
        ReportWriter out;
        WritePoisonGemBlock(out, dot);
        report.resultBoxes[kPoisonGemBox] = {true, out.take()};
    }
    report.moreDamageVisible = dot.bleedShown || dot.poisonShown;

    ReportWriter cycle(kCycleReportCapacity);
    WriteCycleReport(cycle, f);
    report.totals = cycle.take();
}

}  // namespace

CalculationReport WriteReport(const BuildFigures& f, const SkillCatalogue& catalogue,
                              Edition edition) {
    if (f.refusal != Refusal::None) {
        return Refused(f.refusal);
    }
    CalculationReport report;
    ReportWriter trace(kTraceCapacity);
    WriteTrace(trace, f.hitTable, catalogue);
    report.trace = trace.take();

    const ReportTexts& texts = ReportTextsOf(edition);
    for (int k = 0; k < f.blockCount; ++k) {
        const BlockFigures& block = f.blocks[k];
        ReportWriter out(kBlockCapacity);
        WriteBlock(out, texts, block, f.hitTable[block.skill].name,
                   f.hitTable[block.skill].runes[block.rune].name);
        report.resultBoxes[k] = {true, out.take()};
    }
    if (f.multipliers.sentryFiredMode) {
        WriteSentryBoxes(f, edition, report);
    }
    return report;
}

}  // namespace brakefell
