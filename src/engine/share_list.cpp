#include "engine/share_list.h"

#include "text/number_format.h"
#include "text/numbers.h"

namespace brakefell {
namespace {

constexpr std::int16_t kLabelWidth = 28;
constexpr std::int16_t kShareWidth = 6;
constexpr int kSentryShotRune = 1;  // its label names the sentry's own shots as well

void WriteShareLine(ReportWriter& out, const QString& label, double amount, double total) {
    out.padded(label, kLabelWidth, kAlignLeft);
    if (total == 0) {
        out.padded(QStringLiteral("-"), kShareWidth, kAlignRight);
    } else {
        const double share = amount / total;
        if (out.guard().admit(share)) {
            out.padded(FormatNumber(share, u"0.0%"), kShareWidth, kAlignRight);
        }
    }
    out.text(u" (").amount(amount).text(u")").lineEnd();
}

QString UsesText(double uses) {
    return GeneralNumberText(uses);
}

}  // namespace

void WriteShareBlock(ReportWriter& out, const EngineState& state, const ShownBlocks& shown,
                     const Rotation& rotation, const PerSecondFigures& figures,
                     const DamageOverTime& dot) {
    const double total = figures.TotalElitePerSecond;
    out.lineEnd()
        .text(u"-각 스킬의 비중(정예몹 기준, ")
        .count(figures.SentryCount)
        .text(u"쇠뇌, 사이클:")
        .number(rotation.CycleLength, u"0.0")
        .text(u"초)-")
        .lineEnd();

    for (int k = 0; k < shown.count; ++k) {
        const int skill = state.ShownSkill[k];
        if (!IsSentryFiredSkill(skill)) {
            continue;
        }
        const int rune = state.ShownRune[k];
        const RuneHitRecord& record = state.hitTable[skill].Runes[rune];
        if (!out.guard().admit(record.MainUsesPerCycle) ||
            !out.guard().admit(rotation.SentryShotsPerCycle)) {
            continue;
        }
        QString label = state.hitTable[skill].Name;
        label.append(u'(').append(UsesText(record.MainUsesPerCycle));
        if (skill == kSkillSentry && rune == kSentryShotRune) {
            label.append(u"회,").append(UsesText(rotation.SentryShotsPerCycle));
        }
        label.append(u"회/사이클):");
        WriteShareLine(out, label, figures.SentryCount * figures.BlockElitePerSecond[k], total);
    }
    if (shown.HasCompanionSlot) {
        QString label = state.hitTable[kSkillCompanion].Name;
        WriteShareLine(out, label.append(u"(모든 동료들의 합산):"), figures.CompanionElitePerSecond,
                       total);
    }
    if (dot.bleedShown) {
        WriteShareLine(out, QStringLiteral("증통제:"), dot.BleedElitePerSecond, total);
    }
    if (dot.poisonShown) {
        WriteShareLine(out, QStringLiteral("잘 듣는 독:"), dot.PoisonElitePerSecond, total);
    }
}

}  // namespace brakefell
