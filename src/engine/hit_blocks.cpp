#include "engine/hit_blocks.h"

#include <array>

namespace brakefell {
namespace {

// The figures of one hit line: lowest roll, highest roll and average, of the main hit and of
// the extra hit.
struct HitLine {
    double min;
    double max;
    double avg;
    double extraMin = 0;
    double extraMax = 0;
    double extraAvg = 0;
};

HitLine Scaled(HitLine line, double q) {
    return {q * line.min,      q * line.max,      q * line.avg,
            q * line.extraMin, q * line.extraMax, q * line.extraAvg};
}

// The full edition prints "min - max [avg]", the lite edition "[avg]" (its label opens the
// bracket). A multi-hit line follows each main amount with its extra amount as "(+extra)".
void WriteHitLine(ReportWriter& out, const ReportTexts& texts, QStringView label,
                  const HitLine& line, bool withExtra) {
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

void WriteHitBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                   QStringView runeName, const RuneHitRecord& r, double q, bool multiHit) {
    out.text(u"< ").text(skillName).text(u"(").text(runeName);
    out.text(multiHit ? QStringView(u", 멀티히트) >") : QStringView(u") >")).lineEnd();

    const HitLine normal{r.MainNormalMin,  r.MainNormalMax,  r.MainNormalAvg,
                         r.ExtraNormalMin, r.ExtraNormalMax, r.ExtraNormalAvg};
    const HitLine elite{r.MainEliteMin,  r.MainEliteMax,  r.MainEliteAvg,
                        r.ExtraEliteMin, r.ExtraEliteMax, r.ExtraEliteAvg};
    auto expectedLine = [&](double main, double extra) {
        out.text(u"=>> 기대값: ");
        if (multiHit) {
            out.amount(main + extra).text(u"(").amount(main).text(u" +").amount(extra).text(u")");
        } else {
            out.amount(main);
        }
    };

    out.text(u"- 일반 -").lineEnd();
    WriteHitLine(out, texts, texts.baseHitLabel, normal, multiHit);
    out.lineEnd();
    WriteHitLine(out, texts, texts.critHitLabel, Scaled(normal, q), multiHit);
    out.lineEnd();
    expectedLine(r.MainNormalExpected, r.ExtraNormalExpected);
    out.lineEnd().text(u"- 정예 -").lineEnd();
    WriteHitLine(out, texts, texts.baseHitLabel, elite, multiHit);
    out.lineEnd();
    WriteHitLine(out, texts, texts.critHitLabel, Scaled(elite, q), multiHit);
    out.lineEnd();
    expectedLine(r.MainEliteExpected, r.ExtraEliteExpected);
}

// The companion that fights in a pair (rune 4) is shown as one of the two, marked "×2".
constexpr int kPairedCompanion = 4;

void WriteCompanionLine(ReportWriter& out, const ReportTexts& texts, QStringView label,
                        const std::array<double, kRuneCount>& each, double sum, double q) {
    out.text(label);
    if (texts.companionLinesShowEach) {
        for (int j = 0; j < kRuneCount; ++j) {
            if (j == kPairedCompanion) {
                out.amount(q * (each[j] / 2)).text(u"×2, ");
            } else {
                out.amount(q * each[j])
                    .text(j + 1 < kRuneCount ? QStringView(u", ") : QStringView(u" ["));
            }
        }
    }
    out.amount(q * sum).text(u"]");
}

}  // namespace

void WriteSingleHitBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                         QStringView runeName, const RuneHitRecord& rune, double q) {
    WriteHitBlock(out, texts, skillName, runeName, rune, q, false);
}

void WriteMultiHitBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                        QStringView runeName, const RuneHitRecord& rune, double q) {
    WriteHitBlock(out, texts, skillName, runeName, rune, q, true);
}

void WriteCompanionBlock(ReportWriter& out, const ReportTexts& texts, QStringView skillName,
                         const SkillHitEntry& companions, double q) {
    std::array<double, kRuneCount> normalAvg{};
    std::array<double, kRuneCount> eliteAvg{};
    double avgSum = 0;
    double expectedSum = 0;
    double eliteAvgSum = 0;
    double eliteExpectedSum = 0;
    for (int j = 0; j < kRuneCount; ++j) {
        const RuneHitRecord& companion = companions.Runes[j];
        normalAvg[j] = companion.MainNormalAvg;
        eliteAvg[j] = companion.MainEliteAvg;
        avgSum += companion.MainNormalAvg;
        expectedSum += companion.MainNormalExpected;
        eliteAvgSum += companion.MainEliteAvg;
        eliteExpectedSum += companion.MainEliteExpected;
    }

    out.text(u"< ").text(skillName).text(texts.companionHeading).lineEnd();
    out.text(u"- 일반 -").lineEnd();
    WriteCompanionLine(out, texts, texts.companionBaseLabel, normalAvg, avgSum, 1);
    out.lineEnd();
    WriteCompanionLine(out, texts, texts.companionCritLabel, normalAvg, avgSum, q);
    out.lineEnd().text(u"=>> 기대값 합계: ").amount(expectedSum).lineEnd();
    out.text(u"- 정예 -").lineEnd();
    WriteCompanionLine(out, texts, texts.companionBaseLabel, eliteAvg, eliteAvgSum, 1);
    out.lineEnd();
    WriteCompanionLine(out, texts, texts.companionCritLabel, eliteAvg, eliteAvgSum, q);
    out.lineEnd().text(u"=>> 기대값 합계: ").amount(eliteExpectedSum);
}

}  // namespace brakefell
