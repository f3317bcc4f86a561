#include "analysis/named_figures.h"

#include "analysis/metric.h"
#include "text/strings.h"

namespace brakefell {

std::vector<NamedFigure> MainFigures(const BuildFigures& f) {
    const bool reckoned = f.refusal == Refusal::None;
    const bool sentries = reckoned && f.multipliers.sentryFiredMode;
    const bool perSecond = sentries && f.rotation.defined;
    const auto when = [](bool there, double value) {
        return there ? std::optional<double>(value) : std::nullopt;
    };
    const PerSecondFigures& p = f.perSecond;
    const DamageOverTimeFigures& dot = f.damageOverTime;
    std::vector<NamedFigure> figures = {
        {u"dps", u"1초당 총 피해량 기대값(정예)", when(perSecond, p.totalElitePerSecond)},
        {u"sentry_normal_per_second", u"쇠뇌1/s 기대값(일반)",
         when(perSecond, p.sentryNormalPerSecond)},
        {u"sentry_elite_per_second", u"쇠뇌1/s 기대값(정예)",
         when(perSecond, p.sentryElitePerSecond)},
        {u"companion_elite_per_second", u"동료의 1초당 피해량 기대값(정예)",
         when(perSecond && f.hasCompanionSlot, p.companionElitePerSecond)},
        {u"bleed_gem_elite_per_second", u"증통제 피해량(정예몹, 초당)",
         when(sentries && dot.bleedShown, dot.bleedElitePerSecond)},
        {u"poison_gem_elite_per_second", u"잘 듣는 독 피해량(정예몹, 초당)",
         when(sentries && dot.poisonShown, dot.poisonElitePerSecond)},
    };
    for (int sentriesPlaced = 1; sentriesPlaced <= kMostSentriesPlaced; ++sentriesPlaced) {
        const Metric metric{MetricKind::KillTime, sentriesPlaced};
        figures.push_back({u"kill_time_" + IntegerText(sentriesPlaced), MetricCaption(metric),
                           MetricValue(metric, f), -1});
    }
    figures.push_back(
        {u"sentry_attack_speed", u"쇠뇌 공속", when(sentries, f.speed.sentryAttackSpeed)});
    figures.push_back(
        {u"player_attack_speed", u"캐릭터 공속", when(reckoned, f.multipliers.playerAttackSpeed)});
    figures.push_back({u"cycle_length", u"사이클(초)", when(perSecond, f.rotation.cycleLength), 0});
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const Metric metric{MetricKind::SlotHit, slot};
        figures.push_back(
            {u"hit_" + IntegerText(slot), MetricCaption(metric), MetricValue(metric, f)});
    }
    return figures;
}

}  // namespace brakefell
