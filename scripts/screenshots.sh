#!/usr/bin/env bash
# Renders both editions' windows to PNG files under screenshots/out/: with the default inputs,
# after "계산", and with the two controls that only their check boxes show. The renderer works in
# a scratch program folder and never touches a real LastData.cfg.
#   scripts/screenshots.sh              offscreen, into screenshots/out/
#   BUILD_DIR=build/x scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/default}
if [ ! -f "$build/build.ninja" ]; then
    cmake --preset default >/dev/null
fi
cmake --build "$build" --target brakefell_screenshots >/dev/null
mkdir -p screenshots/out
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen:configfile=tests/support/offscreen_screen.json} LC_ALL=C.UTF-8 \
    "$build/bin/brakefell_screenshots" screenshots/out
