#include "engine/kill_time.h"

namespace brakefell {

double SentryCooldown(const CharacterSheet& sheet) {
    return 6 - sheet.txtDecreaseTime / 100 * 6;
}

KillTimeFigures EstimateKillTimes(double s, double p, double d, double cooldown) {
    KillTimeFigures times;
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
    // A sentry that would only make the kill slower comes after the target is dead.
    times.sentriesInTime = 1;
    while (times.sentriesInTime < kMostSentriesPlaced &&
           !(times.seconds[times.sentriesInTime] > times.seconds[times.sentriesInTime - 1])) {
        ++times.sentriesInTime;
    }
    return times;
}

}  // namespace brakefell
