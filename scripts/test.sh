#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test under CTest. Exits non-zero when any fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
bash scripts/build.sh default
ctest --preset default -j "$(nproc)"
