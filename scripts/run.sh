#!/usr/bin/env bash
# Sets up the machine, builds, and starts the calculator (full edition).
#   scripts/run.sh          the full edition "brakefell"
#   scripts/run.sh --lite   the lite edition "brakefell_lite"
#   scripts/run.sh --web    the page: builds build/web/site and serves it on 127.0.0.1:8080
# Without a display it prints the report of the default character with the headless tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
if [ "${1:-}" = "--web" ]; then
    bash scripts/build.sh web
    exec node web/tools/serve.mjs build/web/site "${2:-8080}"
fi
bash scripts/build.sh default
bin=build/default/bin

program=brakefell
if [ "${1:-}" = "--lite" ]; then
    program=brakefell_lite
    shift
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: printing the report of the default character instead." >&2
    echo "For the window, run this on a desktop, or: xvfb-run -a $bin/$program" >&2
    echo >&2
    exec "$bin/brakefell_report" "$@"
fi
exec "$bin/$program" "$@"
