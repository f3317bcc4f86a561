#!/usr/bin/env python3
"""Checks that the folders of src/ form a stack: an include may point down or sideways within its
own folder, never up, and the two programs on top (the window and the headless tool) never
include each other. The core (every folder below the Qt adapters) includes no Qt header, so that
it builds on the C++ standard library alone; the page's bindings (web) stand on the core beside
the Qt adapters, include no Qt either, and nothing includes them. Prints every include that
breaks a rule.

    check_layers.py SRC_DIR
"""
import pathlib
import re
import sys

# Bottom to top. Folders on one level may not include each other.
STACK = [
    ["platform"],
    ["text"],
    ["editions"],
    ["catalogue"],
    ["engine"],
    ["form"],
    ["profile"],
    ["session"],
    ["analysis"],
    ["qt_adapters", "web"],
    ["window", "tools"],
    ["devtools"],
]
LEVEL = {folder: level for level, folders in enumerate(STACK) for folder in folders}
CORE = {folder for folder, level in LEVEL.items() if level < LEVEL["qt_adapters"]}
QT_FREE = CORE | {"web"}
# The companion window "빌드 분석" talks to the session and the analysis library, never to the
# main window it stands beside.
ANALYSIS_WINDOW_MAY_NOT_INCLUDE = ("window/analysis/", "window/calculator_window.h")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# <QString>, <QtCore/QString>, <QtGlobal>, <qstring.h>, in angle brackets or quotes.
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]((?:Qt\w*/|Q[A-Za-z]|q[a-z_]+\.h)[^>"]*)[>"]', re.M)


def folder_of(path, src):
    return path.relative_to(src).parts[0]


def main():
    src = pathlib.Path(sys.argv[1]).resolve()
    broken = []
    files = [p for p in src.rglob("*") if p.suffix in (".h", ".cpp")]
    for path in files:
        own = folder_of(path, src)
        if own not in LEVEL:
            broken.append(f"{path.relative_to(src)}: folder {own} is not in the stack")
            continue
        text = path.read_text(encoding="utf-8")
        if own in QT_FREE:
            for header in QT_INCLUDE.findall(text):
                broken.append(f"{path.relative_to(src)} includes {header}: "
                              f"{own} includes no Qt header")
        for target in INCLUDE.findall(text):
            folder, header = ANALYSIS_WINDOW_MAY_NOT_INCLUDE
            if path.relative_to(src).as_posix().startswith(folder) and target == header:
                broken.append(f"{path.relative_to(src)} includes {target}: "
                              f"the analysis window may not depend on the main window")
            top = target.split("/")[0]
            if top not in LEVEL:
                continue  # a header beside the file, or a generated one
            if top == own:
                continue
            if LEVEL[top] >= LEVEL[own] or top == "web":
                broken.append(f"{path.relative_to(src)} includes {target}: "
                              f"{own} may not depend on {top}")
    for line in broken:
        print(line)
    print(f"{len(files)} files checked, {len(broken)} includes against the stack")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
