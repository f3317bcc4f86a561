#include "engine/report/sentry_texts.h"

#include "editions/report_texts.h"
#include "engine/sentry_brackets.h"
#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {
namespace {

constexpr std::int16_t kSentryLineWidth = 11;
constexpr std::int16_t kShareLabelWidth = 28;
constexpr std::int16_t kShareWidth = 6;

void WriteGemBlock(ReportWriter& out, std::u16string_view heading, double normal, double elite) {
    out.text(heading).lineEnd();
    out.text(u"=>일반몹(초당): ").amount(normal).lineEnd();
    out.text(u"=>정예몹(초당): ").amount(elite);
}

// The per-sentry, companion and total lines, each ending in CR LF (the total after an empty line).
void WritePerSecondLines(ReportWriter& out, const PerSecondFigures& figures,
                         bool hasCompanionSlot) {
    out.text(u"- 쇠뇌1/s 기대값(일반): ")
        .amount(figures.sentryNormalPerSecond, kSentryLineWidth)
        .lineEnd();
    out.text(u"- 쇠뇌1/s 기대값(정예): ")
        .amount(figures.sentryElitePerSecond, kSentryLineWidth)
        .lineEnd();
    if (hasCompanionSlot) {
        out.text(u"동료의 1초당 피해량 기대값(정예): ")
            .amount(figures.companionElitePerSecond)
            .lineEnd();
    }
    out.lineEnd()
        .text(u"1초당 총 피해량 기대값(정예): ")
        .amount(figures.totalElitePerSecond)
        .lineEnd();
}

std::u16string ShareLabel(const BuildFigures& f, const ShareFigures& share) {
    switch (share.source) {
        case ShareSource::Block: {
            const BlockFigures& block = f.blocks[share.block];
            std::u16string label(f.hitTable[block.skill].name);
            label.append(u"(").append(GeneralNumberText(share.usesPerCycle));
            if (share.withShots) {
                label.append(u"회,").append(GeneralNumberText(f.rotation.sentryShotsPerCycle));
            }
            return label.append(u"회/사이클):");
        }
        case ShareSource::Companions:
            return std::u16string(f.hitTable[kSkillCompanion].name)
                .append(u"(모든 동료들의 합산):");
        case ShareSource::BleedGem:
            return u"증통제:";
        case ShareSource::PoisonGem:
            return u"잘 듣는 독:";
    }
    return {};
}

// An empty line, the heading and one line per share, each ending in CR LF. Shares of a build
// without damage per second show "-".
void WriteShareBlock(ReportWriter& out, const BuildFigures& f) {
    out.lineEnd()
        .text(u"-각 스킬의 비중(정예몹 기준, ")
        .count(f.perSecond.sentryCount)
        .text(u"쇠뇌, 사이클:")
        .number(f.rotation.cycleLength, u"0.0")
        .text(u"초)-")
        .lineEnd();
    for (int i = 0; i < f.shareCount; ++i) {
        const ShareFigures& share = f.shares[i];
        out.padded(ShareLabel(f, share), kShareLabelWidth, kAlignLeft);
        out.padded(share.shareDefined ? FormatNumber(share.share, u"0.0%") : u"-", kShareWidth,
                   kAlignRight);
        out.text(u" (").amount(share.amount).text(u")").lineEnd();
    }
}

}  // namespace

void WriteBracketHeader(ReportWriter& out, const SentrySpeedFigures& speed) {
    out.text(u"공속")
        .number(speed.sentryAttackSpeed, u"#.0000")
        .text(kSentryBrackets[speed.bracketRow].bracketLabel);
}

void WriteBreakpointBlock(ReportWriter& out, const SentrySpeedFigures& speed, Edition edition) {
    const std::int16_t width = ReportTextsOf(edition).breakpointColumnWidth;
    out.text(u"-자동쇠뇌 공속 계산-").lineEnd();
    for (int i = 0; i < kBreakpointCount; ++i) {
        out.text(BreakpointLabel(edition, i, speed.voodooBuff));
        if (!speed.needsDefined) {
            out.padded(u"-", width, kAlignRight).padded(u"-", width, kAlignRight).lineEnd();
            continue;
        }
        const BreakpointFigures& need = speed.breakpoints[i];
        std::u16string neededText = FormatNumber(need.needed, u"0.00");
        neededText.append(u"% ");
        std::u16string missingText(u"(");
        missingText.append(FormatNumber(need.missing, u"#.00")).append(u"%)");
        out.padded(neededText, width, kAlignRight)
            .padded(missingText, width, kAlignRight)
            .lineEnd();
    }
}

void WriteBleedGemBlock(ReportWriter& out, const DamageOverTimeFigures& dot) {
    WriteGemBlock(out, u"- 증통제 피해량 -", dot.bleedGemPerSecond, dot.bleedElitePerSecond);
}

void WritePoisonGemBlock(ReportWriter& out, const DamageOverTimeFigures& dot) {
    WriteGemBlock(out, u"- 잘 듣는 독의 보석 피해량 -", dot.poisonGemPerSecond,
                  dot.poisonElitePerSecond);
}

void WriteKillTimeLines(ReportWriter& out, const KillTimeFigures& times) {
    static constexpr std::u16string_view kLabels[] = {u"1쇠뇌: ", u", 2쇠뇌: ", u", 3쇠뇌: ",
                                                      u", 4쇠뇌: "};
    out.lineEnd().text(u"- 그홈대상 딜 계산(쇠뇌+동료, 본체딜 없음) - ").lineEnd();
    for (int k = 0; k < 4; ++k) {
        out.text(kLabels[k]);
        if (!times.defined) {
            out.text(u"계산 불가");
        } else if (k < times.sentriesInTime) {
            out.number(times.seconds[k], u"0.00초");
        } else if (k == times.sentriesInTime) {
            out.text(u"이전에 끝");
        }
    }
}

void WriteCycleReport(ReportWriter& out, const BuildFigures& f) {
    WriteBracketHeader(out, f.speed);
    out.lineEnd();
    if (!f.rotation.defined) {
        out.text(kNoRotationNotice);
        return;
    }
    WritePerSecondLines(out, f.perSecond, f.hasCompanionSlot);
    WriteShareBlock(out, f);
    WriteKillTimeLines(out, f.killTimes);
}

}  // namespace brakefell
