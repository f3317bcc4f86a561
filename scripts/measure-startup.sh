#!/usr/bin/env bash
# Wall time of whole processes, measured side by side in one run (interleaved, so that the
# machine's load falls on both alike): brakefell_report --json on the default character against a
# bare QtCore program that only starts and prints. Prints the medians and their ratio.
#   scripts/measure-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-200}
bin=${BRAKEFELL_BIN:-build/default/bin}
[ -x "$bin/brakefell_report" ] && [ -x "$bin/bare_core_program" ] || bash scripts/build.sh default

python3 - "$bin" "$runs" <<'PY'
import statistics, subprocess, sys, time
bin_dir, runs = sys.argv[1], int(sys.argv[2])
commands = {
    "brakefell_report --json": [f"{bin_dir}/brakefell_report", "--json"],
    "bare QtCore program": [f"{bin_dir}/bare_core_program"],
}
times = {name: [] for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        times[name].append(time.perf_counter() - start)
medians = {name: statistics.median(values) * 1000 for name, values in times.items()}
for name, value in medians.items():
    print(f"{name:26s} median {value:7.2f} ms over {runs} runs")
print(f"ratio {medians['brakefell_report --json'] / medians['bare QtCore program']:.2f}")
PY
