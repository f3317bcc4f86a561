#!/usr/bin/env python3
"""Checks that every place naming the release agrees with CMake's project(VERSION): the package
file in the README's install lines, the newest AppStream release, the newest Debian changelog entry
(and that those two carry the same date), brakefell_report --version and the headers of the built
manual pages. Prints each disagreement and exits 1 when there is one.

    check_release_version.py --version 0.7 --source SRC_DIR --report PROGRAM MANPAGE...
"""
import argparse
import email.utils
import os
import pathlib
import re
import subprocess
import sys

PACKAGE_FILE = r"brakefell_([^_\s/]+)_amd64\.deb"
METAINFO = "data/desktop/io.github.brakefell.Brakefell.metainfo.xml"
NEWEST_RELEASE = r'<release\b[^>]*\bversion="([^"]*)"[^>]*\bdate="([^"]*)"'
CHANGELOG = "data/debian/changelog"
NEWEST_ENTRY = r"^brakefell \(([^)]*)\)"
NEWEST_TRAILER = r"^ -- .*>  (.+)$"
MANPAGE_HEADER = r'^\.TH \S+ "?\d"? "[^"]*" "\S+ ([^"]*)"'


def source_file(name):
    return lambda args: (args.source / name).read_text(encoding="utf-8")


def program_version(args):
    return subprocess.run([args.report, "--version"], capture_output=True, text=True,
                          check=True, env=dict(os.environ, LC_ALL="C.UTF-8")).stdout


def manual_page(path):
    return lambda args: pathlib.Path(path).read_text(encoding="utf-8")


def sources(args):
    """(what, text reader, pattern whose first group is a version, every match or only the first)"""
    rows = [
        ("README.md (the install lines' package)", source_file("README.md"), PACKAGE_FILE, True),
        ("scripts/package.sh (its usage lines)", source_file("scripts/package.sh"), PACKAGE_FILE,
         True),
        (METAINFO + " (newest release)", source_file(METAINFO), NEWEST_RELEASE, False),
        (CHANGELOG + " (newest entry)", source_file(CHANGELOG), NEWEST_ENTRY, False),
        ("brakefell_report --version", program_version, r"^brakefell_report (\S+)$", False),
    ]
    rows += [(f"{path} (.TH line)", manual_page(path), MANPAGE_HEADER, False)
             for path in args.manpages]
    return rows


def version_problems(args):
    problems = []
    for what, read, pattern, every in sources(args):
        found = [m.group(1) for m in re.finditer(pattern, read(args), re.M)]
        if not found:
            problems.append(f"{what}: names no version (pattern {pattern})")
            continue
        for version in found if every else found[:1]:
            if version != args.version:
                problems.append(f"{what}: names {version}, the project is {args.version}")
    return problems


def date_problems(args):
    """The AppStream release and the changelog entry of the newest version share their date."""
    release = re.search(NEWEST_RELEASE, source_file(METAINFO)(args))
    trailer = re.search(NEWEST_TRAILER, source_file(CHANGELOG)(args), re.M)
    if not release or not trailer:
        return [f"{METAINFO} or {CHANGELOG}: no dated newest release"]
    entry_date = email.utils.parsedate_to_datetime(trailer.group(1)).date().isoformat()
    if release.group(2) != entry_date:
        return [f"{METAINFO}: the newest release is dated {release.group(2)}, "
                f"{CHANGELOG}'s newest entry {entry_date}"]
    return []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--source", required=True, type=pathlib.Path)
    parser.add_argument("--report", required=True)
    parser.add_argument("manpages", nargs="+")
    args = parser.parse_args()
    problems = version_problems(args) + date_problems(args)
    for problem in problems:
        print(problem, file=sys.stderr)
    checked = len(sources(args))
    print(f"release {args.version}: {checked} places checked, {len(problems)} disagree")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
