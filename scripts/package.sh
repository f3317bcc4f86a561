#!/usr/bin/env bash
# Sets up the machine and builds the Debian package of the three programs: a Release build in
# build/package (no tests, no benchmarks, prefix /usr, Debian's hardening flags), then
# `cpack -G DEB` in that folder. The path of the .deb is all it prints on standard output; the
# build's progress goes to standard error.
#   scripts/package.sh
#   sudo apt install ./build/package/brakefell_0.7_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh >&2
build=build/package

# Debian's compiler and linker flags (stack protector, fortified functions, read-only
# relocations), less their optimisation and debug info: the Release build type brings -O3.
cxxflags="$(DEB_CXXFLAGS_STRIP='-g -O2' dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DBUILD_TESTING=OFF \
    -DBRAKEFELL_BUILD_BENCHMARKS=OFF \
    -DBRAKEFELL_BUILD_FUZZERS=OFF \
    -DBRAKEFELL_BUILD_WINDOW=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >&2

# A package left from another version would make "the" package ambiguous to the checks.
rm -f "$build"/brakefell_*.deb
(cd "$build" && cpack -G DEB >&2)

packages=("$build"/brakefell_*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "package: expected one brakefell_*.deb in $build, found: ${packages[*]}" >&2
    exit 1
fi
echo "${packages[0]}"
