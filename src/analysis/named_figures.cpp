#include "analysis/named_figures.h"

#include "analysis/metric.h"

namespace brakefell {

std::vector<NamedFigure> MainFigures(const BuildFigures& f) {
    const bool reckoned = f.refusal == Refusal::None;
    const bool sentries = reckoned && f.multipliers.SentryFiredMode;
    const bool perSecond = sentries && f.rotation.defined;
    const auto when = [](bool there, double value) {
        return there ? std::optional<double>(value) : std::nullopt;
    };
    const PerSecondFigures& p = f.perSecond;
    const DamageOverTimeFigures& dot = f.damageOverTime;
    std::vector<NamedFigure> figures = {
        {QStringLiteral("dps"), QStringLiteral("1초당 총 피해량 기대값(정예)"),
         when(perSecond, p.TotalElitePerSecond)},
        {QStringLiteral("sentry_normal_per_second"), QStringLiteral("쇠뇌1/s 기대값(일반)"),
         when(perSecond, p.SentryNormalPerSecond)},
        {QStringLiteral("sentry_elite_per_second"), QStringLiteral("쇠뇌1/s 기대값(정예)"),
         when(perSecond, p.SentryElitePerSecond)},
        {QStringLiteral("companion_elite_per_second"),
         QStringLiteral("동료의 1초당 피해량 기대값(정예)"),
         when(perSecond && f.HasCompanionSlot, p.CompanionElitePerSecond)},
        {QStringLiteral("bleed_gem_elite_per_second"),
         QStringLiteral("증통제 피해량(정예몹, 초당)"),
         when(sentries && dot.bleedShown, dot.BleedElitePerSecond)},
        {QStringLiteral("poison_gem_elite_per_second"),
         QStringLiteral("잘 듣는 독 피해량(정예몹, 초당)"),
         when(sentries && dot.poisonShown, dot.PoisonElitePerSecond)},
    };
    for (int sentriesPlaced = 1; sentriesPlaced <= 4; ++sentriesPlaced) {
        const Metric metric{MetricKind::KillTime, sentriesPlaced};
        figures.push_back({QStringLiteral("kill_time_%1").arg(sentriesPlaced),
                           MetricCaption(metric), MetricValue(metric, f), -1});
    }
    figures.push_back({QStringLiteral("sentry_attack_speed"), QStringLiteral("쇠뇌 공속"),
                       when(sentries, f.speed.SentryAttackSpeed)});
    figures.push_back({QStringLiteral("player_attack_speed"), QStringLiteral("캐릭터 공속"),
                       when(reckoned, f.multipliers.PlayerAttackSpeed)});
    figures.push_back({QStringLiteral("cycle_length"), QStringLiteral("사이클(초)"),
                       when(perSecond, f.rotation.CycleLength), 0});
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const Metric metric{MetricKind::SlotHit, slot};
        figures.push_back(
            {QStringLiteral("hit_%1").arg(slot), MetricCaption(metric), MetricValue(metric, f)});
    }
    return figures;
}

}  // namespace brakefell
