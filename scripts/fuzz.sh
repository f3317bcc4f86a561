#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a given number of seconds (default 10).
#   scripts/fuzz.sh            a smoke run of every target
#   scripts/fuzz.sh 3600       an hour each
#   scripts/fuzz.sh 60 fuzz_profile
# New inputs go to build/fuzz/corpus/<target>; the checked-in seeds in fuzz/corpus/ are read only.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_catalogue fuzz_profile fuzz_numbers fuzz_calculation fuzz_share_code)

bash scripts/build.sh fuzz
passed=0
failed=0
for target in "${targets[@]}"; do
    work=build/fuzz/corpus/$target
    mkdir -p "$work" build/fuzz/artifacts
    seeds=fuzz/corpus/${target#fuzz_}
    echo "== $target: ${seconds}s"
    log=build/fuzz/$target.log
    status=0
    build/fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/"$target"- \
        "$work" $( [ -d "$seeds" ] && echo "$seeds" ) >"$log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|SUMMARY|==[0-9]+==ERROR)' "$log" || true
    if [ "$status" -ne 0 ]; then
        echo "$target failed (status $status); see $log and build/fuzz/artifacts/" >&2
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
