#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test under CTest; exits non-zero when any fails.
#   1. the whole suite (release build with debug info)
#   2. the Debian package: built, unpacked and checked against the build tree (check-package.sh)
#   3. the page: its core in WebAssembly (text and engine suites under node, against the desktop's
#      tool over random characters, share codes both ways) and the page in Chromium and Firefox
#   4. a smoke run of each fuzz target (a few seconds each)
#   5. the whole suite again under AddressSanitizer + UndefinedBehaviorSanitizer
#   scripts/test.sh --quick   only step 1
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh

bash scripts/build.sh default
ctest --preset default -j "$(nproc)"

if [ "${1:-}" = "--quick" ]; then
    exit 0
fi

echo "== the Debian package"
bash scripts/check-package.sh build/default/bin/brakefell_report

echo "== the page"
bash scripts/build.sh web
ctest --preset web -j "$(nproc)"

echo "== fuzz smoke run"
bash scripts/fuzz.sh "${BRAKEFELL_FUZZ_SECONDS:-8}"

echo "== the suite under AddressSanitizer + UndefinedBehaviorSanitizer"
bash scripts/build.sh asan
ctest --preset asan -j "$(nproc)"
