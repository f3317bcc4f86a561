#!/usr/bin/python3
"""Makes the page's report font: the fixed-pitch Korean face cut down to the characters a report
can hold, as WOFF2. A report is made of the program's own texts and the skill catalogue's names,
so the characters are gathered from those files; every printable ASCII character is kept too.

    report_font.py FONT.ttf OUT.woff2 CATALOGUE.txt SOURCE...

The catalogue is read as code page 949, the sources as UTF-8. Needs Debian's python3-fonttools
and python3-brotli (WOFF2 is Brotli-compressed).
"""
import pathlib
import sys

from fontTools import subset


def characters(catalogue, sources):
    chars = {chr(c) for c in range(0x20, 0x7F)}
    chars.update(pathlib.Path(catalogue).read_bytes().decode("cp949", errors="replace"))
    for source in sources:
        chars.update(pathlib.Path(source).read_text(encoding="utf-8"))
    # Line ends, tabs and the replacement of undecodable bytes draw nothing of their own.
    return sorted(c for c in chars if c.isprintable() and c != "\ufffd")


def main():
    font, out, catalogue, *sources = sys.argv[1:]
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = []  # columns only: no ligatures, no kerning
    options.name_IDs = ["*"]  # keep the licence and copyright strings
    options.notdef_outline = True
    options.hinting = False  # the browsers draw it unhinted at these sizes anyway
    loaded = subset.load_font(font, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(characters(catalogue, sources)))
    subsetter.subset(loaded)
    subset.save_font(loaded, out, options)
    return 0


if __name__ == "__main__":
    sys.exit(main())
