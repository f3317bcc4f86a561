#include "engine/per_second.h"

namespace brakefell {

bool IsSentryFiredSkill(int skill) {
    switch (skill) {
        case kSkillFanOfKnives:
        case kSkillSpinningStar:
        case kSkillElementalArrow:
        case kSkillSentry:
        case kSkillMultishot:
        case kSkillClusterArrow:
            return true;
        default:
            return false;
    }
}

PerSecondFigures SumPerSecond(const EngineState& state, const ShownBlocks& shown,
                              const Rotation& rotation, const DamageOverTime& dot,
                              const CharacterSheet& sheet) {
    PerSecondFigures figures;
    const double cycle = rotation.CycleLength;
    for (int k = 0; k < shown.count; ++k) {
        const int skill = state.ShownSkill[k];
        if (!IsSentryFiredSkill(skill)) {
            continue;
        }
        const RuneHitRecord& r = state.hitTable[skill].Runes[state.ShownRune[k]];
        figures.BlockElitePerSecond[k] = (r.ExtraEliteExpected * r.ExtraUsesPerCycle +
                                          r.MainEliteExpected * r.MainUsesPerCycle) /
                                         cycle;
        figures.SentryNormalPerSecond += (r.ExtraNormalExpected * r.ExtraUsesPerCycle +
                                          r.MainNormalExpected * r.MainUsesPerCycle) /
                                         cycle;
        figures.SentryElitePerSecond += figures.BlockElitePerSecond[k];
    }
    if (shown.HasCompanionSlot) {
        for (const RuneHitRecord& companion : state.hitTable[kSkillCompanion].Runes) {
            figures.CompanionElitePerSecond +=
                companion.MainEliteExpected * companion.MainUsesPerCycle / cycle;
        }
    }
    figures.SentryCount = sheet.chkPassiveRenovate == 1 ? 5 : 4;
    // The bleed gem counts towards the build's total, the poison gem does not.
    figures.TotalElitePerSecond = dot.BleedElitePerSecond +
                                  figures.SentryCount * figures.SentryElitePerSecond +
                                  figures.CompanionElitePerSecond;
    return figures;
}

void WritePerSecondLines(ReportWriter& out, const PerSecondFigures& figures,
                         bool hasCompanionSlot) {
    constexpr std::int16_t kSentryLineWidth = 11;
    out.text(u"- 쇠뇌1/s 기대값(일반): ")
        .amount(figures.SentryNormalPerSecond, kSentryLineWidth)
        .lineEnd();
    out.text(u"- 쇠뇌1/s 기대값(정예): ")
        .amount(figures.SentryElitePerSecond, kSentryLineWidth)
        .lineEnd();
    if (hasCompanionSlot) {
        out.text(u"동료의 1초당 피해량 기대값(정예): ")
            .amount(figures.CompanionElitePerSecond)
            .lineEnd();
    }
    out.lineEnd()
        .text(u"1초당 총 피해량 기대값(정예): ")
        .amount(figures.TotalElitePerSecond)
        .lineEnd();
}

}  // namespace brakefell
