#!/usr/bin/env bash
# Builds the Debian package with package.sh, unpacks it into a scratch root and checks what a
# player would get: its Depends line and version, exactly the expected files, links in usr/bin
# that stay inside the package, the copyright and its licence, the AppStream metadata and desktop
# entries, the installed brakefell_report printing byte for byte what the build tree's prints, the
# installed window keeping LastData.cfg in the user's data folder when its own folder cannot be
# written, and lintian, Debian's own checker, finding no error and no warning.
#   scripts/check-package.sh                      compares with build/default/bin/brakefell_report
#   scripts/check-package.sh PATH/brakefell_report
#   BRAKEFELL_BUILD_REPORT=PATH scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
reference=${1:-${BRAKEFELL_BUILD_REPORT:-build/default/bin/brakefell_report}}
if [ ! -x "$reference" ]; then
    echo "check-package: no build-tree program $reference to compare with" \
        "(bash scripts/build.sh default builds it)" >&2
    exit 1
fi

deb=$(bash scripts/package.sh)
echo "== checking $deb"

scratch=$(mktemp -d)
# A folder made read-only below must get its write bit back before it can be removed.
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"  # the window runs as another user below and must reach the root
root=$scratch/root
dpkg-deb -x "$deb" "$root"
appdir=$root/usr/libexec/brakefell

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    echo "check-package: FAILED: $*" >&2
    failed=$((failed + 1))
}

# --- the control file: dpkg-shlibdeps ran, and what it cannot see is named
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in qt6-qpa-plugins qt6-translations-l10n libqt6core6 libqt6widgets6 libqt6charts6 libc6; do
    if grep -Eq "(^|, )$wanted( |,|$)" <<<"$depends"; then pass; else fail "Depends lacks $wanted: $depends"; fi
done
if [ "$(dpkg-deb -f "$deb" Package)" = brakefell ]; then pass; else fail "package name is not brakefell"; fi
# The build tree's tool says the project's version; the package must carry the same.
version=$(dpkg-deb -f "$deb" Version)
built_version=$("$reference" --version)
if [ "brakefell_report $version" = "$built_version" ]; then
    pass
else
    fail "the package's version $version is not the build tree's ($built_version)"
fi

# --- exactly these files, and nothing built for tests, benchmarks or screenshots
expected=$(cat <<'EOF'
usr/bin/brakefell
usr/bin/brakefell_lite
usr/bin/brakefell_report
usr/libexec/brakefell/Gloamstalker007.txt
usr/libexec/brakefell/brakefell
usr/libexec/brakefell/brakefell_lite
usr/libexec/brakefell/brakefell_report
usr/share/applications/io.github.brakefell.Brakefell.desktop
usr/share/applications/io.github.brakefell.BrakefellLite.desktop
usr/share/doc/brakefell/changelog.gz
usr/share/doc/brakefell/copyright
usr/share/icons/hicolor/scalable/apps/io.github.brakefell.Brakefell.svg
usr/share/man/man1/brakefell.1.gz
usr/share/man/man1/brakefell_lite.1.gz
usr/share/man/man1/brakefell_report.1.gz
usr/share/metainfo/io.github.brakefell.Brakefell.metainfo.xml
EOF
)
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" = "$expected" ]; then
    pass
else
    fail "the package's files differ from the expected list (< expected, > packaged):"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
fi
if cmp -s "$appdir/Gloamstalker007.txt" data/Gloamstalker007.txt; then pass; else fail "the packaged catalogue differs from data/Gloamstalker007.txt"; fi

# --- the copyright names the licence by the path of Debian's copy of it, which must be LICENSE
copyright=$root/usr/share/doc/brakefell/copyright
if cmp -s "$copyright" data/debian/copyright; then pass; else fail "the copyright file differs from data/debian/copyright"; fi
common_licence=$(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*' "$copyright" | sort -u || true)
if [ "$common_licence" != /usr/share/common-licenses/GPL-3 ]; then
    fail "the copyright points to '$common_licence', not to /usr/share/common-licenses/GPL-3"
elif ! cmp -s "$common_licence" LICENSE; then
    fail "LICENSE is not the text of $common_licence that the copyright points to"
else
    pass
fi

# --- each program in usr/bin is a relative link to its copy in usr/libexec/brakefell, stripped
for program in brakefell brakefell_lite brakefell_report; do
    link=$root/usr/bin/$program
    target=$(readlink "$link" || true)
    resolved=$(realpath -e "$link" 2>/dev/null || true)
    if [ ! -L "$link" ] || [ "${target#/}" != "$target" ]; then
        fail "usr/bin/$program is not a relative link (it points to '${target}')"
    elif [ "$resolved" != "$(realpath "$appdir/$program")" ]; then
        fail "usr/bin/$program resolves to '$resolved', not to usr/libexec/brakefell/$program"
    else
        pass
    fi
    if file -b "$appdir/$program" | grep -q ', stripped'; then pass; else fail "$program is not stripped"; fi
    # Its manual page, found by the program's name, stays in the package and names the program.
    page=$(realpath -e "$root/usr/share/man/man1/$program.1.gz" 2>/dev/null || true)
    if [ "${page#"$root"/}" = "$page" ]; then
        fail "usr/share/man/man1/$program.1.gz is missing or leads out of the package"
    elif ! zcat "$page" | sed -n '/^\.SH NAME/{n;p;}' | grep -Eq "(^|[ ,])$program([ ,]|$)"; then
        fail "the manual page $program.1.gz does not name $program in its NAME line"
    else
        pass
    fi
done

# --- AppStream metadata, desktop entries, and what they name is in the package
metainfo=$root/usr/share/metainfo/io.github.brakefell.Brakefell.metainfo.xml
if appstreamcli validate --no-net --strict "$metainfo"; then pass; else fail "appstreamcli rejects the metainfo"; fi
launchables=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -n "$launchables" ] || fail "the metainfo names no desktop entry to launch"
for entry in $launchables; do
    if [ -f "$root/usr/share/applications/$entry" ]; then pass; else fail "the metainfo launches $entry, which the package lacks"; fi
done
for desktop in "$root"/usr/share/applications/*.desktop; do
    name=$(basename "$desktop")
    if desktop-file-validate "$desktop"; then pass; else fail "desktop-file-validate rejects $name"; fi
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    if [ -n "$exec_program" ] && [ -x "$root/usr/bin/$exec_program" ]; then pass; else fail "$name runs '$exec_program', which is not in usr/bin"; fi
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    if compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.*" >/dev/null; then pass; else fail "$name shows icon '$icon', which the package lacks"; fi
done

# --- the installed report tool, found through its link, prints what the build tree's prints
export LC_ALL=C.UTF-8
for arguments in "" "--edition lite"; do
    # shellcheck disable=SC2086  # the arguments are split on purpose
    if ! "$root/usr/bin/brakefell_report" $arguments >"$scratch/installed.txt" 2>"$scratch/installed.err"; then
        fail "the installed brakefell_report $arguments failed: $(cat "$scratch/installed.err")"
        continue
    fi
    # shellcheck disable=SC2086
    "$reference" $arguments >"$scratch/built.txt"
    if cmp -s "$scratch/installed.txt" "$scratch/built.txt" && [ -s "$scratch/built.txt" ]; then
        pass
    else
        fail "the installed brakefell_report ${arguments:-(no arguments)} prints other bytes than $reference:"
        diff "$scratch/built.txt" "$scratch/installed.txt" | head -n 20 >&2 || true
    fi
done

# --- LastData.cfg: the window's own folder is read-only to its user, so the last run goes to
# the user's data folder. As root the window runs as nobody (root writes anywhere).
home=$scratch/home
userdir=$home/.local/share/brakefell
mkdir -p "$userdir" "$scratch/runtime"
# A last run that differs from the defaults, so that saving it back unchanged shows it was read.
"$root/usr/bin/brakefell_report" --set txtAttackSpeed=35 --save-profile "$userdir/LastData.cfg" >/dev/null
cp "$userdir/LastData.cfg" "$scratch/seed.cfg"
touch -d '2001-01-01' "$userdir/LastData.cfg"
touch -d '2001-01-02' "$scratch/before"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R "$(id -u nobody):$(id -g nobody)" "$home" "$scratch/runtime"
    run_as=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
else
    chmod a-w "$appdir"
fi
chmod 700 "$scratch/runtime"
status=0
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" \
    LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen BRAKEFELL_QUIT_AFTER_SHOW=1 \
    timeout 60 "$root/usr/bin/brakefell" </dev/null >"$scratch/window.out" 2>"$scratch/window.err" ||
    status=$?
if [ "$status" -ne 0 ] || ! grep -q '^shown ' "$scratch/window.out"; then
    fail "the installed window did not open and close (status $status): $(cat "$scratch/window.err")"
elif [ -n "$(find "$appdir" -maxdepth 1 -iname lastdata.cfg)" ]; then
    fail "the window wrote LastData.cfg into its read-only program folder"
elif [ -z "$(find "$userdir/LastData.cfg" -newer "$scratch/before" 2>/dev/null)" ]; then
    fail "the window did not save LastData.cfg in the user's data folder $userdir"
elif ! cmp -s "$userdir/LastData.cfg" "$scratch/seed.cfg"; then
    fail "the window did not read the last run from the user's data folder (it saved other inputs)"
else
    pass
fi

# --- lintian, Debian's own checker: any error or warning fails; info notes are shown but pass.
# It advises against running as root, so it runs as the window did.
cp "$deb" "$scratch/"
chmod 644 "$scratch/$(basename "$deb")"
if "${run_as[@]}" env HOME="$home" lintian --display-info --fail-on error,warning \
    "$scratch/$(basename "$deb")" >"$scratch/lintian.out" 2>&1; then
    pass
else
    fail "lintian finds errors or warnings in $(basename "$deb")"
fi
sed 's/^/lintian: /' "$scratch/lintian.out"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
