#!/usr/bin/env python3
"""Checks that the folders of src/ form a stack: an include may point down or sideways within its
own folder, never up, and the two programs on top (the window and the headless tool) never
include each other. The core (every folder below the desktop's adapters) includes no Qt header, so that
it builds on the C++ standard library alone; the page's bindings (web) stand on the core beside
the desktop's adapters, include no Qt either, and nothing includes them. Below the top level, a few
seams keep their own rules (SEAMS), and no file may reach itself through its includes. Prints
every include that breaks a rule.

The page (SITE_DIR) serves the controls by the kind and role the core gives them: its scripts,
styles and markup never name a control, so a control renamed or given another role in the core
needs no second edit in the page.

    check_layers.py SRC_DIR [SITE_DIR]
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
    ["desktop_adapters", "web"],
    ["window", "tools"],
    ["devtools"],
]
LEVEL = {folder: level for level, folders in enumerate(STACK) for folder in folders}
CORE = {folder for folder, level in LEVEL.items() if level < LEVEL["desktop_adapters"]}
QT_FREE = CORE | {"web"}
# Seams inside a folder: (files under `inner`, except those under `exempt`) may not include
# anything under `target`. The engine computes figures; only its report writers turn them into
# text, so the rest of the engine stays free of the wording of the editions.
SEAMS = [
    ("engine/", "engine/report/", "engine/report/"),
    # The companion window "빌드 분석" talks to the session and the analysis library, never to
    # the main window it stands beside.
    ("window/analysis/", None, "window/calculator_window.h"),
]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
# <QString>, <QtCore/QString>, <QtGlobal>, <qstring.h>, in angle brackets or quotes.
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]((?:Qt\w*/|Q[A-Za-z]|q[a-z_]+\.h)[^>"]*)[>"]', re.M)


def folder_of(path, src):
    return path.relative_to(src).parts[0]


def resolve(path, target, src):
    """The file an include names: beside the including file first, then from src/."""
    for base in (path.parent, src):
        candidate = (base / target).resolve()
        if candidate.is_file():
            return candidate
    return None


def seam_breaks(name, target):
    for inner, exempt, forbidden in SEAMS:
        if (name.startswith(inner) and not (exempt and name.startswith(exempt))
                and target.startswith(forbidden)):
            where = f"{inner} outside {exempt}" if exempt else inner
            yield f"{name} includes {target}: {where} may not include {forbidden}"


def include_cycles(graph, src):
    """Every loop of includes, once each, as the files around it (Tarjan's strongly connected
    components: a component of more than one file, or a file that includes itself, is a loop)."""
    index, low, stack, on_stack, loops = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1 or node in graph.get(node, ()):
                loops.append(sorted(str(m.relative_to(src)) for m in component))

    sys.setrecursionlimit(10000)
    for node in graph:
        if node not in index:
            visit(node)
    return loops


# A control's entry in the control table: Text("txtSkill(18)", ...), Button("cmdOpen", ...).
CONTROL_ENTRY = re.compile(r'\b(?:Text|Check|Option|List|Frame|Result|ElementLabel|Button)'
                           r'\(\s*"([A-Za-z]\w*)(?:\(\d+\))?"')
SITE_FILES = (".js", ".mjs", ".css", ".html")


def control_names(src):
    table = (src / "form" / "control_table.cpp").read_text(encoding="utf-8")
    return set(CONTROL_ENTRY.findall(table))


def named_controls(site, names):
    """Every place in the page's own files (not its vendored libraries) that writes a control's
    name."""
    pattern = re.compile(r"\b(" + "|".join(sorted(names)) + r")\b")
    for path in sorted(site.rglob("*")):
        if path.suffix not in SITE_FILES or "vendor" in path.relative_to(site).parts:
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            for name in pattern.findall(line):
                yield f"{path.relative_to(site.parent)}:{number} names the control {name}"


def main():
    src = pathlib.Path(sys.argv[1]).resolve()
    broken = []
    if len(sys.argv) > 2:
        broken.extend(named_controls(pathlib.Path(sys.argv[2]).resolve(), control_names(src)))
    files = [p for p in src.rglob("*") if p.suffix in (".h", ".cpp")]
    graph = {}
    for path in files:
        own = folder_of(path, src)
        name = path.relative_to(src).as_posix()
        if own not in LEVEL:
            broken.append(f"{path.relative_to(src)}: folder {own} is not in the stack")
            continue
        text = path.read_text(encoding="utf-8")
        if own in QT_FREE:
            for header in QT_INCLUDE.findall(text):
                broken.append(f"{path.relative_to(src)} includes {header}: "
                              f"{own} includes no Qt header")
        for target in INCLUDE.findall(text):
            included = resolve(path, target, src)
            if included is not None:
                graph.setdefault(path.resolve(), set()).add(included)
            broken.extend(seam_breaks(name, target))
            top = target.split("/")[0]
            if top not in LEVEL:
                continue  # a header beside the file, or a generated one
            if top == own:
                continue
            if LEVEL[top] >= LEVEL[own] or top == "web":
                broken.append(f"{path.relative_to(src)} includes {target}: "
                              f"{own} may not depend on {top}")
    for loop in include_cycles(graph, src):
        broken.append("include loop among: " + ", ".join(loop))
    for line in broken:
        print(line)
    print(f"{len(files)} files checked, {len(broken)} against the rules")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
