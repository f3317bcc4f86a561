#include "engine/report/hit_blocks.h"

namespace brakefell {
namespace {

// The full edition prints "min - max [avg]", the lite edition "[avg]" (its label opens the
// bracket). A multi-hit line follows each main amount with its extra amount as "(+extra)".
void WriteHitLine(ReportWriter& out, const ReportTexts& texts, std::u16string_view label,
                  const HitLineFigures& line, bool withExtra) {
    auto figure = [&](double main, double extra) {
        out.amount(main);
        if (withExtra) {
            out.text(u"(+").amount(extra).text(u")");
        }
    };
    out.text(label);
    if (texts.hitLinesShowRange) {
        figure(line.min, line.extraMin);
        out.text(u" - ");
        figure(line.max, line.extraMax);
        out.text(u" [");
    }
    figure(line.avg, line.extraAvg);
    out.text(u"]");
}

void WriteExpectedLine(ReportWriter& out, const ExpectedFigures& expected, bool multiHit) {
    out.text(u"=>> 기대값: ");
    if (multiHit) {
        out.amount(expected.total)
            .text(u"(")
            .amount(expected.main)
            .text(u" +")
            .amount(expected.extra)
            .text(u")");
    } else {
        out.amount(expected.main);
    }
}

void WriteHitBlock(ReportWriter& out, const ReportTexts& texts, const BlockFigures& block,
                   std::u16string_view skillName, std::u16string_view runeName) {
    const bool multiHit = block.kind == BlockKind::MultiHit;
    out.text(u"< ").text(skillName).text(u"(").text(runeName);
    out.text(multiHit ? u", 멀티히트) >" : u") >").lineEnd();
    for (const MonsterFigures* monster : {&block.normal, &block.elite}) {
        out.text(monster == &block.normal ? u"- 일반 -" : u"- 정예 -").lineEnd();
        WriteHitLine(out, texts, texts.baseHitLabel, monster->base, multiHit);
        out.lineEnd();
        WriteHitLine(out, texts, texts.critHitLabel, monster->critical, multiHit);
        out.lineEnd();
        WriteExpectedLine(out, monster->expected, multiHit);
        if (monster == &block.normal) {
            out.lineEnd();
        }
    }
}

// The companion that fights in a pair is shown as one of the two, marked "×2".
void WriteCompanionLine(ReportWriter& out, const ReportTexts& texts, std::u16string_view label,
                        const CompanionLineFigures& line) {
    out.text(label);
    if (texts.companionLinesShowEach) {
        for (int j = 0; j < kRuneCount; ++j) {
            if (j == kCompanionPairRune) {
                out.amount(line.each[j] / 2).text(u"×2, ");
            } else {
                out.amount(line.each[j]).text(j + 1 < kRuneCount ? u", " : u" [");
            }
        }
    }
    out.amount(line.sum).text(u"]");
}

void WriteCompanionBlock(ReportWriter& out, const ReportTexts& texts, const BlockFigures& block,
                         std::u16string_view skillName) {
    out.text(u"< ").text(skillName).text(texts.companionHeading).lineEnd();
    for (const CompanionMonsterFigures* monster : {&block.companionNormal, &block.companionElite}) {
        const bool normal = monster == &block.companionNormal;
        out.text(normal ? u"- 일반 -" : u"- 정예 -").lineEnd();
        WriteCompanionLine(out, texts, texts.companionBaseLabel, monster->base);
        out.lineEnd();
        WriteCompanionLine(out, texts, texts.companionCritLabel, monster->critical);
        out.lineEnd().text(u"=>> 기대값 합계: ").amount(monster->expectedSum);
        if (normal) {
            out.lineEnd();
        }
    }
}

}  // namespace

void WriteBlock(ReportWriter& out, const ReportTexts& texts, const BlockFigures& block,
                std::u16string_view skillName, std::u16string_view runeName) {
    if (block.kind == BlockKind::Companions) {
        WriteCompanionBlock(out, texts, block, skillName);
    } else {
        WriteHitBlock(out, texts, block, skillName, runeName);
    }
}

}  // namespace brakefell
