#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need (help2man writes
# brakefell_report's manual page from its --help), and what building and checking the .deb needs
# (dpkg-shlibdeps, appstreamcli, desktop-file-validate, lintian).
# Idempotent: asks apt only for what is missing, so a second run costs a dpkg query.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev python3
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-nanum xvfb xauth zlib1g-dev help2man
    dpkg-dev file appstream desktop-file-utils qt6-qpa-plugins lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these Debian packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
