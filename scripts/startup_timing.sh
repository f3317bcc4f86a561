#!/usr/bin/env bash
# Start-up time of every program against the least a Qt program of its kind takes, the programs
# taking turns so that the machine's load falls on both alike, medians compared:
# - the tool: wall time of brakefell_report --json on the default character against a bare QtCore
#   program that only starts and prints (TOOL_RUNS runs, 200 by default);
# - the windows: from just before the process starts to its window's first paint, against an
#   empty Qt window of the same size (RUNS runs, 20 by default). A LastData.cfg is present, so no
#   message box waits.
#   scripts/startup_timing.sh                 offscreen
#   RUNS=50 xvfb-run -a scripts/startup_timing.sh    on an X server (QT_QPA_PLATFORM=xcb)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/default}
runs=${RUNS:-20}
tool_runs=${TOOL_RUNS:-200}
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset default >/dev/null
fi
cmake --build "$build" --target brakefell brakefell_lite brakefell_empty_window brakefell_report \
    bare_core_program >/dev/null

python3 - "$build/bin" "$tool_runs" <<'PY'
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
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if [ -n "${DISPLAY:-}" ]; then export QT_QPA_PLATFORM=xcb; else export QT_QPA_PLATFORM=offscreen; fi
fi
export LC_ALL=C.UTF-8

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/bin/brakefell" "$build/bin/brakefell_lite" "$build/bin/brakefell_empty_window" \
    "$build/bin/Gloamstalker007.txt" "$folder/"
"$build/bin/brakefell_report" --save-profile "$folder/LastData.cfg" >/dev/null

# Milliseconds from process start to first paint, one run.
time_one() {
    local start shown
    start=$(date +%s%N)
    shown=$(BRAKEFELL_QUIT_AFTER_SHOW=1 "$@" 2>/dev/null | sed -n 's/^shown //p')
    if [ -z "$shown" ]; then
        echo "no first paint reported by $*" >&2
        exit 1
    fi
    echo $(((shown - start) / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

declare -A samples=()
for ((i = 0; i < runs; i++)); do
    samples[empty]+="$(time_one "$folder/brakefell_empty_window") "
    samples[full]+="$(time_one "$folder/brakefell") "
    samples[emptylite]+="$(time_one "$folder/brakefell_empty_window" --lite) "
    samples[lite]+="$(time_one "$folder/brakefell_lite") "
done

report() {  # name, program key, yardstick key
    local program yardstick
    program=$(tr ' ' '\n' <<<"${samples[$2]}" | grep . | median)
    yardstick=$(tr ' ' '\n' <<<"${samples[$3]}" | grep . | median)
    awk -v n="$1" -v p="$program" -v y="$yardstick" \
        'BEGIN { printf "%-15s %8.1f ms   empty window %8.1f ms   ratio %.2f\n", n, p, y, p / y }'
}
echo "platform $QT_QPA_PLATFORM, $runs runs each, medians from process start to first paint"
report brakefell full empty
report brakefell_lite lite emptylite
