#include "engine/kill_time.h"

namespace brakefell {

double SentryCooldown(const CharacterSheet& sheet) {
    return 6 - sheet.txtDecreaseTime / 100 * 6;
}

KillTimes EstimateKillTimes(double s, double p, double d, double cooldown) {
    KillTimes times;
    // The k-th sentry joins at (k - 1) cooldowns: with k sentries the target dies at t where
    // (P + D + k S) t - S cooldown (0 + 1 + ... + (k - 1)) equals its health.
    if (p + s + d == 0) {
        return times;
    }
    times.defined = true;
    times.seconds[0] = kTargetHealth / (p + s + d);
    times.seconds[1] = (s * cooldown + kTargetHealth) / (2 * s + p + d);
    times.seconds[2] = (3 * cooldown * s + kTargetHealth) / (3 * s + p + d);
    times.seconds[3] = (6 * cooldown * s + kTargetHealth) / (4 * s + p + d);
    return times;
}

void WriteKillTimeLines(ReportWriter& out, const KillTimes& times) {
    static constexpr QStringView kLabels[] = {u"1쇠뇌: ", u", 2쇠뇌: ", u", 3쇠뇌: ", u", 4쇠뇌: "};
    out.lineEnd().text(u"- 그홈대상 딜 계산(쇠뇌+동료, 본체딜 없음) - ").lineEnd();
    bool finished = false;  // the target died before the next sentry could be placed
    for (int k = 0; k < 4; ++k) {
        out.text(kLabels[k]);
        if (!times.defined) {
            out.text(u"계산 불가");
        } else if (!finished) {
            if (k > 0 && times.seconds[k] > times.seconds[k - 1]) {
                out.text(u"이전에 끝");
                finished = true;
            } else {
                out.number(times.seconds[k], u"0.00초");
            }
        }
    }
}

}  // namespace brakefell
