#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need (help2man writes
# brakefell_report's manual page from its --help), what building and checking the .deb needs
# (dpkg-shlibdeps, appstreamcli, desktop-file-validate, lintian), and what the page needs:
# emscripten for its WebAssembly, python3-fonttools and python3-brotli for its report font,
# Chromium and Firefox ESR for its tests, node and npm (Debian's, unless a node is there already)
# and the npm packages of web/package-lock.json (npm ci, no browser download).
# Idempotent: asks apt only for what is missing, so a second run costs a dpkg query.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev python3
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-nanum xvfb xauth zlib1g-dev help2man
    dpkg-dev file appstream desktop-file-utils qt6-qpa-plugins lintian
    emscripten python3-fonttools python3-brotli chromium firefox-esr
)
# A node from elsewhere (such as a newer one) is used as it is; otherwise Debian's.
if ! command -v node >/dev/null; then
    packages+=(nodejs)
fi
if ! command -v npm >/dev/null; then
    packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: these Debian packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The page's npm packages, exactly as locked; again only when the lock file changed. The tests
# drive Debian's own browsers, so puppeteer downloads none.
if ! cmp -s web/package-lock.json web/node_modules/.installed-from-lock 2>/dev/null; then
    echo "setup: npm ci in web/"
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix web --ignore-scripts --no-audit --no-fund
    cp web/package-lock.json web/node_modules/.installed-from-lock
fi
