#!/usr/bin/env python3
"""Checks that the folders of src/ form a stack: an include may point down or sideways within its
own folder, never up, and the two programs on top (the window and the headless tool) never
include each other. Prints every include that breaks the rule.

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
    ["window", "tools"],
]
LEVEL = {folder: level for level, folders in enumerate(STACK) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


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
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            top = target.split("/")[0]
            if top not in LEVEL:
                continue  # a header beside the file, or a generated one
            if top == own:
                continue
            if LEVEL[top] >= LEVEL[own]:
                broken.append(f"{path.relative_to(src)} includes {target}: "
                              f"{own} may not depend on {top}")
    for line in broken:
        print(line)
    print(f"{len(files)} files checked, {len(broken)} includes against the stack")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
